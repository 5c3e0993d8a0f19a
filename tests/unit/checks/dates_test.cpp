#include <gtest/gtest.h>

#include "../helpers.h"
#include "checks/dates.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

// A part of three digits before the year, or an empty one; the other typed
// dates are in tests/e2e/calc-dates.case.
TEST(Dates, NormDataTypedTexts) {
    EXPECT_EQ(norm_data(QStringLiteral("1/123/2024"), 2026), QString());
    EXPECT_EQ(norm_data(QStringLiteral("/6/2024"), 2026), QString());
}

TEST(Dates, ProgramConversionIsDayFirst) {
    const struct {
        const char* text;
        std::optional<QDate> date;  // none: not a date
    } cases[] = {
        {"5.6.2024", QDate(2024, 6, 5)},
        {"5-6-2024", QDate(2024, 6, 5)},
        {" 05/06/2024 ", QDate(2024, 6, 5)},
        {"05/17/2024", QDate(2024, 5, 17)},  // the second number cannot be a month
        {"2024/05/17", QDate(2024, 5, 17)},
        {"5/6/29", QDate(2029, 6, 5)},
        {"5/6/30", QDate(1930, 6, 5)},
        {"5/6/0", QDate(2000, 6, 5)},
        {"13/13/2024", std::nullopt},
        {"5/6/024", std::nullopt},
        {"5/6", std::nullopt},
        {"5/6/2024/1", std::nullopt},
        {"", std::nullopt},
        {"a/6/2024", std::nullopt},
        {"+5/6/2024", std::nullopt},
        {"5/6/20245", std::nullopt},
        {"005/6/2024", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(dateFromText(QLatin1String(c.text)), c.date) << c.text;
}

// Short-date texts written by a QDate format, as a machine with that regional setting would.
ShortDateFormatter formatter(const char* pattern) {
    return [pattern](const QDate& date) { return date.toString(QLatin1String(pattern)); };
}

// Day, month and a year of four digits, zeros in front; no text for no date.
TEST(Dates, WrittenDayMonthYear) {
    const struct {
        QDate date;
        const char* text;
    } cases[] = {
        {QDate(2025, 3, 5), "05/03/2025"},   {QDate(2024, 12, 31), "31/12/2024"},
        {QDate(999, 1, 10), "10/01/0999"},   {QDate(1, 1, 1), "01/01/0001"},
        {QDate(9999, 12, 31), "31/12/9999"}, {QDate(), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(dateToText(c.date), QLatin1String(c.text)) << c.text;
}

// The same text checked again gives the same date, or the message again.
TEST(Dates, VerifDataAskedAgain) {
    const struct {
        const char* text;
        const char* date;
    } cases[] = {
        {"10.2.2025", "10/02/2025"}, {"10.2.2025", "10/02/2025"}, {"31/12/2014", ""},
        {"31/12/2014", ""},          {"1/3/2025", "01/03/2025"},  {"", ""},
    };
    for (const auto& c : cases) {
        Notices notices;
        EXPECT_EQ(verif_data(QLatin1String(c.text), notices), QLatin1String(c.date)) << c.text;
        EXPECT_EQ(notices.size(), *c.date ? 0u : 1u) << c.text;
    }
}

TEST(Dates, EachRuleOfTheShortDateFormat) {
    const struct {
        const char* t;
        const char* t1;
        const char* t31;
        int rule;
    } cases[] = {
        {"15/06/2024", "16/06/2024", "16/07/2024", 0},
        {"28/06/2024", "29/06/2024", "29/07/2024", 0},
        {"06/28/2024", "06/29/2024", "07/29/2024", 1},  // a day 28 in the second place
        {"2028/06/15", "2028/06/16", "2028/07/16", 1},  // in the year
        {"28/29/2024", "29/29/2024", "29/30/2024", 1},  // two of them
        {"31/20/2024", "01/21/2024", "01/22/2024", 2},
        {"31/19/2024", "01/20/2024", "01/21/2024", 0},
        {"15-06-2024", "16-06-2024", "16-07-2024", 3},
        {"15 06 2024", "16 06 2024", "16 07 2024", 3},
        {"15/00/2024", "16/00/2024", "16/01/2024", 4},
        {"15/ab/2024", "16/ab/2024", "16/cd/2024", 4},
        {"15/+6/2024", "16/+6/2024", "16/+7/2024", 0},  // a month with a sign is not 0
        {"15/-6/2024", "16/-6/2024", "16/-7/2024", 0},
        {"15/06/2024", "15/06/2024", "15/07/2024", 5},
        {"15/06/2024", "16/06/2024", "16/06/2024", 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            unusableShortDateRule(QLatin1String(c.t), QLatin1String(c.t1), QLatin1String(c.t31)),
            c.rule)
            << c.t;
}

TEST(Dates, VerifSetareDataRefusesMonthFirst) {
    const QString message = QStringLiteral(
        "MSG exclamation||Data calendaristica nu este in format dd/mm/yyyy.\\n"
        "Modificati setarea datei calendaristice (format si separator de data) \\n"
        "in Control Panel/Regional Settings (Regional and Language Options).");
    const QDate day(2024, 3, 15);
    const std::optional<tavo::Notice> refused = verif_setare_data(formatter("MM/dd/yyyy"), day);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->icon, tavo::Icon::Exclamation);
    EXPECT_EQ("MSG exclamation||" + QString(refused->text).replace("\r\n", "\\n"), message);
    EXPECT_FALSE(verif_setare_data(formatter("dd.MM.yyyy"), day));
    EXPECT_FALSE(verif_setare_data());  // the program's own format, today
}

}  // namespace
