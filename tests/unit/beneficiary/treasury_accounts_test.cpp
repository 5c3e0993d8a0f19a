#include "beneficiary/treasury_accounts.h"

#include <gtest/gtest.h>

using namespace tavo::beneficiary;

// The accounts of the units and lists in tests/e2e (the beneficiary assistant's
// cases and IBAN lists) are not repeated here.
TEST(TreasuryAccountPart, UnitCodeAndAccountCodeWithTheSpecialCodes) {
    const QString rowTrez700 = "TREZ700--Trezorerie operativa Municipiul Bucuresti";
    struct Case {
        QString unitRow, code;
        std::optional<QString> account;
    };
    const std::vector<Case> cases{
        {"TREZ004--Trezorerie operativa Municipiul Aiud", " 20A100101X ",
         "00420A100101XTVA"},  // trimmed before the test
        {rowTrez700, "500401XXXX", "700500401XXXX"},
        {"TREZ999--Trezoreria operativa centrala", "500401XXXX", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.unitRow.left(7) + " " + c.code).toStdString());
        EXPECT_EQ(treasuryAccountPart(c.unitRow, c.code), c.account);
    }
}

// Letter J is kept by eight units; TREZ700 and TREZ131 are in
// tests/e2e/assistant-iban-lists.case with the units of letter I and of neither.
TEST(ListedAtUnit, BudgetLetterJGoesToItsOwnUnits) {
    const QString rowI = "20I429401XX--Fonduri din imprumut rambursabil";
    const QString rowJ = "80J980000XX--Excedent";
    for (const char* unit : {"TREZ216", "TREZ291", "TREZ306", "TREZ406", "TREZ521", "TREZ621"}) {
        const QString unitRow = QString(unit) + "--Unitate";
        EXPECT_FALSE(listedAtUnit(unitRow, rowI)) << unit;
        EXPECT_TRUE(listedAtUnit(unitRow, rowJ)) << unit;
        EXPECT_TRUE(listedAtUnit(unitRow, "20A010100XX--Impozit pe profit")) << unit;
    }
}
