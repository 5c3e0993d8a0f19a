#include "main_window/search_amount.h"

#include <QRegularExpression>

namespace tavo {
namespace {

constexpr qsizetype kMaxWholeDigits = 15;

// Whole lei and up to two decimal digits, as bani; none past the digits an amount holds.
std::optional<qint64> inBani(QStringView whole, QStringView decimals) {
    while (whole.size() > 1 && whole.front() == u'0') whole = whole.sliced(1);
    if (whole.size() > kMaxWholeDigits)
        return std::nullopt;
    qint64 bani = 0;
    for (const QChar digit : whole) bani = bani * 10 + digit.digitValue();
    for (qsizetype place = 0; place < 2; ++place)
        bani = bani * 10 + (place < decimals.size() ? decimals[place].digitValue() : 0);
    return bani;
}

}  // namespace

std::optional<qint64> typedAmount(QStringView typed) {
    // Plain digits are tried first, so "1500.50" is 1500,50; a "." followed by
    // three digits and no decimals after them groups thousands ("12.500").
    static const QRegularExpression amount(
        QStringLiteral("^\\s*(?:([0-9]+)(?:[.,]([0-9]{0,2}))?|([0-9]{1,3}(?:\\.[0-9]{3})+)(?:,([0-"
                       "9]{0,2}))?)\\s*$"));
    const QRegularExpressionMatch match = amount.match(typed);
    if (!match.hasMatch())
        return std::nullopt;
    if (match.hasCaptured(1))
        return inBani(match.capturedView(1), match.capturedView(2));
    return inBani(match.captured(3).remove(QLatin1Char('.')), match.capturedView(4));
}

std::optional<qint64> storedAmount(QByteArrayView field) {
    const auto isDigit = [&](qsizetype at) {
        return at < field.size() && field[at] >= '0' && field[at] <= '9';
    };
    qsizetype at = 0;
    qint64 bani = 0;
    qsizetype wholeDigits = 0;  // leading zeros aside
    for (; isDigit(at); ++at) {
        bani = bani * 10 + (field[at] - '0');
        wholeDigits += bani != 0;
        if (wholeDigits > kMaxWholeDigits)
            return std::nullopt;
    }
    const bool whole = at > 0;
    qsizetype decimals = 0;
    if (at < field.size() && field[at] == '.') {
        for (++at; decimals < 2 && isDigit(at); ++at, ++decimals)
            bani = bani * 10 + (field[at] - '0');
    }
    if (at != field.size() || (!whole && decimals == 0))
        return std::nullopt;
    for (; decimals < 2; ++decimals) bani *= 10;
    return bani;
}

}  // namespace tavo
