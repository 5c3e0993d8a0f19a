#pragma once

#include <QDir>
#include <QString>
#include <array>

#include "store/field_names.h"

namespace tavo::printing {

// What the barcode payload is built from: the 18 field texts of the entry
// window (indexed by D1) as they stand, and the two BIC labels.
struct PayloadSource {
    std::array<QString, kD1Count> d1;
    QString BIC_platitor;
    QString BIC_beneficiar;
};

// The payload's source from the entry window's fields and derived labels.
PayloadSource payloadSourceOf(const std::array<QString, kD1Count>& d1,
                              const std::array<QString, kB1Count>& b1);

// Only this much of `reprezentand` goes into the payload.
inline constexpr int kReprezentandInPayload = 70;

// The payload of the document, one line: text fields between "#", amounts,
// fiscal codes, the registration number and dates bare, all separated by ",".
// The commitment fields and the debit date follow the issue date only when
// one of them is not blank.
QString text_CB(const PayloadSource& document);

// Writes the payload, followed by CR LF, as `OPCB.txt` in `folder`, replacing
// any earlier file. False (with the reason in `error`) when it cannot be written.
bool scrie_OPCB(const QDir& folder, const PayloadSource& document, QString* error = nullptr);

}  // namespace tavo::printing
