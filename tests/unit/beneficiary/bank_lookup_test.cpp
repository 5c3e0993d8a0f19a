#include "beneficiary/bank_lookup.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli/calc.h"
#include "ui/scripted_ui.h"

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

TEST(EntryBankLookup, FindsTheFirstRowOfTheCodeAndItsLabels) {
    struct Case {
        QString iban, branch;
        bool found;
        QString bic, bank;
        int row;
    };
    const std::vector<Case> cases{
        // A bank code: the row's BIC and the name after "--"; the first of two rows.
        {"RO66BUCU0000001234567890", "", true, "BUCUROBU", "ALPHA BANK", 1},
        {"RO66BTRL0000001234567890", "", true, "BTRLRO22", "BANCA TRANSILVANIA", 0},
        // A treasury unit: the BIC is always TREZROBU.
        {"RO24TREZ706650101XXXXXXX", "", true, "TREZROBU", "Trezorerie operativa Sector 6", 5},
        // "TREZ" with a letter at character 11: the 4-character code finds TREZROBU.
        {"RO24TREZ70A650101XXXXXXX", "", true, "TREZROBU", "TREZORERIA STATULUI", 3},
        {"RO24TREZ", "", true, "TREZROBU", "TREZORERIA STATULUI", 3},
        // The branch text stands before the name.
        {"RO66BUCU0000001234567890", "Sucursala Unirii", true, "BUCUROBU",
         "Sucursala Unirii - ALPHA BANK", 1},
        {"RO24TREZ700650101XXXXXXX", "Ghiseul 3", true, "TREZROBU",
         "Ghiseul 3 - Trezorerie operativa Municipiul Bucuresti", 4},
        // Not found: an unknown bank, a unit missing from the list, an IBAN too
        // short to hold a bank code.
        {"RO66RZBR0000001234567890", "", false, "", "", -1},
        {"RO24TREZ123650101XXXXXXX", "", false, "", "", -1},
        {"RO66BU", "", false, "", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        const auto labels = lookUpBank(banks(), c.iban, c.branch);
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

TEST(BeneficiaryBankLabels, NationalBankAccountsAreNamedWithoutTheList) {
    for (const char* account : {"10030305", "10040315", "10050318", "10060323"}) {
        const BankLabels labels = beneficiaryBankLabels(banks(), account, "Sucursala");
        EXPECT_EQ(labels.bic, "NBORROBP") << account;
        EXPECT_EQ(labels.bank, "BANCA NATIONALA A ROMANIEI") << account;
        EXPECT_EQ(labels.row, -1);
    }
    EXPECT_FALSE(isNationalBankAccount("10040316"));
    EXPECT_FALSE(isNationalBankAccount("RO10040315"));
    // Not found or empty: both labels empty.
    for (const char* iban : {"", "RO66RZBR0000001234567890"}) {
        const BankLabels labels = beneficiaryBankLabels(banks(), iban, "");
        EXPECT_EQ(labels.bic, "");
        EXPECT_EQ(labels.bank, "");
    }
}

TEST(SummaryBankLookup, MatchesBankCodesByFourCharactersAndUnitsWhole) {
    struct Case {
        QString iban, name;
        int row;
    };
    const std::vector<Case> cases{
        {"RO66BUCU0000001234567890", "ALPHA BANK", 1},
        {"RO24TREZ706650101XXXXXXX", "Trezorerie operativa Sector 6", 5},
        // TREZROBU is a treasury code of 8 characters: it never equals a unit,
        // so a treasury IBAN with a letter at character 11 has no bank name.
        {"RO24TREZ70A650101XXXXXXX", "", -1},
        {"RO24TREZ123650101XXXXXXX", "", -1},
        {"RO66RZBR0000001234567890", "", -1},
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

TEST(SummaryBankLookup, NameIsCutTo53Characters) {
    const QString longName(60, 'N');
    const ReferenceList list(RowShape::Bank, {"ABCDROBU--" + longName});
    EXPECT_EQ(summaryBankName(list, "RO12ABCD0000000000000000"), longName.left(53));
}

TEST(CalcBanca, PrintsTheBeneficiaryLabelsFromTheShippedList) {
    QTemporaryDir dir;
    QStringList shown;
    tavo::ScriptedUi ui(QDir(dir.path()), QDir(dir.path()),
                        [&](const QString& line) { shown << line; });
    tavo::ProgramState state;
    tavo::cli::CalcEnv env{ui, state, QDir(dir.path())};
    const auto& banca = tavo::cli::calcTable().at("banca");
    EXPECT_EQ(banca.run({"RO49BUCU1234567890123456"}, env),
              QStringList({"BUCUROBU", "ALPHA BANK"}));
    EXPECT_EQ(banca.run({"RO24TREZ700650101XXXXXXX"}, env),
              QStringList({"TREZROBU", "Trezorerie operativa Municipiul Bucuresti"}));
    EXPECT_EQ(banca.run({"10060323"}, env),
              QStringList({"NBORROBP", "BANCA NATIONALA A ROMANIEI"}));
    EXPECT_EQ(banca.run({"RO49QQQQ1234567890123456"}, env), QStringList({"", ""}));
    EXPECT_TRUE(shown.isEmpty());
}
