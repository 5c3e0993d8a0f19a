#include "cli/calc.h"

namespace tavo::cli {

void addBeneficiaryOperations(CalcTable& /*table*/) {}

}  // namespace tavo::cli
