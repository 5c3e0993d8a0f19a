#include "beneficiary/reference_lists.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/cp1250.h"
#include "ui/scripted_ui.h"

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
        EXPECT_EQ(file.list(built).selected(), -1) << file.fileName;
    }
}

// The positions of every row, read straight from the row: where "--" (or the
// punctuation of the numbered rows) stands and where the code's padding may be.
TEST(BuiltInLists, EveryRowHasItsFieldsAtTheirPositions) {
    const FormIbanLists& f = lists().Form_IBAN;
    const FormNrevidLists& b = lists().Form_NREVID;
    struct Layout {
        const char* name;
        const ReferenceList& list;
        int codeWidth;  // the code occupies 1..codeWidth and "--" follows
    };
    const std::vector<Layout> codeAndText{
        {"Form_IBAN.Benef1", f.Benef1, 7},    {"Form_IBAN.oblig1P", f.oblig1P, 11},
        {"Form_IBAN.oblig2P", f.oblig2P, 11}, {"Form_IBAN.oblig3P", f.oblig3P, 11},
        {"Form_IBAN.oblig4P", f.oblig4P, 11}, {"Form_IBAN.oblig5P", f.oblig5P, 11},
        {"Form_IBAN.oblig6P", f.oblig6P, 13}, {"Form_IBAN.Combo1", f.Combo1, 10},
        {"Form_IBAN.Combo2", f.Combo2, 10},   {"Form_NREVID.Benef1", b.Benef1, 7},
    };
    for (const Layout& layout : codeAndText) {
        for (const QString& row : layout.list.rows()) {
            SCOPED_TRACE(std::string(layout.name) + ": " + row.toStdString());
            EXPECT_EQ(row.mid(layout.codeWidth, 2), "--");
            EXPECT_FALSE(row.left(layout.codeWidth).contains("--"));
            EXPECT_NE(row[0], ' ');
            EXPECT_FALSE(row.mid(layout.codeWidth + 2).isEmpty());
        }
    }

    for (const QString& row : f.Banci1.rows()) {
        SCOPED_TRACE("Form_IBAN.Banci1: " + row.toStdString());
        const bool treasury = row.mid(7, 2) == "--";
        EXPECT_EQ(row.mid(treasury ? 7 : 8, 2), "--");
        EXPECT_EQ(row.startsWith("TREZ") && row[4].isDigit(), treasury);
    }

    struct Numbered {
        const char* name;
        const ReferenceList& list;
        int digits;
    };
    for (const Numbered& n :
         {Numbered{"Form_IBAN.oblig1", f.oblig1, 2}, Numbered{"Form_NREVID.oblig1", b.oblig1, 3},
          Numbered{"Form_NREVID.oblig3", b.oblig3, 3},
          Numbered{"Form_NREVID.oblig2", b.oblig2, 3}}) {
        for (int i = 0; i < n.list.count(); ++i) {
            const QString row = n.list.row(i);
            SCOPED_TRACE(std::string(n.name) + ": " + row.toStdString());
            EXPECT_EQ(row.left(n.digits), QString::number(i + 1).rightJustified(n.digits, '0'));
            EXPECT_EQ(row.mid(n.digits, 2), ".(");
            EXPECT_EQ(row.mid(n.digits + 12, 1), "-");
            EXPECT_EQ(row.mid(n.digits + 16, 1), ")");
            EXPECT_FALSE(row.mid(n.digits + 2, 10).startsWith(' '));
        }
    }
}

TEST(BuiltInLists, NewClassificationIsOneAscendingListCutIntoFiveParts) {
    const FormIbanLists& f = lists().Form_IBAN;
    QStringList all;
    for (const ReferenceList* part : {&f.oblig1P, &f.oblig2P, &f.oblig3P, &f.oblig4P, &f.oblig5P}) {
        EXPECT_GT(part->count(), 0);
        all << codes(*part);
    }
    for (int i = 1; i < all.size(); ++i) {
        EXPECT_LT(all[i - 1], all[i]) << "row " << i;  // ascending, so no row twice
    }
    // Parts of nearly equal size: no part more than one row longer than another.
    const auto sizes = {f.oblig1P.count(), f.oblig2P.count(), f.oblig3P.count(), f.oblig4P.count(),
                        f.oblig5P.count()};
    EXPECT_LE(std::max(sizes) - std::min(sizes), 1);
}

TEST(BuiltInLists, BuilderLongAndShortNamesHaveTheSameCodesRowByRow) {
    const FormNrevidLists& b = lists().Form_NREVID;
    ASSERT_EQ(b.oblig1.count(), b.oblig3.count());
    for (int i = 0; i < b.oblig1.count(); ++i) {
        EXPECT_EQ(b.oblig1.code(i), b.oblig3.code(i)) << i;
        EXPECT_EQ(b.oblig1.obligationCode(i), b.oblig3.obligationCode(i)) << i;
    }
    EXPECT_TRUE(sameCodesRowByRow(b.oblig1, b.oblig3));
}

TEST(BuiltInLists, RowsTheProgramTestsByValueArePresent) {
    const FormIbanLists& f = lists().Form_IBAN;
    const FormNrevidLists& b = lists().Form_NREVID;
    for (const char* unit : {"TREZ131", "TREZ216", "TREZ291", "TREZ306", "TREZ406", "TREZ521",
                             "TREZ621", "TREZ700", "TREZ706", "TREZ999"}) {
        EXPECT_TRUE(codes(f.Benef1).contains(unit)) << unit;
        EXPECT_TRUE(codes(b.Benef1).contains(unit)) << unit;
    }
    for (const char* row :
         {"BUCUROBU--ALPHA BANK", "RNCBROBU--BANCA COMERCIALA ROMANA",
          "TREZROBU--TREZORERIA STATULUI", "UGBIROBU--GARANTI BANK SA",
          "TREZ700--Trezorerie operativa Municipiul Bucuresti",
          "TREZ706--Trezorerie operativa Sector 6", "TREZ999--Trezoreria operativa centrala"}) {
        EXPECT_TRUE(f.Banci1.rows().contains(row)) << row;
    }
    for (const char* code : {"20A100101X", "20A100102X", "500401XXXX", "5503XXXXXX"}) {
        EXPECT_TRUE(codes(f.oblig1).contains(code)) << code;
    }
    EXPECT_EQ(f.oblig1.row(0),
              "01.(5503XXXXXX-XXX)BUGETUL DE STAT, BUGETELE ASIG.SOC. SI FD.SPEC., in curs de "
              "distribuire");
    EXPECT_EQ(f.oblig1.row(48), "49.(20A100101X-XXX)TVA - decont lunar/trim./sem./anual");

    bool letterI = false, letterJ = false;
    for (const ReferenceList* part : {&f.oblig1P, &f.oblig2P, &f.oblig3P, &f.oblig4P, &f.oblig5P}) {
        for (const QString& row : part->rows()) {
            letterI = letterI || row[2] == 'I';
            letterJ = letterJ || row[2] == 'J';
        }
    }
    EXPECT_TRUE(letterI);
    EXPECT_TRUE(letterJ);
    EXPECT_EQ(codes(f.oblig6P), QStringList({"502211XXXXTVA", "502212XXXXTVA", "502213XXXXTVA",
                                             "502214XXXXTVA", "502215XXXXTVA", "505001XXXXTVA"}));

    QStringList obligations;
    for (int i = 0; i < b.oblig1.count(); ++i) obligations << b.oblig1.obligationCode(i);
    EXPECT_TRUE(obligations.contains("910"));
    EXPECT_TRUE(obligations.contains("911"));
    EXPECT_EQ(b.oblig1.row(1),
              "002.(20300104XX-101)Varsaminte din veniturile nete ale Bancii Nationale a Romaniei");
    EXPECT_EQ(b.oblig3.row(1), "002.(20300104XX-101)Varsaminte venituri nete BNR");
    EXPECT_EQ(b.oblig3.text(1), "Varsaminte venituri nete BNR");
    EXPECT_EQ(b.oblig2.rows(),
              QStringList({"001.(20350101XX-910)Venituri la bugetul de stat, din amenzi si alte "
                           "sanctiuni aplicate potrivit dispozitiile legale",
                           "002.(22350301XX-911)Venituri la bugetul asigurarilor sociale de "
                           "stat, din amenzi si alte sanctiuni aplicate potrivit dispozitiile "
                           "legale"}));
    EXPECT_EQ(b.categ_fisc.rows(),
              QStringList({"01 - debit", "03 - dobândă/ majorare de intarziere",
                           "11 - penalitate/ penalitate de întârziere."}));
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

TEST(ListRows, SelectionIsByPositionAndMinusOneForNone) {
    ReferenceList list(RowShape::FiscalCategory, {"01 - debit", "03 - dobanda"});
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.selectedRow(), "");
    list.select(1);
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.selectedRow(), "03 - dobanda");
    for (int outside : {-1, 2, 100, -5}) {
        list.select(1);
        list.select(outside);
        EXPECT_EQ(list.selected(), -1) << outside;
        EXPECT_EQ(list.selectedRow(), "");
    }
    EXPECT_EQ(list.row(2), "");
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
        {RowShape::Bank, {"TREZ7--Bucuresti"}, 1, "\"--\" la pozitiile 8-9"},
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

class UserLists : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkdir(kUserListFolder));
    }
    void write(const char* name, const QString& content) {
        QFile f(QDir(dir_.path()).filePath(QString(kUserListFolder) + "/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tavo::text::toCp1250(content));
    }
    ReferenceLists load() {
        tavo::ScriptedUi ui(QDir(dir_.path()), QDir(dir_.path()),
                            [this](const QString& line) { shown_ << line; });
        return loadReferenceLists(QDir(dir_.path()), ui);
    }
    QTemporaryDir dir_;
    QStringList shown_;
};

TEST_F(UserLists, AValidFileReplacesTheBuiltInList) {
    write("form_nrevid_categ_fisc.txt", "01 - debit\r\n11 - penalitate de întârziere\r\n\r\n");
    const ReferenceLists l = load();
    EXPECT_TRUE(shown_.isEmpty()) << shown_.join('\n').toStdString();
    EXPECT_EQ(l.Form_NREVID.categ_fisc.rows(),
              QStringList({"01 - debit", "11 - penalitate de întârziere"}));
    EXPECT_EQ(l.Form_IBAN.Banci1.rows(), lists().Form_IBAN.Banci1.rows());
}

TEST_F(UserLists, AMalformedFileIsNamedWithItsLineAndTheBuiltInListStays) {
    write("form_iban_banci1.txt", "BUCUROBU--ALPHA BANK\r\nTREZ7--Bucuresti\r\n");
    const ReferenceLists l = load();
    ASSERT_EQ(shown_.size(), 1);
    EXPECT_TRUE(shown_[0].startsWith("MSG exclamation||")) << shown_[0].toStdString();
    EXPECT_TRUE(shown_[0].contains("liste/form_iban_banci1.txt")) << shown_[0].toStdString();
    EXPECT_TRUE(shown_[0].contains("linia 2:")) << shown_[0].toStdString();
    EXPECT_EQ(l.Form_IBAN.Banci1.rows(), lists().Form_IBAN.Banci1.rows());
}

TEST_F(UserLists, BuilderNamesThatNoLongerPairGoBackToTheBuiltInOnes) {
    write("form_nrevid_oblig1.txt", "001.(20350101XX-910)Amenzi\r\n");
    const ReferenceLists l = load();
    ASSERT_EQ(shown_.size(), 1);
    EXPECT_TRUE(shown_[0].contains("form_nrevid_oblig3.txt")) << shown_[0].toStdString();
    EXPECT_EQ(l.Form_NREVID.oblig1.rows(), lists().Form_NREVID.oblig1.rows());
    EXPECT_EQ(l.Form_NREVID.oblig3.rows(), lists().Form_NREVID.oblig3.rows());
}

TEST_F(UserLists, BuilderNamesReplacedTogetherAreKept) {
    write("form_nrevid_oblig1.txt", "001.(20350101XX-910)Amenzi la bugetul de stat\r\n");
    write("form_nrevid_oblig3.txt", "001.(20350101XX-910)Amenzi BS\r\n");
    const ReferenceLists l = load();
    EXPECT_TRUE(shown_.isEmpty()) << shown_.join('\n').toStdString();
    EXPECT_EQ(l.Form_NREVID.oblig3.text(0), "Amenzi BS");
}
