#include "cli/calc.h"
#include "text/cleaners.h"

namespace tavo::cli {

void addPrintingOperations(CalcTable& table) {
    using namespace tavo::text;
    table[QStringLiteral("curatare_camp")] = textOperation(curatare_camp);
    table[QStringLiteral("inlocuire_CB")] = textOperation(inlocuire_CB);
    table[QStringLiteral("filtru_CB")] = textOperation(filtru_CB);
}

}  // namespace tavo::cli
