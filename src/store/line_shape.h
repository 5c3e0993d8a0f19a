#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tavo::store {

// The shape test of a line against a pattern of commas: the line's commas and
// "#" characters, in order (a comma that would follow ",#" is skipped), must
// give exactly the pattern.
bool forma_linie(QStringView line, QStringView pattern);

// The shapes of ordine.txt: lines of earlier versions have 15, 17 or 18
// commas; the current shape has 19.
constexpr int currentCommas = 19;

// The number of commas of a line when it has one of the known shapes
// (15, 17, 18 or 19 commas and no "#"), else -1. Same answer as testing the
// four patterns with forma_linie, in one pass.
int knownShape(QStringView line);
// The same test on a line as stored (one byte a character).
int knownShape(QByteArrayView line);

// How many empty fields a line of `commas` commas lacks before its type.
inline int missingFields(int commas) {
    return currentCommas - commas;
}

// Brings a line of a known shape up to date: the missing empty fields are
// inserted before the type (the text after its last comma).
QString updatedLine(QStringView line, int commas);

}  // namespace tavo::store
