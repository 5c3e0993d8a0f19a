#include <gtest/gtest.h>

#include "main_window/date_setting_note.h"

using namespace tavo;

namespace {

const QString windowsNote = QStringLiteral(
    "Setati data calendaristica in Control Panel/Regional and Language "
    "Options/Customize/Date/Short date format:dd/mm/yyyy");

checks::ShortDateFormatter formatter(const char* pattern) {
    return [format = QString::fromLatin1(pattern)](const QDate& date) {
        return date.toString(format);
    };
}

// Windows keeps its note whatever the format; elsewhere there is a note only
// for a format whose first two parts are not the day and the month.
TEST(DateSettingNote, ShownOnWindowsAndForAnUnusableFormatElsewhere) {
    const QDate day(2024, 3, 15);
    const struct {
        bool windows;
        const char* pattern;
        QString note;
    } cases[] = {
        {true, "dd/MM/yyyy", windowsNote},
        {true, "MM/dd/yyyy", windowsNote},
        {false, "dd/MM/yyyy", QString()},
        {false, "dd.MM.yyyy", QString()},
        {false, "MM/dd/yyyy",
         QStringLiteral("Data calendaristica nu este in format dd/mm/yyyy (azi: 03/15/2024): "
                        "listarile, borderourile si pachetele de OP/FV nu pot fi facute.")},
        {false, "yyyy-MM-dd",
         QStringLiteral("Data calendaristica nu este in format dd/mm/yyyy (azi: 2024-03-15): "
                        "listarile, borderourile si pachetele de OP/FV nu pot fi facute.")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dateSettingNote(c.windows, formatter(c.pattern), day), c.note)
            << c.windows << " " << c.pattern;
}

// The program's own format needs no note on any day, the 28th to the 31st and
// the turn of the year included.
TEST(DateSettingNote, NoneForTheProgramsOwnFormatOnAnyDay) {
    for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1))
        ASSERT_EQ(dateSettingNote(false, checks::programShortDate, day), QString())
            << day.toString(Qt::ISODate).toStdString();
#ifdef Q_OS_WIN
    EXPECT_EQ(dateSettingNote(), windowsNote);
#else
    EXPECT_EQ(dateSettingNote(), QString());
#endif
}

}  // namespace
