#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>

#include "store/field_names.h"

namespace tavo::printing {

// The values of one document as the entry window shows them, for its text
// image: the 18 fields (indexed by D1) as typed, the derived labels (indexed
// by B1) up to the order mark (grouped amount, amount in words, BICs, bank
// names, order mark), the type, and the caption of the commitment line.
struct TextImageValues {
    std::array<QString, kD1Count> d1;
    std::array<QString, B1::marcaj_ordine + 1> b1;
    bool op = true;  // a payment order; false for a deposit slip
    QString angajament = QStringLiteral("Angajament cod/ indicator: ");
};

// The text image's values from the entry window's fields and derived labels.
TextImageValues textImageValuesOf(const std::array<QString, kD1Count>& d1,
                                  const std::array<QString, kB1Count>& b1, bool op);

// The text image's file in the working folder.
inline const QString kLKELM = QStringLiteral("LKELM.txt");

// The declaration note of a registration number whose 18th character is
// "1", empty otherwise: doubled parentheses in the two-copy image of the
// entry window, single ones in a package.
QString declarationNoteFor(const QString& nr_evidenta, bool twoCopies);

// Lines 1 to 29 of one copy. `note` goes on line 19; `bicBeneficiar` false
// ends line 15 after the beneficiary IBAN.
QStringList copie_text(const TextImageValues& values, const QString& note,
                       bool bicBeneficiar = true);

// The two copies of the entry window's image, as LKELM.txt holds them.
QStringList textImageLines(TextImageValues values);

// Writes LKELM.txt in `folder` with the two copies, replacing whatever it held.
bool vizu_OP(const QDir& folder, const TextImageValues& values, QString* error = nullptr);

// Appends one copy, as a package collects them, to `lines`.
void vizu_OP1(TextImageValues values, QStringList& lines);

}  // namespace tavo::printing
