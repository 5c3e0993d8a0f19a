#pragma once

#include <QDate>
#include <QString>

namespace tavo::printing {

// The period of issue dates asked by the payment summaries and the package
// listing: "zz/ll/aaaa-zz/ll/aaaa", start and end included.
struct Period {
    bool readable = false;  // two dates with "-" as 11th character
    bool valid = false;     // readable, and the end not before the start
    QDate start;
    QDate end;
    // The second line of a payment summary: "intervalul platii: ..." or "data platii: ...".
    QString heading;

    // Whether a stored issue date (field 15) lies in the period. An invalid
    // period holds only the documents without an issue date.
    bool contains(const QString& issueDate) const;
};

// Reads the answer to the period question. Blanks are dropped first, as
// people write "01/12/2026 - 31/12/2026".
Period readPeriod(const QString& answer);

// The message for a period answer that does not read as two dates.
inline const QString kPeriodForm = QStringLiteral("Perioada: scrieti zz/ll/aaaa-zz/ll/aaaa");

}  // namespace tavo::printing
