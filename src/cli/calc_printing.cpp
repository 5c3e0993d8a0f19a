#include "cli/calc.h"

namespace tavo::cli {

void addPrintingOperations(CalcTable& /*table*/) {}

}  // namespace tavo::cli
