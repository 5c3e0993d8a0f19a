#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "beneficiary/reference_lists.h"

namespace tavo::beneficiary {

// The account opened only at the unit TREZ700.
inline constexpr const char* kTrez700OnlyAccount = "500401XXXX";
inline constexpr const char* kTrez700 = "TREZ700";

// The environment stamp account of the registration-number builder.
inline constexpr const char* kEnvironmentStampAccount = "51161009XX";

// The VAT accounts of the short obligation list, whose IBANs end in "TVA"
// rather than in "X" filling.
bool appendsVat(const QString& accountCode);

// The account part of the treasury IBAN that the assistants compose for an
// obligation at a treasury unit: the unit code (characters 5-7 of the treasury
// row) followed by the account code trimmed of blanks, with "TVA" after the VAT
// codes. The split-payment codes already end in "TVA" and are used as they
// are. Nothing for "500401XXXX" at a unit other than TREZ700: that account has
// no IBAN there.
std::optional<QString> treasuryAccountPart(const QString& treasuryRow, const QString& accountCode);

// The budget letter of an obligation row of the new classification: its third
// character ("A" in "20A032300XX").
QChar budgetLetter(const QString& obligationRow);

// Whether a unit's IBAN list holds an obligation row, by its budget letter:
// "I" rows (the Environment Fund's budget) only at TREZ706; "J" rows (the
// State Treasury's budget) only at TREZ131, TREZ216, TREZ291, TREZ306,
// TREZ406, TREZ521, TREZ621 and TREZ700; every other letter everywhere.
bool listedAtUnit(const QString& treasuryRow, const QString& obligationRow);

// The positions of the rows of `list` that the unit's IBAN list holds, in order.
std::vector<int> rowsListedAtUnit(const ReferenceList& list, const QString& treasuryRow);

// The central treasury unit TREZ999 has no budget revenue accounts: its IBAN
// lists of the short obligation list and of the old classification hold two
// fixed accounts instead.
bool isCentralTreasury(const QString& treasuryRow);

// One of those fixed lines: the account part to compose the IBAN from and the
// text written after the IBAN.
struct FixedAccountLine {
    QString accountPart;
    QString suffix;
};
const std::array<FixedAccountLine, 2>& centralTreasuryLines();

}  // namespace tavo::beneficiary
