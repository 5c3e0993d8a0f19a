#include "checks/dates.h"

#include <QStringList>
#include <algorithm>

#include "text/text_helpers.h"

namespace tavo::checks {
namespace {

const QLatin1Char slash('/');

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Removes blanks (only blanks) at both ends.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

qint64 value(const QString& text) {
    return text::numericValue(text);
}

int twoDigitYear(int year) {
    return year < 30 ? 2000 + year : 1900 + year;
}

}  // namespace

std::optional<QDate> dateFromText(const QString& text) {
    QString unified = trimBlanks(text);
    unified.replace(QLatin1Char('.'), slash).replace(QLatin1Char('-'), slash);
    const QStringList parts = unified.split(slash);
    if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), allDigits))
        return std::nullopt;
    for (const QString& part : parts)
        if (part.size() > 4)
            return std::nullopt;

    if (parts[0].size() == 4) {
        if (parts[1].size() > 2 || parts[2].size() > 2)
            return std::nullopt;
        const QDate date(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    if (parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() == 3)
        return std::nullopt;
    int year = parts[2].toInt();
    if (parts[2].size() <= 2)
        year = twoDigitYear(year);
    const int first = parts[0].toInt();
    const int second = parts[1].toInt();
    QDate date(year, second, first);
    if (!date.isValid() && second > 12)
        date = QDate(year, first, second);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString dateToText(const QDate& date) {
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    // Written directly: the checks write a date at every field left.
    if (year < 1 || year > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    QString text(10, slash);
    const auto put = [&text](qsizetype at, int number, int digits) {
        for (qsizetype i = at + digits - 1; i >= at; --i, number /= 10)
            text[i] = QLatin1Char(char('0' + number % 10));
    };
    put(0, day, 2);
    put(3, month, 2);
    put(6, year, 4);
    return text;
}

QString norm_data(const QString& typed, int currentYear) {
    QString t = trimBlanks(typed);
    t.replace(QLatin1Char(' '), slash)
        .replace(QLatin1Char('.'), slash)
        .replace(QLatin1Char('-'), slash);
    if (t.isEmpty() || t == QLatin1String("//"))
        return {};
    if (t.count(slash) != 2)
        return {};

    const qsizetype firstSlash = t.indexOf(slash);
    const qsizetype secondSlash = t.indexOf(slash, firstSlash + 1);
    const QString a = trimBlanks(t.left(firstSlash));
    const QString b = trimBlanks(t.mid(firstSlash + 1, secondSlash - firstSlash - 1));
    const QString c = trimBlanks(t.mid(secondSlash + 1));

    // A four-character first part is the year: yyyy/p/q.
    const bool yearFirst = firstSlash == 4;
    QString p = yearFirst ? b : a;
    QString q = yearFirst ? c : b;
    QString y = yearFirst ? a : c;
    if (p.size() == 1)
        p.prepend(QLatin1Char('0'));
    if (q.size() == 1)
        q.prepend(QLatin1Char('0'));
    switch (y.size()) {
        case 1:
            y.prepend(QLatin1String("200"));
            break;
        case 2:
            y.prepend(QLatin1String("20"));
            break;
        case 3:
            y.prepend(QLatin1Char('2'));
            break;
        case 4:
            break;
        default:
            y = QString::number(currentYear).rightJustified(4, QLatin1Char('0'));
    }

    if (p.isEmpty() || p.size() > 2 || q.isEmpty() || q.size() > 2)
        return {};
    if (value(y) == 0 || value(p) == 0 || value(q) == 0)
        return {};
    if (value(p) > 12 && value(q) > 12)
        return {};

    // The first of the two numbers is the day, unless the second cannot be a month.
    const bool secondIsDay = value(q) > 12;
    const QString day = secondIsDay ? q : p;
    const QString month = secondIsDay ? p : q;
    if (!allDigits(day) || !allDigits(month) || !allDigits(y))
        return {};
    if (!QDate::isValid(y.toInt(), month.toInt(), day.toInt()))
        return {};
    return day + slash + month + slash + y;
}

QString norm_data(const QString& typed) {
    return norm_data(typed, QDate::currentDate().year());
}

namespace {

// The date a text stands for, written dd/mm/yyyy; nothing when it is none
// or before 2015. The conversion writes "/" between the parts, so the text
// needs no separator rewriting afterwards.
std::optional<QString> checkedDate(const QString& text) {
    const std::optional<QDate> date = dateFromText(text);
    const QString written = date ? dateToText(*date) : QString();
    const QString year = written.right(4);
    if (!date || year.at(0) != QLatin1Char('2') || value(year) < 2015)
        return std::nullopt;
    return written;
}

}  // namespace

QString verif_data(const QString& text, Notices& notices) {
    // The document check asks again for the same date at every field left.
    thread_local QString lastText;
    thread_local std::optional<QString> lastDate;
    thread_local bool known = false;
    if (!known || text != lastText) {
        lastDate = checkedDate(text);
        lastText = text;
        known = true;
    }
    // A text that is not a date is refused rather than kept: it would
    // otherwise be saved and printed as a date.
    if (!lastDate) {
        notices.push_back(
            {QStringLiteral("ATENTIE ! Data trebuie sa fie in format dd/mm/yyyy."), Icon::None});
        return {};
    }
    return *lastDate;
}

QString programShortDate(const QDate& date) {
    return dateToText(date);
}

int unusableShortDateRule(const QString& t, const QString& t1, const QString& t31) {
    // A day from 28 to 31 must stand at the very beginning of the text.
    const QString start = t.left(5);
    qsizetype positions = 0;
    for (const char* day : {"28", "29", "30", "31"})
        positions += start.indexOf(QLatin1String(day)) + 1;
    if (positions != 0 && positions != 1)
        return 1;

    const qint64 first = value(t.mid(0, 2));
    const qint64 second = value(t.mid(3, 2));
    if (first == 31 && second >= 20)
        return 2;
    if (!t.contains(QLatin1Char('.')) && !t.contains(slash))
        return 3;
    if (second == 0)
        return 4;
    // The day changes from one day to the next; the month within 31 days.
    if (t.mid(0, 2) == t1.mid(0, 2))
        return 5;
    if (t.mid(3, 2) == t31.mid(3, 2))
        return 6;
    return 0;
}

std::optional<Notice> verif_setare_data(const ShortDateFormatter& format, const QDate& today) {
    const int rule =
        unusableShortDateRule(format(today), format(today.addDays(1)), format(today.addDays(31)));
    if (rule == 0)
        return std::nullopt;
    return Notice{
        QStringLiteral("Data calendaristica nu este in format dd/mm/yyyy.\r\n"
                       "Modificati setarea datei calendaristice (format si separator de "
                       "data) \r\n"
                       "in Control Panel/Regional Settings (Regional and Language Options)."),
        Icon::Exclamation};
}

}  // namespace tavo::checks
