#pragma once

#include <QString>
#include <optional>

#include "beneficiary/reference_lists.h"

namespace tavo::beneficiary {

// The accounts of the National Bank, typed as 8 digits without "RO" in the
// beneficiary IBAN field; they are named without looking the bank list up.
inline constexpr const char* kNationalBankBic = "NBORROBP";
inline constexpr const char* kNationalBankName = "BANCA NATIONALA A ROMANIEI";
bool isNationalBankAccount(const QString& text);

// The BIC and bank labels of one side of the entry window (BIC_platitor and
// banca_platitor, or BIC_beneficiar and banca_beneficiar) and the row of
// `Banci1` they come from (-1 for none). The search moves the selection of
// `Banci1` to that row.
struct BankLabels {
    QString bic;
    QString bank;
    int row = -1;
};

// The code the entry window looks an IBAN up by: characters 5-8 (the bank
// code), or for "TREZ" characters 5-11 (the treasury unit) when character 11
// is a digit.
QString entryBankCode(const QString& iban);

// The entry window's look-up of a non-empty IBAN field: the first row of
// `Banci1` that begins with `entryBankCode`. The BIC label is "TREZROBU" for a
// treasury IBAN and the row's first 8 characters otherwise; the bank label is
// the branch text and " - " (when a branch is typed) followed by the row's
// name. Nothing when no row matches.
std::optional<BankLabels> lookUpBank(const ReferenceList& Banci1, const QString& iban,
                                     const QString& branch);

// The labels of a National Bank account.
BankLabels nationalBankLabels();

// The beneficiary labels as the document checks set them: a National Bank
// account is named at once, any other IBAN is looked up; an IBAN whose bank is
// not in the list (or an empty field) leaves both labels empty.
BankLabels beneficiaryBankLabels(const ReferenceList& Banci1, const QString& iban,
                                 const QString& branch);

// The width of the bank column of the payment summaries.
inline constexpr int kSummaryBankNameWidth = 53;

// The payment summaries' look-up of a beneficiary IBAN: the first row whose
// code (the text before "--") is a bank code equal in its first four
// characters to characters 5-8 of the IBAN, or a treasury unit equal to
// characters 5-11. The name after "--", cut to 53 characters; the empty text
// without a match. `row` receives the matching row (-1 for none).
QString summaryBankName(const ReferenceList& Banci1, const QString& iban, int* row = nullptr);

}  // namespace tavo::beneficiary
