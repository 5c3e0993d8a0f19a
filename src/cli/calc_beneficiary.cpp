#include "beneficiary/iban.h"
#include "beneficiary/registration_number.h"
#include "cli/calc.h"

namespace tavo::cli {

void addBeneficiaryOperations(CalcTable& table) {
    using namespace tavo::beneficiary;
    table[QStringLiteral("mod97")] = textOperation(mod97);
    table[QStringLiteral("IBAN_110")] = textOperation(IBAN_110);
    table[QStringLiteral("ver_IBAN")] = {
        1, [](const QStringList& a, CalcEnv&) {
            const IbanCheck check = ver_IBAN(a[0]);
            return QStringList{yesNo(check.corect) + ' ' + check.text + ' ' +
                               check.cifre_control_IBAN.value_or(QString())};
        }};
    table[QStringLiteral("nr_evidenta")] = yesNoOperation(isRegistrationNumber);
}

}  // namespace tavo::cli
