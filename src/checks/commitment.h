#pragma once

#include <QString>

namespace tavo::checks {

// "ZZZZZZZZZZZ", "YYYYYYYYYYY" or "ERRRRRRRRRR": commitment codes that take no indicator.
bool isSpecialCommitmentCode(const QString& code);

// The payer IBAN marks an expenditure of title 10 (personnel expenses), for
// which the commitment indicator is not required: 24 characters, a letter
// (not a digit) at character 11, an account class 23, 24, 25, 27 or 29 at
// characters 9-10 and "10" at characters 18-19.
bool isTitle10Expenditure(const QString& payerIban);

// The message for the list of missing or wrong data when the commitment code
// and indicator do not fit together, or the empty text. Texts as they stand
// in the fields; nothing is checked without a 24-character IBAN and a code.
QString verif_angajament(const QString& payerIban, const QString& code, const QString& indicator);

}  // namespace tavo::checks
