#pragma once

#include <QString>

namespace tavo::text {

// The cleaners that keep field texts within what the orders file and the
// barcode payload can carry. "Trim" means blanks (spaces) only; tabs and
// other white space are characters like any other.

// Trimmed, CR and LF removed, every "," and "#" turned into a blank. Blanks
// that this produces at the ends stay.
QString curatare_camp(const QString& text);

// Trimmed, CR and LF removed, letters with diacritics turned into their base
// letter, every character the barcode does not take (punctuation other than
// "( ) - . / = >", the upper half of the code page, characters outside it)
// turned into a blank, trimmed again.
QString inlocuire_CB(const QString& text);

// Trimmed, CR and LF removed, letters with diacritics turned into their base
// letter, then only blanks, ".", digits and the letters A-Z and a-z kept,
// trimmed again.
QString filtru_CB(const QString& text);

// A Latin letter with diacritics ("ă", "Ş", "ț", "é", "ł"...) as its base
// letter; any other character unchanged.
QChar baseLetter(QChar c);

}  // namespace tavo::text
