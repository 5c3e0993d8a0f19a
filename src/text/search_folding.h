#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace tavo::text {

// Texts compared by a search ignore case and diacritics: every letter folds to
// its plain lower-case letter (Ă Â ă â -> a, Î î -> i, Ş ş ș -> s, Ţ ţ ț -> t,
// É é -> e...). Folding works on text as stored, one byte a character, and
// gives one byte for one byte.

// Appends the folded form of `stored` (bytes of the working-folder code page).
void appendSearchFolded(QByteArray& out, QByteArrayView stored);

// The folded form of a typed text, comparable with appendSearchFolded's. None
// when the text holds a character that no stored line can hold.
std::optional<QByteArray> searchFolded(QStringView typed);

}  // namespace tavo::text
