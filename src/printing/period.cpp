#include "printing/period.h"

#include "checks/dates.h"

namespace tavo::printing {

Period readPeriod(const QString& typed) {
    QString answer = typed;
    answer.removeIf([](QChar c) { return c.isSpace(); });
    Period period;
    if (answer.size() < 11 || answer[10] != QLatin1Char('-')) {
        period.heading = QStringLiteral("data platii: ");
        return period;
    }
    const std::optional<QDate> start = checks::dateFromText(answer.left(10));
    const std::optional<QDate> end = checks::dateFromText(answer.right(10));
    if (!start || !end)
        return period;  // no heading at all
    period.readable = true;
    if (*end < *start) {
        period.heading = QStringLiteral("intervalul platii: ");
        return period;
    }
    period.valid = true;
    period.start = *start;
    period.end = *end;
    period.heading = *start == *end ? QStringLiteral("data platii: ") + checks::dateToText(*start)
                                    : QStringLiteral("intervalul platii: ") + answer;
    return period;
}

bool Period::contains(const QString& issueDate) const {
    if (!valid)
        return issueDate.isEmpty();
    const std::optional<QDate> date = checks::dateFromText(issueDate);
    return date && *date >= start && *date <= end;
}

}  // namespace tavo::printing
