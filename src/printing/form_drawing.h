#pragma once

#include <QRect>
#include <QString>
#include <array>

#include "store/field_names.h"

class QPainter;

namespace tavo::printing {

// The paper form of one copy, in twips (1/1440 inch) from the top left of the
// copy. The same drawing is the entry window's background, the printed page
// (one copy at the top of an A4 sheet, a second one kCopyHeight below it) and
// the blank form.
namespace form {
inline constexpr int kWidth = 11400;       // one copy, from its left edge
inline constexpr int kHeight = 7000;       // one copy, from its top edge
inline constexpr int kCopyHeight = 7150;   // the second copy starts this far below the first
inline const QRect kBarcode{6200, 1080, 4555, 2055};  // the PDF417 picture box of a copy
}  // namespace form

enum class FormType { OP, FV };

// What a copy shows besides the fixed drawing.
struct FormLook {
    FormType type = FormType::OP;
    // The hints under the fields ("(Sucursala)", "(Localitate....)",
    // "zz/ll/aaaa"): shown in the entry window, not on paper.
    bool hints = true;
    // The box of the debit date with its caption: only for the state-domain
    // agency's documents (and on blank forms of a payment order).
    bool debitDate = true;
};

// The boxes of the entry fields (a D1 index) and of the derived labels (a B1
// index) on one copy. The entry window lays its text fields over the d1
// boxes; the printed copy writes the values into them. The grouped amount
// shares the box of the amount field, the commitment labels those of the
// commitment fields.
QRect d1Box(int index);
QRect b1Box(int index);
// The two-line fields: the payer and beneficiary names, the payer address and the object.
bool d1TwoLines(int index);
// The note "(1-OP cu valoare de declaratie)" of a copy.
QRect valDeclBox();
// Free places of the entry window's drawing, hidden on paper: beside the issue
// date (B_cal), beside the debit date (B_cal1), the beneficiary section's
// buttons (Command1, Command6, Command8 one under the other), and inside the
// barcode box, the warning `atentie` and the information frame `Frame4`.
QRect calendarButtonBox(int which);  // 0: issue date, 1: debit date
QRect beneficiaryButtonsBox();
QRect warningBox();
QRect infoBox();

// The captions shown on the form.
inline const QString kTitleOP = QStringLiteral("ORDIN DE PLATA");
inline const QString kTitleFV = QStringLiteral("Foaie de vărsământ");

// Draws the fixed part of one copy at the painter's origin (the painter's
// units are twips): the title, the captions, the frame lines and boxes, and
// for a payment order the parts a deposit slip does not have (payer IBAN and
// bank, the BIC captions, the transfer-type and acceptance blocks, the
// payer's signature caption).
void drawForm(QPainter& painter, const FormLook& look);

// The values a printed copy carries, in the boxes above.
struct FormValues {
    std::array<QString, kD1Count> d1;  // the field texts (the amount is shown grouped, in b1)
    std::array<QString, kB1Count> b1;  // grouped amount, words, BICs, banks, order mark, commitment
    QString val_decl;            // the declaration note, or empty
};

// Writes the values of a printed copy into their boxes, at the painter's origin.
void drawValues(QPainter& painter, const FormLook& look, const FormValues& values);

// The font the form is drawn with (shipped with the program's dependencies,
// named exactly so that pages render the same everywhere), in points.
QString formFontFamily();

}  // namespace tavo::printing
