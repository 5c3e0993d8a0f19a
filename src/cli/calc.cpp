#include "cli/calc.h"

namespace tavo::cli {

const CalcTable& calcTable() {
    static const CalcTable table = [] {
        CalcTable t;
        addChecksOperations(t);
        addBeneficiaryOperations(t);
        addPrintingOperations(t);
        addListOperations(t);
        return t;
    }();
    return table;
}

}  // namespace tavo::cli
