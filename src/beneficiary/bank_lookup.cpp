#include "beneficiary/bank_lookup.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace tavo::beneficiary {
namespace {

const QString kTreasury = QStringLiteral("TREZ");

// Characters 5-8 of an IBAN: the bank code.
QString bankCodeOf(const QString& iban) {
    return iban.mid(4, 4);
}
// Characters 5-11 of an IBAN: "TREZ" and the treasury unit's three digits.
QString treasuryUnitOf(const QString& iban) {
    return iban.mid(4, 7);
}

// The summaries' look-up walks the bank list from its first row and stops at
// the first row that matches.
template <typename Matches>
int firstRow(const ReferenceList& list, Matches matches) {
    const QStringList& rows = list.rows();
    const auto found = std::find_if(rows.begin(), rows.end(), matches);
    return found == rows.end() ? -1 : int(found - rows.begin());
}

}  // namespace

bool isNationalBankAccount(const QString& text) {
    static const std::array<QString, 4> accounts{
        QStringLiteral("10030305"), QStringLiteral("10040315"), QStringLiteral("10050318"),
        QStringLiteral("10060323")};
    return std::find(accounts.begin(), accounts.end(), text) != accounts.end();
}

QString entryBankCode(const QString& iban) {
    const QString bankCode = bankCodeOf(iban);
    if (bankCode != kTreasury)
        return bankCode;
    const QChar unitEnd = iban.size() > 10 ? iban[10] : QChar();
    return unitEnd >= QLatin1Char('0') && unitEnd <= QLatin1Char('9') ? treasuryUnitOf(iban)
                                                                      : bankCode;
}

std::optional<BankLabels> lookUpBank(const ReferenceList& Banci1, const QString& iban,
                                     const QString& branch) {
    const QString code = entryBankCode(iban);
    // A 7-character code is a treasury unit, compared with the first 7
    // characters of a row; otherwise the first 4 (a shorter code, from an IBAN
    // too short to hold one, matches nothing).
    // The list's index answers as a walk from its first row would.
    const int row = Banci1.firstRowBeginning(code, code.size() == 7 ? 7 : 4);
    if (row < 0)
        return std::nullopt;

    const QString item = Banci1.row(row);
    BankLabels labels;
    labels.row = row;
    labels.bic = bankCodeOf(iban) == kTreasury ? QStringLiteral("TREZROBU") : item.left(8);
    // The name after "--": from character 10 after a treasury unit, from
    // character 11 after a BIC.
    const QString name = rowText(RowShape::Bank, item);
    labels.bank = branch.isEmpty() ? name : branch + QStringLiteral(" - ") + name;
    return labels;
}

BankLabels nationalBankLabels() {
    return {QLatin1String(kNationalBankBic), QLatin1String(kNationalBankName), -1};
}

BankLabels beneficiaryBankLabels(const ReferenceList& Banci1, const QString& iban,
                                 const QString& branch) {
    if (isNationalBankAccount(iban))
        return nationalBankLabels();
    if (iban.isEmpty())
        return {};
    return lookUpBank(Banci1, iban, branch).value_or(BankLabels{});
}

QString summaryBankName(const ReferenceList& Banci1, const QString& iban, int* row) {
    const QString bankCode = bankCodeOf(iban);
    const QString unit = treasuryUnitOf(iban);
    const int found = firstRow(Banci1, [&](const QString& item) {
        const QString code = rowCode(RowShape::Bank, item);
        return code.startsWith(kTreasury) ? code == unit : item.left(4) == bankCode;
    });
    if (row)
        *row = found;
    if (found < 0)
        return QString();
    return rowText(RowShape::Bank, Banci1.row(found)).left(kSummaryBankNameWidth);
}

}  // namespace tavo::beneficiary
