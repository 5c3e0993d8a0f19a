#include "beneficiary/bank_lookup.h"

#include <gtest/gtest.h>

using namespace tavo::beneficiary;

namespace {

// A bank list of the test's own, in the shipped list's order: banks (sorted
// by BIC, TREZROBU among them) before the treasury units.
const ReferenceList& banks() {
    static const ReferenceList list(RowShape::Bank, {
                                                        "BTRLRO22--BANCA TRANSILVANIA",
                                                        "BUCUROBU--ALPHA BANK",
                                                        "BUCUROB2--ALPHA BANK, A DOUA",
                                                        "TREZROBU--TREZORERIA STATULUI",
                                                        "TREZ700--Trezorerie operativa "
                                                        "Municipiul Bucuresti",
                                                        "TREZ706--Trezorerie operativa Sector 6",
                                                    });
    return list;
}

}  // namespace

// The rows found in a list of the test's own; the labels of the shipped list,
// branch texts included, are in tests/e2e/calc-bank-lookup.case and the text images.
TEST(EntryBankLookup, FindsTheFirstRowOfTheCodeAndItsLabels) {
    struct Case {
        QString iban;
        bool found;
        QString bic, bank;
        int row;
    };
    const std::vector<Case> cases{
        // A bank code: the row's BIC and the name after "--"; the first of two rows.
        {"RO66BUCU0000001234567890", true, "BUCUROBU", "ALPHA BANK", 1},
        {"RO24TREZ706650101XXXXXXX", true, "TREZROBU", "Trezorerie operativa Sector 6", 5},
        // An IBAN that ends after "TREZ": the 4-character code finds TREZROBU.
        {"RO24TREZ", true, "TREZROBU", "TREZORERIA STATULUI", 3},
        // Too short to hold a bank code.
        {"RO66BU", false, "", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        const auto labels = lookUpBank(banks(), c.iban, QString());
        ASSERT_EQ(labels.has_value(), c.found);
        if (!labels)
            continue;
        EXPECT_EQ(labels->bic, c.bic);
        EXPECT_EQ(labels->bank, c.bank);
        EXPECT_EQ(labels->row, c.row);
    }
}

TEST(EntryBankLookup, BankCodeIsSevenCharactersOnlyForATreasuryUnit) {
    EXPECT_EQ(entryBankCode("RO66BUCU0000001234567890"), "BUCU");
    EXPECT_EQ(entryBankCode("RO24TREZ999650101XXXXXXX"), "TREZ999");
    EXPECT_EQ(entryBankCode("RO24TREZ99X650101XXXXXXX"), "TREZ");
    EXPECT_EQ(entryBankCode("RO24TREZ99"), "TREZ");
}

// The four accounts themselves are in tests/e2e/calc-bank-lookup.case; a
// branch text is not put before the National Bank's name.
TEST(BeneficiaryBankLabels, NationalBankAccountsAreNamedWithoutTheList) {
    const BankLabels labels = beneficiaryBankLabels(banks(), "10040315", "Sucursala");
    EXPECT_EQ(labels.bic, "NBORROBP");
    EXPECT_EQ(labels.bank, "BANCA NATIONALA A ROMANIEI");
    EXPECT_EQ(labels.row, -1);
    EXPECT_FALSE(isNationalBankAccount("10040316"));
    EXPECT_FALSE(isNationalBankAccount("RO10040315"));
}

// The rows found (the summary keeps the last one); the names of the shipped
// list, cut to 53 characters, are in tests/e2e/summary-bank-column.case.
TEST(SummaryBankLookup, MatchesBankCodesByFourCharactersAndUnitsWhole) {
    struct Case {
        QString iban, name;
        int row;
    };
    const std::vector<Case> cases{
        {"RO66BUCU0000001234567890", "ALPHA BANK", 1},
        {"RO24TREZ706650101XXXXXXX", "Trezorerie operativa Sector 6", 5},
        {"RO24TREZ70A650101XXXXXXX", "", -1},
        // The summaries do not know the National Bank accounts.
        {"10040315", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        int row = 99;
        EXPECT_EQ(summaryBankName(banks(), c.iban, &row), c.name);
        EXPECT_EQ(row, c.row);
    }
}
