#include "beneficiary/bank_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tavo::beneficiary;

namespace {

// The row the look-up must find: the first one, walking from the top, whose
// first 7 (treasury unit) or 4 characters are the IBAN's code.
int walkedRow(const ReferenceList& list, const QString& iban) {
    const QString code = entryBankCode(iban);
    const int compared = code.size() == 7 ? 7 : 4;
    const QStringList& rows = list.rows();
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const QString& row) {
        return QStringView(row).left(compared) == code;
    });
    return found == rows.end() ? -1 : int(found - rows.begin());
}

// IBANs built from every row's code, each also in lower case and cut short,
// and IBANs of no listed bank.
QStringList ibansOf(const ReferenceList& list) {
    QStringList ibans{"",
                      "RO",
                      "RO49",
                      "RO49ZZZZ0000001234567890",
                      "RO49TREZ999650101XXXXXXX",
                      "RO49TREZ13X650101XXXXXXX",
                      "RO49TREZ13",
                      "10040315"};
    for (const QString& row : list.rows()) {
        const QString code = rowCode(RowShape::Bank, row);
        const QString iban = QStringLiteral("RO49") + code.left(code.startsWith("TREZ") ? 7 : 4) +
                             QStringLiteral("5069XXX0000012");
        for (const QString& whole : {iban, iban.toLower()}) {
            for (int length = 4; length <= 12; ++length) ibans.append(whole.left(length));
            ibans.append(whole);
        }
    }
    return ibans;
}

// A list with what a user's file could hold: a code twice, a row shorter than
// a code, a unit before the bank of the same four characters.
const ReferenceList& awkwardBanks() {
    static const ReferenceList list(RowShape::Bank, {
                                                        "TREZ131--Trezorerie Brasov",
                                                        "BUCUROB2--ALPHA BANK, A DOUA",
                                                        "BUC",
                                                        "BUCUROBU--ALPHA BANK",
                                                        "TREZROBU--TREZORERIA STATULUI",
                                                        "TREZ131--Trezorerie Brasov, a doua",
                                                        "",
                                                    });
    return list;
}

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

// The indexed look-up answers as the walk from the first row, with the labels
// of the row the walk finds, for every row of the shipped list and of lists
// with repeated and short rows.
TEST(EntryBankLookup, IndexFindsTheRowAWalkFinds) {
    const ReferenceList shipped = builtInLists().Form_IBAN.Banci1;
    ASSERT_GT(shipped.count(), 100);
    for (const ReferenceList* list : {&shipped, &awkwardBanks(), &banks()}) {
        for (const QString& iban : ibansOf(*list)) {
            SCOPED_TRACE(iban.toStdString());
            const int row = walkedRow(*list, iban);
            const auto labels = lookUpBank(*list, iban, QStringLiteral("Sucursala"));
            ASSERT_EQ(labels.has_value(), row >= 0);
            if (!labels)
                continue;
            EXPECT_EQ(labels->row, row);
            // The labels are those of the row alone.
            const ReferenceList alone(RowShape::Bank, {list->row(row)});
            const auto own = lookUpBank(alone, iban, QStringLiteral("Sucursala"));
            ASSERT_TRUE(own.has_value());
            EXPECT_EQ(labels->bic, own->bic);
            EXPECT_EQ(labels->bank, own->bank);
        }
    }
}

// A copy answers from the same rows; a list given other rows forgets the
// answers of the old ones.
TEST(EntryBankLookup, IndexFollowsTheRowsOfTheList) {
    const QString iban = QStringLiteral("RO66BUCU0000001234567890");
    ReferenceList list = awkwardBanks();
    EXPECT_EQ(list.firstRowBeginning(QStringLiteral("BUCU"), 4), 1);
    const ReferenceList copy = list;
    EXPECT_EQ(lookUpBank(copy, iban, QString())->row, 1);
    list = banks();
    EXPECT_EQ(lookUpBank(list, iban, QString())->row, 1);
    EXPECT_EQ(list.firstRowBeginning(QStringLiteral("BUC"), 4), -1);
    list = ReferenceList(RowShape::Bank, {"BUCUROBU--ALPHA BANK"});
    EXPECT_EQ(lookUpBank(list, iban, QString())->row, 0);
    EXPECT_EQ(lookUpBank(copy, iban, QString())->row, 1);
    EXPECT_EQ(copy.firstRowBeginning(QStringLiteral("BUC"), 4), 2);
    EXPECT_EQ(copy.firstRowBeginning(QString(), 4), 6);
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
