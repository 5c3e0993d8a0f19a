#include "checks/commitment.h"

namespace tavo::checks {

bool isSpecialCommitmentCode(const QString& code) {
    return code == QLatin1String("ZZZZZZZZZZZ") || code == QLatin1String("YYYYYYYYYYY") ||
           code == QLatin1String("ERRRRRRRRRR");
}

bool isTitle10Expenditure(const QString& payerIban) {
    if (payerIban.size() != 24)
        return false;
    const QChar eleventh = payerIban.at(10);
    if (eleventh >= QLatin1Char('0') && eleventh <= QLatin1Char('9'))
        return false;
    const QString accountClass = payerIban.mid(8, 2);
    const bool budgetClass =
        accountClass == QLatin1String("23") || accountClass == QLatin1String("24") ||
        accountClass == QLatin1String("25") || accountClass == QLatin1String("27") ||
        accountClass == QLatin1String("29");
    return budgetClass && payerIban.mid(17, 2) == QLatin1String("10");
}

QString verif_angajament(const QString& payerIban, const QString& code, const QString& indicator) {
    if (payerIban.size() != 24 || code.isEmpty())
        return {};
    const bool special = isSpecialCommitmentCode(code);
    if (!special && indicator.isEmpty() && !isTitle10Expenditure(payerIban))
        return QStringLiteral(
            "Indicator angajament obligatoriu de completat daca s-a completat Codul Angajament si "
            "nu am cheltuiala cu titlu 10 !!! ");
    if (special && !indicator.isEmpty())
        return QStringLiteral(
            "Indicator angajament nu se completeaza daca s-a completat Codul Angajament cu "
            "ZZZZZZZZZZZ sau YYYYYYYYYYY sau ERRRRRRRRRR");
    return {};
}

}  // namespace tavo::checks
