#pragma once

#include <QString>

namespace tavo::beneficiary {

// A payment registration number ("Nr.de evidenta a platii") has 23 characters.
inline constexpr int kNrEvidentaLength = 23;

// The two control characters of a registration number from its first 21
// characters: the sum of their digits (other characters count 0), with a
// leading "0" when the sum has one digit, otherwise its last two digits.
QString checkRegistrationNumber(const QString& text);

// The test run when the assistant's `nrEVID` field is left: an empty text
// passes; otherwise it must have 23 characters, a document type "20", "22" or
// "26", a fiscal category "01", "03" or "11" at characters 6-7, and the right
// control at characters 22-23. A refused text gets `kMesajNrEvidenta` and is
// emptied.
bool isRegistrationNumber(const QString& text);

inline const QString kMesajNrEvidenta =
    QStringLiteral("Atentie, 'Nr.de evidenta a platii' eronat ! ");

}  // namespace tavo::beneficiary
