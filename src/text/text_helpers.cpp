#include "text/text_helpers.h"

#include <algorithm>
#include <limits>

namespace tavo::text {

namespace {

template <typename View>
qint64 leadingNumber(View text) {
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    bool negative = false;
    bool started = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (!started && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            negative = c == QLatin1Char('-');
            started = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        started = true;
        const int digit = c.unicode() - '0';
        value = value > (largest - digit) / 10 ? largest : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace

qint64 numericValue(QStringView text) {
    return leadingNumber(text);
}

qint64 numericValue(QByteArrayView text) {
    return leadingNumber(text);
}

TypedText keepTypedLimit(const QString& beforeCaret, const QString& afterCaret, int limit) {
    const qsizetype room = std::max<qsizetype>(0, limit - afterCaret.size());
    const QString kept = beforeCaret.left(room);
    return {kept + afterCaret, kept.size()};
}

}  // namespace tavo::text
