#include "cli/calc.h"
#include "printing/cleaners.h"

namespace tavo::cli {

void addPrintingOperations(CalcTable& table) {
    using namespace tavo::printing;
    table[QStringLiteral("curatare_camp")] = {
        1, [](const QStringList& a, CalcEnv&) { return QStringList{curatare_camp(a[0])}; }};
    table[QStringLiteral("inlocuire_CB")] = {
        1, [](const QStringList& a, CalcEnv&) { return QStringList{inlocuire_CB(a[0])}; }};
    table[QStringLiteral("filtru_CB")] = {
        1, [](const QStringList& a, CalcEnv&) { return QStringList{filtru_CB(a[0])}; }};
}

}  // namespace tavo::cli
