#pragma once

#include <QString>

// The fixed texts of the calendar, for the desktop view and the script's `show`.
namespace tavo::form2_texts {

inline const QString fereastra = QStringLiteral("Calendar");
// The entry window's buttons beside the issue date and the debit date.
inline const QString deschidere = QStringLiteral("Calendar");
inline const QString Command1 = QStringLiteral("Anulare data");

// A day picked outside the years a document may carry.
inline const QString dateOutOfRange =
    QStringLiteral("ATENTIE ! Data trebuie sa fie in format dd/mm/yyyy.");

}  // namespace tavo::form2_texts
