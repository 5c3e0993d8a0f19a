#include <gtest/gtest.h>

#include <limits>

#include "../helpers.h"
#include "checks/amounts.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

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

// Bani written as text and read back (others are the summaries' totals).
TEST(Amounts, BaniAsText) {
    const struct {
        qint64 bani;
        const char* text;
    } cases[] = {{50, "0.50"}, {123450, "1234.50"}, {-105, "-1.05"}};
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
        // clang-format off
        {" 1 234,50 ", "1234.50"}, {"+100", "100"}, {",5", ".5"}, {"12a", ""}, {"-", ""}, {"", ""},
        {",1234567890123456", ".1234567890123456"},  // no integer part: not too long
        // clang-format on
    };
    for (const auto& c : cases) {
        tavo::Notices notices;
        EXPECT_EQ(checkTypedAmount(QLatin1String(c.typed), notices), QLatin1String(c.kept))
            << c.typed;
        EXPECT_TRUE(notices.empty()) << c.typed;
    }
}

TEST(Amounts, StoredAmountAndItsDisplays) {
    const struct {
        const char* field;
        const char* stored;
        const char* grouped;
        const char* words;
    } cases[] = {
        {" 2002.9", "2002.90", "2.002,90", "douamiidoilei,90bani"},  // a blank from a stored line
        {".5", ".50", ",50", ",50bani"},
        {"0.0\t1", "0.01", ",01", ",01bani"},  // a tab in a stored line is skipped, as in sums
        {"0.0\t1", "0.01", ",01", ",01bani"},  // the same amount asked again
        {"0", "", "", ""},
        {" 2002.9", "2002.90", "2.002,90", "douamiidoilei,90bani"},
    };
    for (const auto& c : cases) {
        const AmountForms forms = amountForms(QLatin1String(c.field));
        EXPECT_EQ(forms.field, QLatin1String(c.stored)) << c.field;
        EXPECT_EQ(forms.grouped, QLatin1String(c.grouped)) << c.field;
        EXPECT_EQ(forms.words, QLatin1String(c.words)) << c.field;
    }
}

}  // namespace
