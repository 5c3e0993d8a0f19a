#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tavo::text {

// The numeric value of a text as the program reads order numbers: blanks are
// ignored, the leading digits count, a text without leading digits is 0.
// A value too large to hold saturates at the largest number.
qint64 numericValue(QStringView text);
// The same reading of a text as stored (one byte a character).
qint64 numericValue(QByteArrayView text);

// A field's text after the user typed or pasted into it, and where the caret
// stands in it.
struct TypedText {
    QString text;
    qsizetype caret = 0;
};

// What typing or pasting leaves in a field that takes at most `limit` typed
// characters: `beforeCaret` is the text up to the caret, ending with what was
// just typed or pasted, `afterCaret` the rest. Past the limit, what was just
// typed is cut, as a field refuses the keys beyond its limit; the caret stays
// right after what was kept.
TypedText keepTypedLimit(const QString& beforeCaret, const QString& afterCaret, int limit);

// Right-aligns in `width` characters with blanks in front; a longer text is
// kept whole (the column widens rather than cutting a value).
inline QString alignRight(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '), false);
}

// Left-aligns in `width` characters with blanks after; a longer text is kept whole.
inline QString alignLeft(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), false);
}

}  // namespace tavo::text
