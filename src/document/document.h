#pragma once

#include <QString>
#include <array>

#include "store/field_names.h"
#include "store/ordin.h"

namespace tavo::document {

// The 18 fields of a document under their names (D1), and the labels worked
// out from them (B1): the amount grouped and in words, the BICs and bank
// names, the order mark, the print copies of the commitment fields.
using Fields = std::array<QString, kD1Count>;
using Labels = std::array<QString, kB1Count>;

// One payment document: what a line of ordine.txt stores.
struct Document {
    QString nr_ordine;  // the order number, as stored
    Fields d1;          // the fields
    bool op = true;     // a payment order (OP); false: a deposit slip (FV)

    QString& operator[](D1 k) { return d1[size_t(k)]; }
    const QString& operator[](D1 k) const { return d1[size_t(k)]; }

    // "OP" or "FV".
    QString type() const;
    // The stored line's fields; `op` from its type when that is "OP" or "FV",
    // else `fallbackOp`.
    static Document fromStored(const store::ordin& line, bool fallbackOp);
    store::ordin toStored() const;
};

// A new document as "Incărcare" pre-fills it from the last stored one: the
// payer (its IBAN on a payment order only) and the registration number.
Document prefilledFrom(const store::ordin& last, bool op);

// The type text of a document: "OP" or "FV".
inline const QString kOP = QStringLiteral("OP");
inline const QString kFV = QStringLiteral("FV");

}  // namespace tavo::document
