#include "document/import_values.h"

#include <QDate>
#include <QRegularExpression>
#include <optional>

#include "document/field_checks.h"
#include "store/field_names.h"
#include "text/cleaners.h"

namespace tavo::document {
namespace {

// Whether two texts read the same when diacritics, case and every blank or
// line break are left out.
bool sameFolded(const QString& a, const QString& b) {
    const auto folded = [](QChar c) { return text::baseLetter(c).toUpper(); };
    qsizetype i = 0, j = 0;
    for (;;) {
        while (i < a.size() && a[i].isSpace()) ++i;
        while (j < b.size() && b[j].isSpace()) ++j;
        if (i == a.size() || j == b.size())
            return i == a.size() && j == b.size();
        if (folded(a[i++]) != folded(b[j++]))
            return false;
    }
}

// A cell as the form's cleaning leaves it in field `k`: the characters a
// stored line cannot hold ("," and "#", and in the fields the barcode carries
// every character it does not take) turned into blanks, as typing them does.
// The other fields take what they are given; the order number drops what it
// cannot hold, which is a change.
QString blankedAsTyped(int k, const QString& cell) {
    if (isFreeText(k))
        return text::inlocuire_CB(text::curatare_camp(cell));
    return k == D1::cod_program ? text::curatare_camp(cell) : cell;
}

// An amount written with at most two decimals, in bani: "1500", "1500.5",
// "1500,50", "1.500", "1.500,00", blanks anywhere. Nothing for any other text.
std::optional<qint64> exactBani(const QString& amount) {
    static const QRegularExpression grouped(
        QStringLiteral("^[1-9][0-9]{0,2}(\\.[0-9]{3})+(,[0-9]{1,2})?$"));
    static const QRegularExpression plain(QStringLiteral("^([0-9]{1,15})([.,]([0-9]{1,2}))?$"));
    QString compact = amount;
    compact.removeIf([](QChar c) { return c.isSpace(); });
    if (grouped.match(compact).hasMatch())
        compact.remove(QLatin1Char('.'));
    const QRegularExpressionMatch m = plain.match(compact);
    if (!m.hasMatch())
        return std::nullopt;
    const QString decimals = m.captured(3).leftJustified(2, QLatin1Char('0'));
    return m.captured(1).toLongLong() * 100 + decimals.toLongLong();
}

// A date written day first ("5/3/2024", "05.03.2024", "05-03-2024") or year
// first ("2024-03-05"), with a four-digit year. Nothing for any other text,
// and for a day-first text whose month is not one.
std::optional<QDate> writtenDate(const QString& text) {
    static const QRegularExpression dayFirst(
        QStringLiteral("^([0-9]{1,2})[/.-]([0-9]{1,2})[/.-]([0-9]{4})$"));
    static const QRegularExpression yearFirst(
        QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const QString trimmed = text.trimmed();
    QDate date;
    if (const QRegularExpressionMatch m = dayFirst.match(trimmed); m.hasMatch())
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    else if (const QRegularExpressionMatch y = yearFirst.match(trimmed); y.hasMatch())
        date = QDate(y.captured(1).toInt(), y.captured(2).toInt(), y.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}  // namespace

bool sameAsCell(int k, const QString& cell, const QString& checked) {
    if (cell.trimmed().isEmpty() || checked.isEmpty())
        return cell.trimmed().isEmpty() && checked.isEmpty();
    if (k == D1::suma) {
        const std::optional<qint64> typed = exactBani(cell);
        return typed && typed == exactBani(checked);
    }
    if (k == D1::data_emiterii || k == D1::data_debitarii) {
        const std::optional<QDate> typed = writtenDate(cell);
        return typed && typed == writtenDate(checked);
    }
    return cell == checked || sameFolded(blankedAsTyped(k, cell), checked);
}

}  // namespace tavo::document
