#include "beneficiary/treasury_accounts.h"

#include <QStringList>

namespace tavo::beneficiary {
namespace {

// The units whose lists hold the "J" rows (the State Treasury's budget).
bool listsTreasuryBudget(const QString& unit) {
    static const QStringList units{QStringLiteral("TREZ131"), QStringLiteral("TREZ216"),
                                   QStringLiteral("TREZ291"), QStringLiteral("TREZ306"),
                                   QStringLiteral("TREZ406"), QStringLiteral("TREZ521"),
                                   QStringLiteral("TREZ621"), QStringLiteral("TREZ700")};
    return units.contains(unit);
}

// The only unit whose lists hold the "I" rows (the Environment Fund's budget).
bool listsEnvironmentFund(const QString& unit) {
    return unit == QLatin1String("TREZ706");
}

}  // namespace

bool appendsVat(const QString& accountCode) {
    return accountCode == QLatin1String("20A100101X") || accountCode == QLatin1String("20A100102X");
}

std::optional<QString> treasuryAccountPart(const QString& treasuryRow, const QString& accountCode) {
    const QString code = accountCode.trimmed();
    if (code == QLatin1String(kTrez700OnlyAccount) &&
        treasuryUnit(treasuryRow) != QLatin1String(kTrez700)) {
        return std::nullopt;
    }
    QString account = unitCode(treasuryRow) + code;
    if (appendsVat(code))
        account += QStringLiteral("TVA");
    return account;
}

QChar budgetLetter(const QString& obligationRow) {
    return obligationRow.size() > 2 ? obligationRow[2] : QChar();
}

bool listedAtUnit(const QString& treasuryRow, const QString& obligationRow) {
    const QString unit = treasuryUnit(treasuryRow);
    const QChar letter = budgetLetter(obligationRow);
    if (letter == QLatin1Char('I'))
        return listsEnvironmentFund(unit);
    if (letter == QLatin1Char('J'))
        return listsTreasuryBudget(unit);
    return true;
}

std::vector<int> rowsListedAtUnit(const ReferenceList& list, const QString& treasuryRow) {
    std::vector<int> positions;
    for (int i = 0; i < list.count(); ++i) {
        if (listedAtUnit(treasuryRow, list.row(i)))
            positions.push_back(i);
    }
    return positions;
}

bool isCentralTreasury(const QString& treasuryRow) {
    return treasuryUnit(treasuryRow) == QLatin1String("TREZ999");
}

const std::array<FixedAccountLine, 2>& centralTreasuryLines() {
    static const std::array<FixedAccountLine, 2> lines{{
        {QStringLiteral("999650101"),
         QStringLiteral(" - Decontari in contul Trezoreriei Centrale-operatiuni proprii virament")},
        {QStringLiteral("999650102"),
         QStringLiteral(" - Decontari in contul Trezoreriei Centrale-operatiuni cu numerar")},
    }};
    return lines;
}

}  // namespace tavo::beneficiary
