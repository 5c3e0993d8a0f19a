#include "beneficiary/iban.h"
#include "beneficiary/registration_number.h"
#include "cli/calc.h"

namespace tavo::cli {

void addBeneficiaryOperations(CalcTable& table) {
    using namespace tavo::beneficiary;
    table[QStringLiteral("mod97")] = {
        1, [](const QStringList& a, CalcEnv&) { return QStringList{mod97(a[0])}; }};
    table[QStringLiteral("IBAN_110")] = {
        1, [](const QStringList& a, CalcEnv&) { return QStringList{IBAN_110(a[0])}; }};
    table[QStringLiteral("ver_IBAN")] = {
        1, [](const QStringList& a, CalcEnv& env) {
            QString field = a[0];
            const bool corect = ver_IBAN(field, env.state);
            return QStringList{yesNo(corect) + ' ' + field + ' ' + env.state.cifre_control_IBAN};
        }};
    table[QStringLiteral("nr_evidenta")] = {1, [](const QStringList& a, CalcEnv&) {
                                                return QStringList{yesNo(test_nr_evidenta(a[0]))};
                                            }};
}

}  // namespace tavo::cli
