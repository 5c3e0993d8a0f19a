#pragma once

#include <QString>

namespace tavo::checks {

// The number at the start of a text, read as the amount operations read it:
// blanks, tabs and line breaks are skipped, one sign may come first, "." is the
// decimal point, and reading stops at the first character that cannot
// continue the number.
struct NumberPrefix {
    bool negative = false;
    QString integer;   // digits before the point, as written
    QString decimals;  // digits after it

    bool empty() const { return integer.isEmpty() && decimals.isEmpty(); }
    // The integer digits without leading zeros ("" for zero).
    QString significantInteger() const;
};

NumberPrefix readNumber(const QString& text);

}  // namespace tavo::checks
