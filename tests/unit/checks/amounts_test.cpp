#include <gtest/gtest.h>

#include <QDir>
#include <limits>

#include "checks/amount_words.h"
#include "checks/amounts.h"
#include "ui/scripted_ui.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

const char* const fifteenNinesInWords =
    "nouasutenouazecisinouamiinouasutenouazecisinouamiliardenouasutenouazecisinouamilioane"
    "nouasutenouazecisinouamiinouasutenouazecisinoualei";

TEST(AmountWords, IntegersInWords) {
    const struct {
        const char* number;
        const char* words;
    } cases[] = {
        {"10", "zecelei"},
        {"12", "douasprezecelei"},
        {"16", "sasesprezecelei"},
        {"19", "nouasprezecelei"},
        {"20", "douazecilei"},
        {"100", "unasutalei"},
        {"110", "unasutazecelei"},
        {"200", "douasutelei"},
        {"912", "nouasutedouasprezecelei"},
        {"2002", "douamiidoilei"},
        {"1001000", "unmilionunamielei"},
        {"2000000", "douamilioanelei"},
        {"1000000000", "unmiliardlei"},
        {"21000000000", "douazecisiunumiliardelei"},
        {"1000000000000", "unamiemiliardelei"},
        {"2000000000000", "douamiimiliardelei"},
        {"21000000000000", "douazecisiunumiimiliardelei"},
        {"1000001000000", "unamiemiliardeunmilionlei"},
        {"2345678", "douamilioanetreisutepatruzecisicincimiisasesutesaptezecisioptlei"},
        {"999999999999999", fifteenNinesInWords},
        {"000000000000002", "doilei"},  // leading zeros
        {"0001", "unleu"},
        {"", ""},
        {"abc", ""},
        {"-5", ""},
        {"1000000000000000", ""},  // sixteen digits: no words for them
    };
    for (const auto& c : cases)
        EXPECT_EQ(cre_litere(QLatin1String(c.number)), QLatin1String(c.words)) << c.number;
}

// The forms of "1" and "2" and the scale words depend on the group's position.
TEST(AmountWords, GroupsByPosition) {
    const struct {
        const char* group;
        int position;
        const char* words;
        const char* scale;
    } cases[] = {
        {"001", 1, "una", "mie"},
        {"021", 1, "douazecisiunu", "mii"},
        {"001", 4, "un", "miliard"},
        {"021", 4, "douazecisiunu", "miliarde"},
        {"001", 7, "un", "milion"},
        {"101", 7, "unasutaunu", "milioane"},
        {"001", 10, "una", "mie"},
        {"021", 10, "douazecisiuna", "mii"},
        {"001", 13, "unu", ""},
        {"021", 13, "douazecisiunu", ""},
        {"002", 1, "doua", "mii"},
        {"002", 4, "doua", "miliarde"},
        {"002", 7, "doua", "milioane"},
        {"002", 10, "doua", "mii"},
        {"002", 13, "doi", ""},
        {"102", 13, "unasutadoi", ""},
        {"011", 10, "unsprezece", "mii"},
        {"910", 13, "nouasutezece", ""},
        {"090", 7, "nouazeci", "milioane"},
        {"305", 13, "treisutecinci", ""},
    };
    for (const auto& c : cases) {
        const QString g = QLatin1String(c.group);
        EXPECT_EQ(litere_grup(g, c.position), QLatin1String(c.words))
            << c.group << ' ' << c.position;
        EXPECT_EQ(ordin_grup(c.position, g), QLatin1String(c.scale))
            << c.group << ' ' << c.position;
    }
}

TEST(Amounts, GroupingByThousands) {
    const struct {
        const char* number;
        const char* grouped;
    } cases[] = {
        {"100", "100"},
        {"1000", "1.000"},
        {"1000000", "1.000.000"},
        {"999999999999999", "999.999.999.999.999"},
        {"007", "7"},
        {"-1000", "-1.000"},
        {"12.5", "12"},
        {"000", ""},
        {"", ""},
        {"abc", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grupare_mii(QLatin1String(c.number)), QLatin1String(c.grouped)) << c.number;
}

TEST(Amounts, ReadingAmountTexts) {
    const struct {
        const char* text;
        double number;
        qint64 bani;
    } cases[] = {
        {"12.5", 12.5, 1250},
        {"12,5", 12.5, 1250},
        {"12,345", 12.345, 1234},  // a third decimal is dropped, as when stored
        {" 1 2.5", 12.5, 1250},
        {"-3,25", -3.25, -325},
        {".5", 0.5, 50},
        {"1.2.3", 1.2, 120},
        {"12a", 12, 1200},
        {"abc", 0, 0},
        {"", 0, 0},
        {"0.01", 0.01, 1},
        {"999999999999999.99", 999999999999999.99, 99999999999999999},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(suma_num(QLatin1String(c.text)), c.number) << c.text;
        EXPECT_EQ(amountInBani(QLatin1String(c.text)), c.bani) << c.text;
    }
    EXPECT_EQ(amountInBani(QString(30, QLatin1Char('9'))), std::numeric_limits<qint64>::max());
    // The last whole lei before the limit saturate too, whatever their bani.
    EXPECT_EQ(amountInBani(QStringLiteral("92233720368547758.99")),
              std::numeric_limits<qint64>::max());
    EXPECT_EQ(suma_punct(QStringLiteral("1,2,3")), QStringLiteral("1.2.3"));
}

// Sums in bani are exact where sums of doubles are not.
TEST(Amounts, BaniAddUpExactly) {
    EXPECT_EQ(amountInBani(QStringLiteral("0.10")) + amountInBani(QStringLiteral("0.20")),
              amountInBani(QStringLiteral("0.30")));
    qint64 total = 0;
    for (int i = 0; i < 1000; ++i) total += amountInBani(QStringLiteral("0.01"));
    EXPECT_EQ(baniToText(total), QStringLiteral("10.00"));

    const struct {
        qint64 bani;
        const char* text;
    } cases[] = {{0, "0.00"},         {5, "0.05"},     {50, "0.50"},
                 {123450, "1234.50"}, {-105, "-1.05"}, {99999999999999999, "999999999999999.99"}};
    for (const auto& c : cases) {
        EXPECT_EQ(baniToText(c.bani), QLatin1String(c.text));
        EXPECT_EQ(amountInBani(QLatin1String(c.text)), c.bani);
    }
}

TEST(Amounts, LeavingTheAmountField) {
    const QString tooLong =
        QStringLiteral("MSG exclamation||Suma are mai mult de 15 cifre la partea intreaga.");
    const struct {
        const char* typed;
        const char* kept;
        bool reported;
    } cases[] = {
        {"1234,5", "1234.5", false},
        {" 1 234,50 ", "1234.50", false},
        {"-100", "100", false},
        {"+100", "100", false},
        {"12.", "12.", false},
        {",5", ".5", false},
        {"abc", "", false},
        {"12a", "", false},
        {"1.234,50", "", false},  // two decimal points: not a number
        {"-", "", false},
        {"", "", false},
        {"123456789012345", "123456789012345", false},
        {"1234567890123456", "123456789012345", true},
        {"123456789012345.67", "123456789012345.67", false},  // "." is the 16th character
        {"1234567890123456.7", "123456789012345", true},      // "." is the 17th
    };
    for (const auto& c : cases) {
        QStringList shown;
        ScriptedUi ui(QDir(), QDir(), [&](const QString& line) { shown << line; });
        EXPECT_EQ(checkTypedAmount(QLatin1String(c.typed), ui), QLatin1String(c.kept)) << c.typed;
        EXPECT_EQ(shown, c.reported ? QStringList{tooLong} : QStringList{}) << c.typed;
    }
}

TEST(Amounts, StoredAmountAndItsDisplays) {
    const struct {
        const char* field;
        const char* stored;
        const char* grouped;
        const char* words;
    } cases[] = {
        {" 2345678.90", "2345678.90", "2.345.678,90",  // a blank from a stored line
         "douamilioanetreisutepatruzecisicincimiisasesutesaptezecisioptlei,90bani"},
        {".5", ".50", ",50", ",50bani"},
        {"1234", "1234", "1.234", "unamiedouasutetreizecisipatrulei"},
        {"1", "1", "1", "unleu"},
        {"0.0\t1", "0.01", ",01", ",01bani"},  // a tab in a stored line is skipped, as in sums
        {"999999999999999", "999999999999999", "999.999.999.999.999", fifteenNinesInWords},
        {"000", "", "", ""},
        {"", "", "", ""},
        {"abc", "", "", ""},
    };
    for (const auto& c : cases) {
        const AmountForms forms = amountForms(QLatin1String(c.field));
        EXPECT_EQ(forms.field, QLatin1String(c.stored)) << c.field;
        EXPECT_EQ(forms.grouped, QLatin1String(c.grouped)) << c.field;
        EXPECT_EQ(forms.words, QLatin1String(c.words)) << c.field;
    }
}

}  // namespace
