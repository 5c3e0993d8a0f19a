#include "beneficiary/iban.h"
#include "beneficiary/registration_number.h"
#include "cli/calc.h"

namespace tavo::cli {

void addBeneficiaryOperations(CalcTable& table) {
    using namespace tavo::beneficiary;
    table[QStringLiteral("mod97")] = textOperation(mod97);
    table[QStringLiteral("IBAN_110")] = textOperation(IBAN_110);
    table[QStringLiteral("ver_IBAN")] = {
        1, [](const QStringList& a, CalcEnv& env) {
            QString field = a[0];
            const bool corect = ver_IBAN(field, env.state);
            return QStringList{yesNo(corect) + ' ' + field + ' ' + env.state.cifre_control_IBAN};
        }};
    table[QStringLiteral("nr_evidenta")] = yesNoOperation(isRegistrationNumber);
}

}  // namespace tavo::cli
