#include "checks/amount_words.h"

#include <array>

#include "checks/number_prefix.h"

namespace tavo::checks {
namespace {

// Digit words in their feminine forms; index 0 is never used.
constexpr std::array<const char*, 10> kDigitWords = {"",      "una",  "doua",  "trei", "patru",
                                                     "cinci", "sase", "sapte", "opt",  "noua"};

QLatin1String digitWord(int digit) {
    return QLatin1String(kDigitWords[digit]);
}

int digitAt(const QString& text, int index) {
    return text.at(index).unicode() - '0';
}

// "1" in the units of a group: its form follows the scale word after it.
QLatin1String unitOne(const QString& g, int i) {
    const bool single = g == QLatin1String("001");
    switch (i) {
        case 1:
            return QLatin1String(single ? "una" : "unu");
        case 4:
        case 7:
            return QLatin1String(single ? "un" : "unu");
        case 10:
            return QLatin1String("una");
        default:
            return QLatin1String("unu");
    }
}

}  // namespace

QString litere_grup(const QString& g, int i) {
    const int h = digitAt(g, 0);
    const int t = digitAt(g, 1);
    const int u = digitAt(g, 2);
    QString words;
    if (h != 0)
        words += digitWord(h) + QLatin1String(h == 1 ? "suta" : "sute");
    if (t == 1) {
        if (u == 0)
            words += QLatin1String("zece");
        else if (u == 1)
            words += QLatin1String("unsprezece");
        else
            words += digitWord(u) + QLatin1String("sprezece");
        return words;
    }
    if (t != 0)
        words += digitWord(t) + QLatin1String("zeci");
    if (u != 0) {
        if (t != 0)
            words += QLatin1String("si");
        if (u == 1)
            words += unitOne(g, i);
        else if (u == 2)
            words += QLatin1String(i == 13 ? "doi" : "doua");
        else
            words += digitWord(u);
    }
    return words;
}

QString ordin_grup(int i, const QString& g) {
    const bool single = g == QLatin1String("001");
    switch (i) {
        case 1:
        case 10:
            return QLatin1String(single ? "mie" : "mii");
        case 4:
            return QLatin1String(single ? "miliard" : "miliarde");
        case 7:
            return QLatin1String(single ? "milion" : "milioane");
        default:
            return {};
    }
}

QString cre_litere(const QString& number) {
    const NumberPrefix n = readNumber(number);
    if (n.negative)
        return {};
    const QString digits = n.significantInteger();
    if (digits.isEmpty() || digits.size() > 15)
        return {};
    if (digits == QLatin1String("1"))
        return QStringLiteral("unleu");

    const QString padded = digits.rightJustified(15, QLatin1Char('0'));
    const QLatin1String none("000");
    const bool thousandsOfBillions = padded.left(3) != none;
    QString words;
    for (int i = 1; i <= 13; i += 3) {
        const QString g = padded.mid(i - 1, 3);
        if (g != none) {
            words += litere_grup(g, i) + ordin_grup(i, g);
        } else if (i == 4 && thousandsOfBillions) {
            // The first group counts thousands of billions: "...mii" then "miliarde".
            words += QLatin1String("miliarde");
        }
    }
    return words + QLatin1String("lei");
}

}  // namespace tavo::checks
