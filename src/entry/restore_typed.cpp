// What the field checks take from the user, kept so that Ctrl+Z in the field
// brings it back to be corrected instead of typed again from scratch.
#include <utility>

#include "checks/amounts.h"
#include "entry/incarc.h"

namespace tavo {
namespace {

bool validIndex(int k) {
    return k >= 0 && k < Incarc::kFields;
}

qsizetype digitCount(const QString& text) {
    return std::ranges::count_if(text, [](QChar c) { return c.isDigit(); });
}

// Whether the checks of d1(k), which left `left` of the text `typed`, took
// it from the user: they emptied it; or they put something else in its place
// and said so in a hint (today's date for a date that is not one, the payer's
// code for a wrong one, an amount read other than meant); or they kept fewer
// of the amount's digits (an integer part cut to 15 digits, decimals past
// the second). What they only wrote in its normal form (an IBAN upper-cased,
// an amount with its decimals, a date as dd/mm/yyyy) is the user's value, and
// so is an amount read as the user answered the thousands question.
bool checksTookTyped(int k, const QString& typed, const QString& left, bool hinted) {
    if (typed.trimmed().isEmpty() || left == typed)
        return false;
    if (left.isEmpty() || hinted)
        return true;
    return k == D1::suma && !checks::thousandsQuestion(typed) &&
           digitCount(left) < digitCount(typed);
}

}  // namespace

void Incarc::checkLeftField(int k) {
    const QString typed = d1[size_t(k)];
    const int hintsBefore = hintsGiven;
    // A field only passed through keeps what was taken from it before.
    const bool untouched = canRestoreTyped(k);
    leaveField(k);
    const QString& left = d1[size_t(k)];
    if (untouched && left == taken_[size_t(k)].left)
        return;
    const bool hinted = hintsGiven != hintsBefore && hint.field == k;
    taken_[size_t(k)] =
        checksTookTyped(k, typed, left, hinted) ? TakenText{typed, left} : TakenText{};
}

void Incarc::editField(int k, const QString& text) {
    if (!validIndex(k))
        return;
    d1[size_t(k)] = text;
    taken_[size_t(k)] = {};
    if (hint.field == k)
        clearHint();
}

bool Incarc::canRestoreTyped(int k) const {
    if (!validIndex(k))
        return false;
    const TakenText& taken = taken_[size_t(k)];
    return !taken.typed.isEmpty() && d1[size_t(k)] == taken.left;
}

std::optional<FieldSelection> Incarc::restoreTyped(int k) {
    if (!canRestoreTyped(k))
        return std::nullopt;
    // Leaving the field that had the focus may change this one.
    setFocus(fieldName(k));
    if (!canRestoreTyped(k))
        return std::nullopt;
    d1[size_t(k)] = std::exchange(taken_[size_t(k)], {}).typed;
    return FieldSelection{0, int(d1[size_t(k)].size())};
}

void Incarc::forgetTypedTexts() {
    taken_.fill({});
}

}  // namespace tavo
