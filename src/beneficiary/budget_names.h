#pragma once

#include <QString>

namespace tavo::beneficiary {

// The two windows that name a beneficiary after the budget of its treasury
// account; they differ for the "51" and "55" accounts.
enum class NameColumn { Form_IBAN, Form_NREVID };

// The name of the social insurance and special funds budgets (accounts "22",
// and "55" in the registration-number builder), as printed on the form.
inline const QString kSocialInsuranceBudgets = QStringLiteral("BUGETELE ASIG.SOC. SI FD.SPEC.");

// The beneficiary name of a budget account code (the account part after the
// three-digit unit code, IBAN characters 12 onwards), from its first two
// characters read as a number; empty when the table has no name for it.
QString beneficiaryName(const QString& accountCode, NameColumn column);

// The same, from a whole treasury IBAN.
QString beneficiaryNameOfIban(const QString& iban, NameColumn column);

}  // namespace tavo::beneficiary
