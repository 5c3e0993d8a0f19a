#pragma once

// Where the fixed texts of a copy sit, shared by the drawing and its tests.
// The boxes themselves are in form_drawing.h.

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "printing/form_drawing.h"

namespace tavo::printing::layout {

enum class Style {
    Title,    // the name of the document, bold and larger
    Caption,  // the name of a field
    Heading,  // the name of a section (payer, beneficiary), bold
    Hint,     // the small help under a field, italic
    Value,    // the values written into the boxes
};

// The fonts of the form, sized in twips. Hinting is off so that a text takes
// the same room on the screen, on a printer and on an image.
QFont font(Style style, int pixelSize = 0);

struct Caption {
    QString text;
    QRect place;  // the room the text takes, left-aligned and centred in it
    Style style;
};

// The captions a copy of this look shows, in their places.
std::vector<Caption> captions(const FormLook& look);

// Whether the box of the field d1(index) belongs to a copy of this look:
// a deposit slip has no payer IBAN and branch, the debit date is optional.
bool d1Shown(int index, const FormLook& look);

// The small squares of the transfer type (payment order only).
std::vector<QRect> transferSquares();

// The lines that split the copy into its sections.
inline constexpr int kLeft = 240;                // where the captions start
inline constexpr int kRight = 11160;             // where the widest boxes end
inline constexpr int kTopLine = 760;             // under the amount in words
inline constexpr int kPayerEnd = 3490;           // between payer and beneficiary
inline constexpr int kBeneficiaryEnd = 5710;     // above the dates and signatures
inline constexpr int kAcceptanceLeft = 7100;     // the acceptance block (payment order)
inline constexpr int kTransferLeft = 9200;       // the transfer-type block (payment order)
inline const QRect kFrame{80, 80, 11240, 6840};  // around the whole copy

}  // namespace tavo::printing::layout
