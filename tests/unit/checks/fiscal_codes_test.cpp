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

// Both checks on the same text: a caller accepts a code when either passes.
TEST(FiscalCodes, BothChecksOnEachCode) {
    const CodeCase cases[] = {
        {"1800101225010", true, false},  // S 110, R 0
        {"1800101225011", false, false},
        {"0001234565", false, true},    // 1234565 typed with its zeros
        {"00001234565", false, false},  // 11 characters
        {"1234591", false, false},
        {"310", false, true},  // S 11, R 0
        {"311", false, false},
        {"19", false, true},  // S 2, R 9
        {"18", false, false},
        {" 1234565", false, false},  // blanks are not trimmed
        {"1234565 ", false, false},
        {"RO1234565", false, false},  // no prefix removal
        {"180010122001a", false, false},
        {"1800101 20011", false, false},
        {" 1800101220011", false, false},
        {"18001012200111", false, false},  // 14 digits
        {"180010122001", false, false},    // 12 digits
        {"\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xef\xbc\x94\xef\xbc\x95\xef\xbc\x96\xef\xbc\x95",
         false, false},  // full-width digits are not digits
    };
    for (const CodeCase& c : cases) {
        const QString code = QString::fromUtf8(c.code);
        EXPECT_EQ(verif_CNP(code), c.cnp) << c.code;
        EXPECT_EQ(verif_CIF(code), c.cif) << c.code;
    }
}

// A personal code with a birth date that cannot exist fails whatever its
// control digit; one with a possible date passes with exactly one control digit.
TEST(FiscalCodes, BirthDateOfPersonalCode) {
    struct DateCase {
        const char* firstTwelve;  // sex digit, YYMMDD, five more digits
        bool possible;
    };
    const DateCase cases[] = {
        {"180010112345", true},  {"180123112345", true},   // 31 January
        {"180000112345", false}, {"180130112345", false},  // month 00, 13
        {"180010012345", false}, {"180013212345", false},  // day 00, 32
        {"180123112345", true},  {"180043112345", false},  // 31 April
        {"180063112345", false}, {"180093112345", false},  // 31 June, September
        {"180113112345", false}, {"180043012345", true},   // 31 November, 30 April
        {"180123112345", true},  {"180023012345", false},  // 31 December, 30 February
        {"184022912345", true},  {"185022912345", false},  // 29 February, YY 84 / 85
        {"100022912345", true},  {"500022912345", true},   // YY 00 counts as leap
        {"185022812345", true},  {"190022912345", false},  // 28 February; YY 90
        {"900130012345", true},  {"999999912345", true},   // first digit 9: any date
    };
    for (const DateCase& c : cases) {
        int passing = 0;
        for (char control = '0'; control <= '9'; ++control)
            passing += verif_CNP(QLatin1String(c.firstTwelve) + QLatin1Char(control));
        EXPECT_EQ(passing, c.possible ? 1 : 0) << c.firstTwelve;
    }
}

}  // namespace
