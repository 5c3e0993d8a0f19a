#include <gtest/gtest.h>

#include "checks/fiscal_codes.h"

using tavo::checks::verif_CIF;
using tavo::checks::verif_CNP;

// Both checks on the same text (a caller accepts a code when either passes),
// for codes tests/e2e/calc-fiscal-codes.case does not try.
TEST(FiscalCodes, BothChecksOnEachCode) {
    const struct {
        const char* code;
        bool cnp;
        bool cif;
    } cases[] = {
        {"1800101225010", true, false},  // S 110, R 0
        {"1800430123455", true, false},  // born on 30 April
        {"310", false, true},            // S 11, R 0
        {"19", false, true},             // S 2, R 9
        {"1800101 20011", false, false},
    };
    for (const auto& c : cases) {
        const QString code = QString::fromUtf8(c.code);
        EXPECT_EQ(verif_CNP(code), c.cnp) << c.code;
        EXPECT_EQ(verif_CIF(code), c.cif) << c.code;
    }
}
