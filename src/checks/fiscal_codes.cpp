#include "checks/fiscal_codes.h"

#include <algorithm>

namespace tavo::checks {
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

int digitAt(const QString& text, int index) {
    return text.at(index).unicode() - '0';
}

int twoDigitsAt(const QString& text, int index) {
    return digitAt(text, index) * 10 + digitAt(text, index + 1);
}

// Sum of the digits of `code` times the weights, position by position.
int weightedSum(const QString& code, const char* weights, int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i) sum += digitAt(code, i) * (weights[i] - '0');
    return sum;
}

// Month 1 to 12 and a day that month can have. Only the two-digit year is
// known, so every year divisible by 4 (also 00) counts as a leap year.
bool plausibleBirthDate(int year, int month, int day) {
    if (month == 0 || month > 12)
        return false;
    if (day == 0 || day > 31)
        return false;
    const bool shortMonth = month == 2 || month == 4 || month == 6 || month == 9 || month == 11;
    if (shortMonth && day > 30)
        return false;
    if (month == 2 && day > 29)
        return false;
    if (month == 2 && year % 4 != 0 && day > 28)
        return false;
    return true;
}

}  // namespace

bool verif_CNP(const QString& code) {
    if (code.size() != 13 || !allDigits(code))
        return false;
    if (code.at(0) != QLatin1Char('9') &&
        !plausibleBirthDate(twoDigitsAt(code, 1), twoDigitsAt(code, 3), twoDigitsAt(code, 5)))
        return false;
    const int remainder = weightedSum(code, "279146358279", 12) % 11;
    // A remainder of 10 gives the control digit 1 (the first digit of "10").
    const int control = remainder == 10 ? 1 : remainder;
    return digitAt(code, 12) == control;
}

bool verif_CIF(const QString& code) {
    if (code.isEmpty())
        return true;
    if (code.size() > 10 || !allDigits(code))
        return false;
    const QString padded = code.rightJustified(10, QLatin1Char('0'));
    const int remainder = weightedSum(padded, "753217532", 9) * 10 % 11;
    // A remainder of 10 gives the control digit 0 (the last digit of "10").
    const int control = remainder == 10 ? 0 : remainder;
    return digitAt(padded, 9) == control;
}

}  // namespace tavo::checks
