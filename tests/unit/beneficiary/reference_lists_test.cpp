#include "beneficiary/reference_lists.h"

#include <gtest/gtest.h>

#include "../helpers.h"
#include "text/cp1250.h"

using namespace tavo::beneficiary;

namespace {

const ReferenceLists& lists() {
    static const ReferenceLists built = builtInLists();
    return built;
}

QStringList codes(const ReferenceList& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.code(i);
    return out;
}

}  // namespace

// The check of the rows (see CheckRows below) passes on every shipped list.
TEST(BuiltInLists, EveryFileLoadsAndPassesItsCheck) {
    std::vector<FileProblem> problems;
    ReferenceLists built = builtInLists(&problems);
    for (const FileProblem& p : problems) {
        ADD_FAILURE() << p.fileName.toStdString() << " line " << p.rows.front().line << ": "
                      << p.rows.front().what.toStdString();
    }
    for (const ListFile& file : listFiles()) {
        EXPECT_GT(file.list(built).count(), 0) << file.fileName;
        EXPECT_EQ(file.list(built).shape(), file.shape) << file.fileName;
    }
}

// Rows the program looks for by value. The units, banks, obligations and
// texts the cases of tests/e2e use (the assistants, the bank lookup and the
// IBAN lists) are not repeated here.
TEST(BuiltInLists, RowsTheProgramTestsByValueArePresent) {
    const FormIbanLists& f = lists().Form_IBAN;
    const FormNrevidLists& b = lists().Form_NREVID;
    for (const char* unit : {"TREZ131", "TREZ216", "TREZ291", "TREZ306", "TREZ406", "TREZ521",
                             "TREZ621", "TREZ700", "TREZ706", "TREZ999"}) {
        EXPECT_TRUE(codes(f.Benef1).contains(unit)) << unit;
        EXPECT_TRUE(codes(b.Benef1).contains(unit)) << unit;
    }
    bool letterI = false, letterJ = false;
    for (const ReferenceList* part : {&f.oblig1P, &f.oblig2P, &f.oblig3P, &f.oblig4P, &f.oblig5P}) {
        for (const QString& row : part->rows()) {
            letterI = letterI || row[2] == 'I';
            letterJ = letterJ || row[2] == 'J';
        }
    }
    EXPECT_TRUE(letterI);
    EXPECT_TRUE(letterJ);
    QStringList obligations;
    for (int i = 0; i < b.oblig1.count(); ++i) obligations << b.oblig1.obligationCode(i);
    EXPECT_TRUE(obligations.contains("911"));
}

TEST(ListRows, CodeTextAndObligationAreTakenByPosition) {
    struct Case {
        RowShape shape;
        QString row, code, text, obligation;
    };
    const std::vector<Case> cases{
        {RowShape::TreasuryUnit, "TREZ700--Trezorerie operativa", "TREZ700", "Trezorerie operativa",
         ""},
        {RowShape::Bank, "BUCUROBU--ALPHA BANK", "BUCUROBU", "ALPHA BANK", ""},
        {RowShape::Bank, "TREZ706--Sector 6", "TREZ706", "Sector 6", ""},
        {RowShape::NewClassification, "8101A980400--Excedent", "8101A980400", "Excedent", ""},
        {RowShape::NewClassification, "20A0323    --Scurt", "20A0323", "Scurt", ""},
        {RowShape::SplitVat, "502211XXXXTVA--Split", "502211XXXXTVA", "Split", ""},
        {RowShape::OldStateBudget, "20010101XX--Profit", "20010101XX", "Profit", ""},
        {RowShape::OldOtherBudgets, "5004      --Scurt", "5004", "Scurt", ""},
        // The text may itself hold "--" and ")": positions, not separators, decide.
        {RowShape::ShortObligation, "01.(20A100101X-XXX)TVA -- (decont)", "20A100101X",
         "TVA -- (decont)", "XXX"},
        {RowShape::ShortObligation, "01.(5503      -123)Unic", "5503", "Unic", "123"},
        {RowShape::BuilderObligation, "001.(20300104XX-101)Varsaminte", "20300104XX", "Varsaminte",
         "101"},
        {RowShape::FiscalCategory, "03 - dobândă", "03", "dobândă", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.toStdString());
        const ReferenceList list(c.shape, {c.row});
        EXPECT_EQ(list.code(0), c.code);
        EXPECT_EQ(list.text(0), c.text);
        EXPECT_EQ(list.obligationCode(0), c.obligation);
        EXPECT_TRUE(checkRows(c.shape, {c.row}).empty());
    }
}

// A unit is found whole: a unit whose code begins the same is another unit.
TEST(ListRows, TreasuryUnitRowMatchesTheWholeUnit) {
    const ReferenceList units(RowShape::TreasuryUnit,
                              {"TREZ700--Bucuresti", "TREZ706--Sector 6", "TREZ706--again"});
    const struct {
        QString unit;
        int row;
    } cases[] = {{"TREZ700", 0}, {"TREZ706", 1}, {"TREZ70", -1}, {"TREZ7000", -1}, {"", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(treasuryUnitRow(units, c.unit), c.row) << c.unit.toStdString();
}

TEST(CheckRows, EachMalformedRowIsReportedWithItsLine) {
    struct Case {
        RowShape shape;
        QStringList rows;
        int line;
        const char* says;  // a piece of the problem text
    };
    const std::vector<Case> cases{
        {RowShape::TreasuryUnit, {"TREZ12--Alba"}, 1, "\"--\" la pozitiile 8-9"},
        {RowShape::TreasuryUnit, {"TREZ001--Alba", "TREZ0A2--Blaj"}, 2, "TREZ urmat de 3 cifre"},
        {RowShape::TreasuryUnit, {"TREZ001--"}, 1, "lipseste textul"},
        {RowShape::TreasuryUnit, {"TREZ001--Alba", ""}, 2, "goala"},
        {RowShape::Bank, {"BucuROBU--ALPHA"}, 1, "BIC"},
        {RowShape::Bank, {"BUCURO--ALPHA"}, 1, "\"--\" la pozitiile 9-10"},
        {RowShape::NewClassification, {"30A010100XX--Altceva"}, 1, "inceapa cu 20"},
        {RowShape::NewClassification, {"20A0101 0XX--Blanc in cod"}, 1, "11 caractere"},
        {RowShape::SplitVat, {"502211XXXXXXX--Fara"}, 1, "TVA"},
        {RowShape::OldStateBudget, {"21010201XX--Alt buget"}, 1, "inceapa cu 20"},
        {RowShape::OldOtherBudgets, {"20010101XX--Buget de stat"}, 1, "21, 22, 26"},
        {RowShape::ShortObligation, {"1.(5503XXXXXX-XXX)Scurt"}, 1, "NN.(CONT"},
        {RowShape::ShortObligation, {"02.(5503XXXXXX-XXX)Al doilea"}, 1, "trebuie sa fie 01"},
        {RowShape::ShortObligation, {"01.(55 3XXXXXX-XXX)Blanc"}, 1, "completat cu blancuri"},
        {RowShape::ShortObligation, {"01.(5503XXXXXX-XXX)"}, 1, "denumirea"},
        {RowShape::BuilderObligation, {"001.(20350101XX-XXX)Amenzi"}, 1, "3 cifre"},
        {RowShape::BuilderObligation,
         {"001.(20350101XX-910)Amenzi", "002.(22350301XX-910)Amenzi CAS"},
         2,
         "910 apare si la linia 1"},
        {RowShape::FiscalCategory, {"1 - debit"}, 1, "CC - text"},
        {RowShape::FiscalCategory, {}, 0, "niciun rand"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows.join('|').toStdString());
        const auto problems = checkRows(c.shape, c.rows);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].line, c.line);
        EXPECT_TRUE(problems[0].what.contains(QString::fromUtf8(c.says)))
            << problems[0].what.toStdString();
    }
}

TEST(ListRows, BlankLinesAtTheEndOfAFileAreNoRows) {
    EXPECT_EQ(listRows("01 - debit\r\n03 - x\r\n\r\n  \r\n"),
              QStringList({"01 - debit", "03 - x"}));
    EXPECT_EQ(listRows("01 - debit\r\n\r\n03 - x"), QStringList({"01 - debit", "", "03 - x"}));
}

// The short builder names follow the long ones by position: a file of the
// user's own in liste/ that breaks the pair sends both back to the built-in
// lists. (A malformed file is in tests/e2e/updated-reference-lists.case,
// valid ones in tests/e2e/assistant-iban-lists.case.)
TEST(UserLists, BuilderNamesAreTakenOnlyInPairs) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(folder.mkdir(kUserListFolder));
    const auto write = [&folder](const char* name, const QString& content) {
        QFile f(folder.filePath(QString(kUserListFolder) + "/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tavo::text::toCp1250(content));
    };
    write("form_nrevid_oblig1.txt", "001.(20350101XX-910)Amenzi la bugetul de stat\r\n");
    tavo::Notices problems;
    ReferenceLists l = loadReferenceLists(folder, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].text.contains("form_nrevid_oblig3.txt"))
        << problems[0].text.toStdString();
    EXPECT_EQ(l.Form_NREVID.oblig1.rows(), lists().Form_NREVID.oblig1.rows());
    EXPECT_EQ(l.Form_NREVID.oblig3.rows(), lists().Form_NREVID.oblig3.rows());

    write("form_nrevid_oblig3.txt", "001.(20350101XX-910)Amenzi BS\r\n");
    problems.clear();
    l = loadReferenceLists(folder, problems);
    EXPECT_TRUE(problems.empty()) << problems[0].text.toStdString();
    EXPECT_EQ(l.Form_NREVID.oblig3.text(0), "Amenzi BS");
}
