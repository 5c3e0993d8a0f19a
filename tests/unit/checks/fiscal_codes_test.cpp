#include <gtest/gtest.h>

#include "checks/fiscal_codes.h"

using tavo::checks::verif_CIF;
using tavo::checks::verif_CNP;

namespace {

struct CodeCase {
    const char* code;
    bool cnp;
    bool cif;
};

// Both checks on the same text (a caller accepts a code when either passes),
// for codes tests/e2e/calc-fiscal-codes.case does not try.
TEST(FiscalCodes, BothChecksOnEachCode) {
    const CodeCase cases[] = {
        {"1800101225010", true, false},  // S 110, R 0
        {"1800101225011", false, false},
        {"310", false, true},  // S 11, R 0
        {"311", false, false},
        {"19", false, true},  // S 2, R 9
        {"18", false, false},
        {"1800101 20011", false, false},
    };
    for (const CodeCase& c : cases) {
        const QString code = QString::fromUtf8(c.code);
        EXPECT_EQ(verif_CNP(code), c.cnp) << c.code;
        EXPECT_EQ(verif_CIF(code), c.cif) << c.code;
    }
}

// A personal code with a possible birth date passes with exactly one control
// digit, one with an impossible date with none; the dates the calc cases try
// (with their right control digit) are not repeated.
TEST(FiscalCodes, BirthDateOfPersonalCode) {
    struct DateCase {
        const char* firstTwelve;  // sex digit, YYMMDD, five more digits
        bool possible;
    };
    const DateCase cases[] = {
        {"180043012345", true},   // 30 April
        {"190022912345", false},  // 29 February, YY 90
        {"999999912345", true},   // first digit 9: any date
    };
    for (const DateCase& c : cases) {
        int passing = 0;
        for (char control = '0'; control <= '9'; ++control)
            passing += verif_CNP(QLatin1String(c.firstTwelve) + QLatin1Char(control));
        EXPECT_EQ(passing, c.possible ? 1 : 0) << c.firstTwelve;
    }
}

}  // namespace
