// The search field of the main window.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "main_window/introd.h"
#include "main_window/search_amount.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

// Written in the code page of the files: the comma-below letters are stored
// as cedilla letters. Document 4 has a line of an earlier shape (15 commas).
const QStringList kOrders = {
    "1,45,1500.00,ȘTEFĂNESCU ION,1800101220021,STR. MARE 1 TIMIȘOARA,RO49RNCB0089000000000001,"
    "BCR,BUGETUL DE STAT,4221306,RO61TREZ1315069XXX000000,,,IMPOZIT PE CLĂDIRI,15/01/2023,,,,,OP",
    "2,46,200,BETA SRL,4221306,STR. MICA 2,,,DGFP BRASOV,4221306,RO61TREZ1315069XXX000000,,,"
    "ÎNCHIRIERE,16/01/2023,,,,,FV",
    "3,47,75.50,ŢÂRLUNGENI,14818116,STR. LUNGA 3,RO49TREZ1315069XXX000001,,ADS,14818116,"
    "RO61TREZ1315069XXX000000,,,REDEVENTA,17/01/2023,20/01/2023,,,,OP",
    "4,48,10,stefan cel mare,13548146,IASI,,,BUGETUL LOCAL,4221306,RO61TREZ1315069XXX000000,,,"
    "TAXA,18/01/2023,FV",
};

struct SearchWindow {
    QTemporaryDir dir;
    ScriptedUi ui{QDir(dir.path()), QDir(dir.path()), [](const QString&) {}};
    ProgramState state;
    Introd window{QDir(dir.path()), ui, state};

    SearchWindow() {
        EXPECT_TRUE(text::writeLines(dir.filePath("ordine.txt"), kOrders));
        window.start();
    }
    // The text typed letter by letter, as the field hears it; the documents listed then.
    QString type(const QString& text) {
        for (qsizetype letters = text.isEmpty() ? 0 : 1; letters <= text.size(); ++letters) {
            window.Cauta = text.left(letters);
            window.Cauta_Change();
        }
        return listed();
    }
    // The order numbers of the items listed.
    QString listed() const {
        QStringList numbers;
        for (const QString& item : window.Ordine)
            numbers.append(item.section(QLatin1Char(','), 0, 0).trimmed());
        return numbers.join(QLatin1Char(' '));
    }
};

TEST(Search, NarrowsTheListToTheDocumentsWhoseLineHoldsTheText) {
    // Typed in turn: a text not extending the one before looks at every document.
    const struct {
        const char* typed;
        const char* found;  // order numbers listed
    } cases[] = {
        {"ȘTEFĂNESCU", "1"}, {"ştefăn", "1 4"},
        {"stef", "1 4"},     {"timisoara", "1"},
        {"cladiri", "1"},    {"inchiriere", "2"},
        {"Tarlungeni", "3"}, {"4221306", "1 2 4"},
        {"1500.00", "1"},    {"17/01/2023", "3"},
        {"ro49trez", "3"},   {"FV", "2 4"},
        {"fv,", ""},         {"taxa,18/01/2023,,,,,fv", "4"},
        {"b", "1 2 4"},      {"bu", "1 4"},
        {"bug", "1 4"},      {"b", "1 2 4"},
        {"中", ""},
    };
    SearchWindow w;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(w.type(QString::fromUtf8(c.typed)), QLatin1String(c.found));
        EXPECT_EQ(w.window.OrdineSelectie, -1);
    }
}

TEST(Search, ReadsAmountsAsPeopleWriteThemAndAsStored) {
    const struct {
        const char* text;
        std::optional<qint64> bani;
    } typed[] = {
        {"12500", 1250000},
        {"12.500", 1250000},
        {"12.500,00", 1250000},
        {"12500,00", 1250000},
        {"12500.00", 1250000},
        {" 1.234.567,8 ", 123456780},
        {"12.5", 1250},
        {"12,", 1200},
        {"007", 700},
        {"999999999999999,99", 99999999999999999},
        {"", {}},
        {"12a", {}},
        {"12.500.00", {}},
        {"1.234.56", {}},
        {"12,500", {}},
        {"12.5000", {}},
        {"1 500", {}},
        {"-5", {}},
        {",5", {}},
        {"1234567890123456", {}},
        {"١٢", {}},
    };
    for (const auto& c : typed) EXPECT_EQ(typedAmount(QString::fromUtf8(c.text)), c.bani) << c.text;
    const struct {
        const char* field;
        std::optional<qint64> bani;
    } stored[] = {
        {"1500.00", 150000},
        {"200", 20000},
        {"75.5", 7550},
        {"12.", 1200},
        {".50", 50},
        {"000000000000000123456789012345.67", 12345678901234567},
        {"", {}},
        {".", {}},
        {"1.234", {}},
        {"1.2.3", {}},
        {" 200", {}},
        {"1234567890123456", {}},
    };
    for (const auto& c : stored) EXPECT_EQ(storedAmount(c.field), c.bani) << c.field;
}

TEST(Search, FindsAnAmountHoweverItIsWrittenAndSaysHowManyItFound) {
    // Typed letter by letter, each after the one before: "1.500" extends "1.50",
    // which names another amount.
    const struct {
        const char* typed;
        const char* found;
        const char* count;
    } cases[] = {
        {"1.500", "1", "1 din 4"},
        {"1.500,00", "1", "1 din 4"},
        {"1500,00", "1", "1 din 4"},
        {"1500", "1", "1 din 4"},
        {"200,00", "2", "1 din 4"},
        {"75,5", "3", "1 din 4"},
        {"10.00", "4", "1 din 4"},
        {"75.50", "3", "1 din 4"},
        {"4221306", "1 2 4", "3 din 4"},
        {"nicaieri", "", "niciun document"},
        {"", "1 2 3 4", ""},
    };
    SearchWindow w;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(w.type(QString::fromUtf8(c.typed)), QLatin1String(c.found));
        EXPECT_EQ(w.window.CautaNumar, QLatin1String(c.count));
        EXPECT_EQ(w.window.Label3, "(s-au incarcat 4 OP/FV-uri)");
    }
}

TEST(Search, ReloadKeepsTheSearchAndCountsEveryDocument) {
    SearchWindow w;
    EXPECT_EQ(w.type("bugetul"), "1 4");
    w.window.incarcare_lista();
    EXPECT_EQ(w.listed(), "1 4");
    EXPECT_EQ(w.window.Label3, "(s-au incarcat 4 OP/FV-uri)");
    EXPECT_EQ(w.window.NrO, "5");
    EXPECT_EQ(w.window.documentCount(), 4);
    EXPECT_EQ(w.type(""), "1 2 3 4");
    EXPECT_EQ(w.window.Ordine.front(), "    1,45,OP");
}

}  // namespace
}  // namespace tavo
