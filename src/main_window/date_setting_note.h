#pragma once

#include <QDate>
#include <QString>

#include "checks/dates.h"
#include "ui/ui.h"

namespace tavo {

// The main window's note on the short-date format (Label5).
//
// Dates are read and written by the program's own dd/mm/yyyy conversion on
// every system; the listings, summaries and packages still check the format
// in use first (verif_setare_data) and stop when the day and the month are not
// its first two parts. On Windows the note stands as users of the program
// know it, naming where Windows sets the short-date format. Elsewhere the
// system's settings have no part in it, so the note shows only when the
// format in use fails that check, and says so without naming any setting:
// the empty text otherwise.
QString dateSettingNote(bool windows, const checks::ShortDateFormatter& format, const QDate& today);

// The note for this system and the program's own format, today.
QString dateSettingNote();

// The check the listings, summaries and packages make first: false, with the
// regional-settings message shown, when the short-date format does not put
// the day and the month first; they then stop.
bool dateSettingUsable(Ui& ui);

}  // namespace tavo
