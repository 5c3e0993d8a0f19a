#include "cli/calc.h"

namespace tavo::cli {

void addChecksOperations(CalcTable& /*table*/) {}

}  // namespace tavo::cli
