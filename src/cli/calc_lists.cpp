#include "beneficiary/bank_lookup.h"
#include "beneficiary/reference_lists.h"
#include "cli/calc.h"

namespace tavo::cli {

void addListOperations(CalcTable& table) {
    // The BIC and bank labels of a beneficiary IBAN with no branch text.
    table[QStringLiteral("banca")] = {1, [](const QStringList& arguments, CalcEnv& env) {
                                          Notices problems;
                                          const auto lists =
                                              beneficiary::loadReferenceLists(env.folder, problems);
                                          showNotices(env.ui, problems);
                                          const auto labels = beneficiary::beneficiaryBankLabels(
                                              lists.Form_IBAN.Banci1, arguments[0], QString());
                                          return QStringList{labels.bic, labels.bank};
                                      }};
}

}  // namespace tavo::cli
