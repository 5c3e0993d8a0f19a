#pragma once

#include <QString>

namespace tavo::checks {

// The words of one three-digit group `g` ("021") standing at position `i` of
// the fifteen-digit amount (1, 4, 7, 10, 13 for 10^12, 10^9, 10^6, 10^3 and units).
QString litere_grup(const QString& g, int i);

// The scale word after a non-zero group: "mie"/"mii", "miliard"/"miliarde",
// "milion"/"milioane", nothing for the units; the singular for "001".
QString ordin_grup(int i, const QString& g);

// An integer amount in Romanian words with no blanks between them, ending in
// "lei" ("douamiidouazecisiunulei"), "unleu" for 1, the empty text for zero, a
// negative number, or more than 15 digits.
QString cre_litere(const QString& number);

}  // namespace tavo::checks
