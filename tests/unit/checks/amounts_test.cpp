#include <gtest/gtest.h>

#include <QDir>
#include <limits>

#include "../helpers.h"
#include "checks/amount_words.h"
#include "checks/amounts.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

// The amounts the calc cases of tests/e2e do not already cover.
TEST(AmountWords, IntegersInWords) {
    const struct {
        const char* number;
        const char* words;
    } cases[] = {
        {"912", "nouasutedouasprezecelei"},
        {"2002", "douamiidoilei"},
        {"1001000", "unmilionunamielei"},
        {"1000001000000", "unamiemiliardeunmilionlei"},
        {"000000000000002", "doilei"},  // leading zeros
        {"0001", "unleu"},
        {"", ""},
        {"abc", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cre_litere(QLatin1String(c.number)), QLatin1String(c.words)) << c.number;
}

// The forms of "1" and "2" and the scale words depend on the group's position;
// the groups of the amounts in tests/e2e/calc-amount-words.case are not repeated.
TEST(AmountWords, GroupsByPosition) {
    const struct {
        const char* group;
        int position;
        const char* words;
        const char* scale;
    } cases[] = {
        {"102", 13, "unasutadoi", ""},    {"011", 10, "unsprezece", "mii"},
        {"910", 13, "nouasutezece", ""},  {"090", 7, "nouazeci", "milioane"},
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
        {"12.5", "12"},
        {"000", ""},
        {"", ""},
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

// Typed texts the calc cases do not try; none of them is too long, so nothing is shown.
TEST(Amounts, LeavingTheAmountField) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {" 1 234,50 ", "1234.50"}, {"+100", "100"}, {",5", ".5"}, {"12a", ""}, {"-", ""}, {"", ""},
    };
    for (const auto& c : cases) {
        RecordingUi r;
        EXPECT_EQ(checkTypedAmount(QLatin1String(c.typed), r.ui), QLatin1String(c.kept)) << c.typed;
        EXPECT_TRUE(r.shown.isEmpty()) << c.typed;
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
        {"0.0\t1", "0.01", ",01", ",01bani"},  // a tab in a stored line is skipped, as in sums
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
