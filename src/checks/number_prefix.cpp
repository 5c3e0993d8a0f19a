#include "checks/number_prefix.h"

namespace tavo::checks {
namespace {

bool isSkipped(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

}  // namespace

QString NumberPrefix::significantInteger() const {
    qsizetype first = 0;
    while (first < integer.size() && integer.at(first) == QLatin1Char('0')) ++first;
    return integer.mid(first);
}

NumberPrefix readNumber(const QString& text) {
    NumberPrefix number;
    bool started = false;  // a sign, a digit or the point was read
    bool pointSeen = false;
    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        if (!started && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            number.negative = c == QLatin1Char('-');
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (pointSeen ? number.decimals : number.integer).append(c);
        } else if (c == QLatin1Char('.') && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        started = true;
    }
    return number;
}

}  // namespace tavo::checks
