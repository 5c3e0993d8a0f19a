#include "checks/amounts.h"

#include <QRegularExpression>
#include <QStringList>
#include <limits>

#include "checks/amount_words.h"
#include "checks/number_prefix.h"

namespace tavo::checks {
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString withoutBlanks(const QString& text) {
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}

// Without the characters the reading of an amount skips (blanks, tabs, line
// breaks), so that what is cut from the text is what the reading saw.
QString withoutSkipped(const QString& text) {
    QString out = text;
    out.removeIf([](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
               c == QLatin1Char('\n');
    });
    return out;
}

// A number as the amount field accepts it: blanks anywhere, an optional sign,
// digits with at most one decimal point ("." or ","), at least one digit.
bool isAmountNumber(const QString& text) {
    const QString t = withoutBlanks(text);
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (isDigit(c)) {
            digit = true;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

QString suma_punct(const QString& amount) {
    QString out = amount;
    out.replace(QLatin1Char(','), QLatin1Char('.'));
    return out;
}

double suma_num(const QString& amount) {
    const NumberPrefix n = readNumber(suma_punct(amount));
    if (n.empty())
        return 0.0;
    const QString clean = (n.integer.isEmpty() ? QStringLiteral("0") : n.integer) +
                          QLatin1Char('.') +
                          (n.decimals.isEmpty() ? QStringLiteral("0") : n.decimals);
    const double magnitude = clean.toDouble();
    return n.negative && magnitude != 0.0 ? -magnitude : magnitude;
}

qint64 amountInBani(const QString& amount) {
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    // The most lei that still leave room for 99 bani.
    constexpr qint64 mostLei = (largest - 99) / 100;
    const NumberPrefix n = readNumber(suma_punct(amount));
    qint64 lei = 0;
    for (const QChar c : n.integer) {
        const int digit = c.unicode() - '0';
        if (lei > (mostLei - digit) / 10)
            return n.negative ? -largest : largest;
        lei = lei * 10 + digit;
    }
    const QString cents = n.decimals.left(2).leftJustified(2, QLatin1Char('0'));
    const qint64 bani = lei * 100 + cents.toInt();
    return n.negative ? -bani : bani;
}

QString baniToText(qint64 bani) {
    const bool negative = bani < 0;
    const quint64 magnitude = negative ? 0 - quint64(bani) : quint64(bani);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) +
           QLatin1Char('.') + QString::number(magnitude % 100).rightJustified(2, QLatin1Char('0'));
}

QString grupare_mii(const QString& number) {
    const NumberPrefix n = readNumber(number);
    const QString digits = n.significantInteger();
    if (digits.isEmpty())
        return {};
    const qsizetype head = digits.size() % 3;
    QStringList pieces;
    if (head > 0)
        pieces << digits.left(head);
    for (qsizetype i = head; i < digits.size(); i += 3) pieces << digits.mid(i, 3);
    return (n.negative ? QStringLiteral("-") : QString()) + pieces.join(QLatin1Char('.'));
}

QString checkTypedAmount(const QString& typed, Notices& notices) {
    if (!isAmountNumber(typed))
        return {};
    QString amount = withoutBlanks(suma_punct(typed));
    if (amount.startsWith(QLatin1Char('-')) || amount.startsWith(QLatin1Char('+')))
        amount.remove(0, 1);
    const qsizetype point = amount.indexOf(QLatin1Char('.'));
    if ((point < 0 && amount.size() > 15) || point > 15) {
        notices.push_back({QStringLiteral("Suma are mai mult de 15 cifre la partea intreaga."),
                           Icon::Exclamation});
        amount.truncate(15);
    }
    return amount;
}

std::optional<ThousandsQuestion> thousandsQuestion(const QString& typed) {
    // A first group starting with 0 ("0.500") is half a leu, not thousands.
    static const QRegularExpression grouped(
        QStringLiteral("^[1-9][0-9]{0,2}(\\.[0-9]{3})+(,[0-9]{1,2})?$"));
    const QString compact = withoutBlanks(typed);
    if (!grouped.match(compact).hasMatch())
        return std::nullopt;
    QString amount = compact;
    amount.remove(QLatin1Char('.'));
    // What the field check makes of the text when the dots are not thousands.
    const QString asDecimals = isAmountNumber(compact) ? amountForms(compact).grouped : QString();
    const QString otherwise = asDecimals.isEmpty() ? QStringLiteral("suma se sterge")
                                                   : asDecimals + QStringLiteral(" lei");
    return ThousandsQuestion{
        QStringLiteral("Suma %1 inseamna %2 lei ? (Nu: %3)").arg(compact, amount, otherwise),
        amount};
}

QString leaveAmountField(const QString& typed, bool thousandsMeant, Notices& notices) {
    const std::optional<ThousandsQuestion> thousands = thousandsQuestion(typed);
    if (thousands && thousandsMeant)
        return checkTypedAmount(thousands->amount, notices);
    return checkTypedAmount(typed, notices);
}

namespace {

AmountForms formsOf(const QString& field) {
    if (amountInBani(field) == 0)
        return {};
    // A stored amount may hold a tab (a file edited elsewhere): the field
    // written back must keep the value the sums read from it.
    const QString amount = withoutSkipped(suma_punct(field));
    const qsizetype point = amount.indexOf(QLatin1Char('.'));
    if (point < 0)
        return {field, grupare_mii(amount), cre_litere(amount)};

    const QString integer = amount.left(point);
    QString decimals = amount.mid(point + 1, 2);
    if (decimals.size() == 1)
        decimals.append(QLatin1Char('0'));
    return {integer + QLatin1Char('.') + decimals,
            grupare_mii(integer) + QLatin1Char(',') + decimals,
            cre_litere(integer) + QLatin1Char(',') + decimals + QLatin1String("bani")};
}

}  // namespace

AmountForms amountForms(const QString& field) {
    // The document check works the forms out again each time a field is
    // left, mostly for the amount of the time before.
    thread_local QString lastField;
    thread_local AmountForms lastForms;
    thread_local bool known = false;
    if (!known || field != lastField) {
        lastForms = formsOf(field);
        lastField = field;
        known = true;
    }
    return lastForms;
}

}  // namespace tavo::checks
