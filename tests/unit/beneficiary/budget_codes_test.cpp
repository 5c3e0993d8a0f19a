#include <gtest/gtest.h>

#include "beneficiary/budget_names.h"
#include "beneficiary/registration_number.h"
#include "beneficiary/treasury_accounts.h"

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

// Besides the sums of tests/e2e/calc-registration-number.case.
TEST(ControlNrEvidenta, TwoDigitsFromTheDigitSum) {
    struct Case {
        const char* first21;
        const char* control;
    } cases[] = {
        {"900000000000000000000", "09"},    // sum 9
        {"910000000000000000000", "10"},    // sum 10
        {"999999999991000000000", "00"},    // sum 100
        {"999999999999999999999", "89"},    // sum 189, the largest
        {"22910010000150323000099", "29"},  // characters after 21 do not count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkRegistrationNumber(QString::fromLatin1(c.first21)),
                  QString::fromLatin1(c.control))
            << c.first21;
    }
}

// Besides the numbers of tests/e2e/calc-registration-number.case.
TEST(TestNrEvidenta, BlanksAreNotDigits) {
    EXPECT_FALSE(
        isRegistrationNumber(QStringLiteral("2040001000000000000007 ")));  // "7 " is not "07"
    EXPECT_FALSE(isRegistrationNumber(QStringLiteral(" 2910010000150323000027")));
}

// Codes of every budget; those of the assistant's cases in tests/e2e are not repeated.
TEST(BudgetNames, BothColumns) {
    struct Case {
        const char* code;
        const char* formIban;
        const char* formNrevid;
    } cases[] = {
        {"20350101XX", "BUGETUL DE STAT", "BUGETUL DE STAT"},
        {"22350301XX", "BUGETELE ASIG.SOC. SI FD.SPEC.", "BUGETELE ASIG.SOC. SI FD.SPEC."},
        {"26A330000", "BUGETUL ASIG.SOC.DE SANATATE", "BUGETUL ASIG.SOC.DE SANATATE"},
        {"28A320000", "BUGETUL ASIG.DE SOMAJ", "BUGETUL ASIG.DE SOMAJ"},
        {"51161008XX", "VEN.PROPRII MIN.SAN.PUBLICE12", "VEN.PROPRII MIN.SAN.PUBLICE"},
        {"21A000000", "", ""},
        {"02", "", ""},  // read as a number: 2
    };
    for (const auto& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(beneficiaryName(code, NameColumn::Form_IBAN), QString::fromLatin1(c.formIban))
            << c.code;
        EXPECT_EQ(beneficiaryName(code, NameColumn::Form_NREVID), QString::fromLatin1(c.formNrevid))
            << c.code;
    }
}

// The names of state-budget and environment-fund IBANs are in the assistant's
// cases of tests/e2e; characters 12-13 of a central treasury IBAN are "65": no name.
TEST(BudgetNames, ReadFromIbanCharacters12To19) {
    EXPECT_EQ(
        beneficiaryNameOfIban(QStringLiteral("RO24TREZ999650101XXXXXXX"), NameColumn::Form_NREVID),
        QString());
}
