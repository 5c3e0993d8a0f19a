#include "beneficiary/budget_names.h"

#include "text/text_helpers.h"

namespace tavo::beneficiary {

QString beneficiaryName(const QString& accountCode, NameColumn column) {
    const bool nrevid = column == NameColumn::Form_NREVID;
    switch (text::numericValue(accountCode.left(2))) {
        case 20:
            return QStringLiteral("BUGETUL DE STAT");
        case 22:
            return kSocialInsuranceBudgets;
        case 26:
            return QStringLiteral("BUGETUL ASIG.SOC.DE SANATATE");
        case 28:
            return QStringLiteral("BUGETUL ASIG.DE SOMAJ");
        case 51:
            // 51161009: the environment stamp account.
            if (accountCode.mid(2, 6) == QLatin1String("161009")) {
                return QStringLiteral("FONDUL PENTRU MEDIU");
            }
            return nrevid ? QStringLiteral("VEN.PROPRII MIN.SAN.PUBLICE")
                          : QStringLiteral("VEN.PROPRII MIN.SAN.PUBLICE12");
        case 55:
            return nrevid ? kSocialInsuranceBudgets : QString();
        default:
            return QString();
    }
}

QString beneficiaryNameOfIban(const QString& iban, NameColumn column) {
    return beneficiaryName(iban.mid(11), column);
}

}  // namespace tavo::beneficiary
