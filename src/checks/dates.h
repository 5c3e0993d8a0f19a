#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

#include "ui/notice.h"

namespace tavo::checks {

// The program's own date conversion. It stands where a system conversion
// following the regional short-date order would: it always reads and writes
// day first, whatever the machine's locale.
//
// Reads "d/m/y" with "/", "." or "-" between the numbers (blanks around the
// whole are ignored); a year of one or two digits is 2000-2029 for 00-29 and
// 1930-1999 for 30-99; a four-digit first number is a year followed by month
// and day. When the second number cannot be a month but the first can, the
// two are swapped (05/17/2024 is 17 May). Nothing when the text is not an
// existing calendar date.
std::optional<QDate> dateFromText(const QString& text);

// "dd/mm/yyyy".
QString dateToText(const QDate& date);

// Turns what was typed into a date field into "dd/mm/yyyy", or into the empty
// text when it is not a date. `currentYear` completes a missing or malformed year.
QString norm_data(const QString& typed, int currentYear);
QString norm_data(const QString& typed);

// The final check of a stored date: rewrites it through the program's date
// conversion as "dd/mm/yyyy"; a date before 2015, or a text that is not a date,
// is refused with a message (in `notices`) and gives the empty text.
QString verif_data(const QString& text, Notices& notices);

// The short-date text of a date as the machine would write it.
using ShortDateFormatter = std::function<QString(const QDate&)>;

// The program's own short-date format, "dd/mm/yyyy".
QString programShortDate(const QDate& date);

// Which rule finds a short-date format unusable, given the short-date texts of
// today (`t`), tomorrow (`t1`) and 31 days from today (`t31`): 0 when the day
// comes first and the month second with "/" or "." between, else the number
// (1 to 6) of the first rule that fails.
int unusableShortDateRule(const QString& t, const QString& t1, const QString& t31);

// Checks that the short-date format puts the day first and the month second:
// nothing when it does, otherwise the regional-settings message, and callers
// stop.
std::optional<Notice> verif_setare_data(const ShortDateFormatter& format = programShortDate,
                                        const QDate& today = QDate::currentDate());

}  // namespace tavo::checks
