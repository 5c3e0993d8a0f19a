#pragma once

#include <QString>

namespace tavo::document {

// Whether the checks of field `k` (a D1) left what a table cell says: the
// stored text `checked` and the cell `cell` differ at most in what a user
// typing it would not call a change. Text fields: case, blanks, the
// diacritics the form removes and the characters its cleaning turns into
// blanks ("STR. X, 3" stored as "STR. X  3"). Amounts: "," for the decimal point, dots
// grouping thousands ("1.500,00") and trailing zeros ("1500" for "1500.00").
// Dates: the same day written d/m/yyyy (or yyyy-mm-dd) as dd/mm/yyyy; a date
// whose day and month were swapped, or a date put in place of nothing, is
// a change.
bool sameAsCell(int k, const QString& cell, const QString& checked);

}  // namespace tavo::document
