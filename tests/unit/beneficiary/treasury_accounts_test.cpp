#include "beneficiary/treasury_accounts.h"

#include <gtest/gtest.h>

using namespace tavo::beneficiary;

namespace {

// The ISO 13616 check digits of a Romanian IBAN, worked out here on their own
// (with a big-number-free remainder) to check the account parts the rules give.
QString ibanOf(const QString& accountPart) {
    const QString account = accountPart.leftJustified(16, 'X');
    int remainder = 0;
    for (const QChar c : QString("TREZ" + account + "RO00")) {
        const int value = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        remainder = (remainder * (value > 9 ? 100 : 10) + value) % 97;
    }
    return QString("RO%1TREZ%2").arg(98 - remainder, 2, 10, QChar('0')).arg(account);
}

const QString rowTrez700 = "TREZ700--Trezorerie operativa Municipiul Bucuresti";
const QString rowTrez004 = "TREZ004--Trezorerie operativa Municipiul Aiud";
const QString rowTrez706 = "TREZ706--Trezorerie operativa Sector 6";

}  // namespace

TEST(TreasuryAccountPart, UnitCodeAndAccountCodeWithTheSpecialCodes) {
    struct Case {
        QString unitRow, code;
        std::optional<QString> account;
    };
    const std::vector<Case> cases{
        {rowTrez700, "20A100101X", "70020A100101XTVA"},
        {rowTrez004, "20A100102X", "00420A100102XTVA"},
        {rowTrez004, " 20A100101X ", "00420A100101XTVA"},  // trimmed before the test
        {rowTrez700, "500401XXXX", "700500401XXXX"},
        {rowTrez004, "500401XXXX", std::nullopt},
        {"TREZ999--Trezoreria operativa centrala", "500401XXXX", std::nullopt},
        {rowTrez004, "502211XXXXTVA", "004502211XXXXTVA"},
        {rowTrez004, "5503      ", "0045503"},
        {rowTrez706, "20A032300XX", "70620A032300XX"},
        {rowTrez004, "51161009XX", "00451161009XX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.unitRow.left(7) + " " + c.code).toStdString());
        EXPECT_EQ(treasuryAccountPart(c.unitRow, c.code), c.account);
    }
}

TEST(TreasuryAccountPart, VatAccountsFillTheWholeAccountWithoutX) {
    const auto account = treasuryAccountPart(rowTrez700, "20A100101X");
    ASSERT_TRUE(account);
    EXPECT_EQ(account->size(), 16);
    EXPECT_EQ(ibanOf(*account).right(16), "70020A100101XTVA");
}

TEST(ListedAtUnit, BudgetLettersIAndJGoToTheirOwnUnits) {
    const QString rowA = "20A010100XX--Impozit pe profit";
    const QString rowI = "20I429401XX--Fonduri din imprumut rambursabil";
    const QString rowJ = "80J980000XX--Excedent";
    const QString rowFourDigits = "8101A980400--Excedent";
    struct Case {
        QString unit;
        bool listsI, listsJ;
    };
    const std::vector<Case> cases{
        {rowTrez706, true, false},
        {rowTrez700, false, true},
        {rowTrez004, false, false},
        {"TREZ999--Trezoreria operativa centrala", false, false},
    };
    std::vector<Case> all = cases;
    for (const char* unit :
         {"TREZ131", "TREZ216", "TREZ291", "TREZ306", "TREZ406", "TREZ521", "TREZ621"}) {
        all.push_back({QString(unit) + "--Unitate", false, true});
    }
    for (const Case& c : all) {
        SCOPED_TRACE(c.unit.toStdString());
        EXPECT_EQ(listedAtUnit(c.unit, rowI), c.listsI);
        EXPECT_EQ(listedAtUnit(c.unit, rowJ), c.listsJ);
        EXPECT_TRUE(listedAtUnit(c.unit, rowA));
        EXPECT_TRUE(listedAtUnit(c.unit, rowFourDigits));
        EXPECT_TRUE(listedAtUnit(c.unit, "502211XXXXTVA--Split"));
    }
}

TEST(ListedAtUnit, RowsListedKeepTheirOrder) {
    const ReferenceList list(
        RowShape::NewClassification,
        {"20A010100XX--A", "20I429401XX--I", "20J000000XX--J", "21F000000XX--F", "80J980000XX--J"});
    EXPECT_EQ(rowsListedAtUnit(list, rowTrez706), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(rowsListedAtUnit(list, rowTrez700), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(rowsListedAtUnit(list, rowTrez004), (std::vector<int>{0, 3}));
}

TEST(CentralTreasury, TwoFixedAccountsInsteadOfTheRows) {
    EXPECT_TRUE(isCentralTreasury("TREZ999--Trezoreria operativa centrala"));
    EXPECT_FALSE(isCentralTreasury(rowTrez700));
    const auto& lines = centralTreasuryLines();
    EXPECT_EQ(ibanOf(lines[0].accountPart), "RO24TREZ999650101XXXXXXX");
    EXPECT_EQ(ibanOf(lines[1].accountPart), "RO48TREZ999650102XXXXXXX");
    EXPECT_EQ(lines[0].suffix,
              " - Decontari in contul Trezoreriei Centrale-operatiuni proprii virament");
    EXPECT_EQ(lines[1].suffix, " - Decontari in contul Trezoreriei Centrale-operatiuni cu numerar");
}
