#include <gtest/gtest.h>

#include <QDir>

#include "../helpers.h"
#include "checks/dates.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

// The typed dates that tests/e2e/calc-dates.case does not try.
TEST(Dates, NormDataTypedTexts) {
    const int currentYear = 2026;
    const struct {
        const char* typed;
        const char* result;
    } cases[] = {
        {"24/5/6", "24/05/2006"},  // two digits first: a day
        {" / ", ""},
        {"29/02/2100", ""},
        {"5 /6/2024", ""},  // a blank inside is a separator
        {"12/12/2024", "12/12/2024"},
        {"1/123/2024", ""},
        {"1/a2/2024", ""},
        {"5/6/a", ""},
        {"/6/2024", ""},
        {"5//2024", ""},
        {"30/06/2024", "30/06/2024"},
        {"06/31/2024", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(norm_data(QString::fromUtf8(c.typed), currentYear), QLatin1String(c.result))
            << '"' << c.typed << '"';
}

TEST(Dates, ProgramConversionIsDayFirst) {
    const struct {
        const char* text;
        QDate date;  // invalid: not a date
    } cases[] = {
        {"05/06/2024", QDate(2024, 6, 5)},
        {"5.6.2024", QDate(2024, 6, 5)},
        {"5-6-2024", QDate(2024, 6, 5)},
        {" 05/06/2024 ", QDate(2024, 6, 5)},
        {"05/17/2024", QDate(2024, 5, 17)},  // the second number cannot be a month
        {"2024/05/17", QDate(2024, 5, 17)},
        {"5/6/23", QDate(2023, 6, 5)},
        {"5/6/29", QDate(2029, 6, 5)},
        {"5/6/30", QDate(1930, 6, 5)},
        {"5/6/0", QDate(2000, 6, 5)},
        {"29/02/2024", QDate(2024, 2, 29)},
        {"29/02/2023", {}},
        {"31/04/2024", {}},
        {"13/13/2024", {}},
        {"5/6/024", {}},
        {"5/6", {}},
        {"5/6/2024/1", {}},
        {"", {}},
        {"a/6/2024", {}},
        {"5/6/20245", {}},
        {"005/6/2024", {}},
    };
    for (const auto& c : cases) {
        const std::optional<QDate> read = dateFromText(QLatin1String(c.text));
        EXPECT_EQ(read.has_value(), c.date.isValid()) << c.text;
        if (read && c.date.isValid()) {
            EXPECT_EQ(*read, c.date) << c.text;
        }
    }
    EXPECT_EQ(dateToText(QDate(2024, 6, 5)), QStringLiteral("05/06/2024"));
}

// Besides the years and texts of tests/e2e/calc-dates.case.
TEST(Dates, VerifDataRefusesDatesBefore2015) {
    const QString refused =
        QStringLiteral("MSG none||ATENTIE ! Data trebuie sa fie in format dd/mm/yyyy.");
    const struct {
        const char* text;
        const char* result;  // empty: refused with the message
    } cases[] = {
        {"1.1.2015", "01/01/2015"},
        {"5/6/24", "05/06/2024"},
        {"2024-05-17", "17/05/2024"},
        {"abc2024", ""},
        {"2024", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        RecordingUi recording;
        const QString result = verif_data(QLatin1String(c.text), recording.ui);
        EXPECT_EQ(result, QLatin1String(c.result)) << c.text;
        const QStringList expectedLines = result.isEmpty() ? QStringList{refused} : QStringList{};
        EXPECT_EQ(recording.shown, expectedLines) << c.text;
    }
}

// Short-date texts written by a QDate format, as a machine with that regional setting would.
ShortDateFormatter formatter(const char* pattern) {
    return [pattern](const QDate& date) { return date.toString(QLatin1String(pattern)); };
}

// Every day of years with and without 28 to 31 among their digits, a leap year among them.
std::vector<QDate> daysToTry() {
    std::vector<QDate> days;
    for (int year : {2023, 2024, 2028, 2029, 2030, 2031, 2098})
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) days.push_back(d);
    return days;
}

int ruleFor(const ShortDateFormatter& format, const QDate& day) {
    return unusableShortDateRule(format(day), format(day.addDays(1)), format(day.addDays(31)));
}

TEST(Dates, DayFirstFormatsPassEveryDay) {
    for (const char* pattern : {"dd/MM/yyyy", "dd.MM.yyyy", "dd/MM/yy", "dd.MM.yy", "dd/MM/yyyy."})
        for (const QDate& day : daysToTry())
            ASSERT_EQ(ruleFor(formatter(pattern), day), 0)
                << pattern << ' ' << day.toString().toStdString();
}

TEST(Dates, OtherFormatsFailEveryDay) {
    for (const QDate& day : daysToTry()) {
        const int monthFirst = ruleFor(formatter("MM/dd/yyyy"), day);
        // The 28th to the 31st stand in the second place; any other day stays at next day's month.
        EXPECT_EQ(monthFirst, day.day() >= 28 ? 1 : 5) << day.toString().toStdString();
        EXPECT_NE(ruleFor(formatter("MM.dd.yy"), day), 0);
        // Year first: the first field stays the same the next day, unless the
        // year itself holds 28 to 31 within the first five characters.
        const int yearFirst = day.year() >= 2028 && day.year() <= 2031 ? 1 : 5;
        EXPECT_EQ(ruleFor(formatter("yyyy/MM/dd"), day), yearFirst) << day.toString().toStdString();
        EXPECT_NE(ruleFor(formatter("yyyy.MM.dd"), day), 0);
        EXPECT_EQ(ruleFor(formatter("dd-MM-yyyy"), day), 3) << day.toString().toStdString();
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

TEST(Dates, VerifSetareDataSetsEroareData) {
    const QString message = QStringLiteral(
        "MSG exclamation||Data calendaristica nu este in format dd/mm/yyyy.\\n"
        "Modificati setarea datei calendaristice (format si separator de data) \\n"
        "in Control Panel/Regional Settings (Regional and Language Options).");
    RecordingUi recording;
    ProgramState state;
    const QDate day(2024, 3, 15);

    verif_setare_data(recording.ui, state, formatter("MM/dd/yyyy"), day);
    EXPECT_TRUE(state.eroare_data);
    EXPECT_EQ(recording.shown, QStringList{message});

    verif_setare_data(recording.ui, state, formatter("MM/dd/yyyy"), day);
    EXPECT_TRUE(state.eroare_data);
    EXPECT_EQ(recording.shown.size(), 2);  // shown on every run

    verif_setare_data(recording.ui, state, formatter("dd.MM.yyyy"), day);
    EXPECT_FALSE(state.eroare_data);
    verif_setare_data(recording.ui, state);  // the program's own format, today
    EXPECT_FALSE(state.eroare_data);
    EXPECT_EQ(recording.shown.size(), 2);
}

}  // namespace
