#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstring>
#include <type_traits>

// A stored document is one line of ordine.txt: its fields separated by
// commas, the type ("OP" or "FV") after the last one. Everything that reads
// a stored line reads it through this file: which lines are documents (their
// shapes), how a file splits into lines, and how a line splits into fields.
// The same readers serve the decoded text (QStringView) and the line as
// stored (QByteArrayView, one CP1250 byte a character, so commas and
// positions read the same in both).

namespace tavo::store {

// ---- Shapes

// The current shape has 19 commas (20 fields); lines of earlier versions
// have 15, 17 or 18, and lack empty fields just before the type. The fields
// before the type stand at the same places in every shape.
constexpr int currentCommas = 19;
constexpr std::array<int, 4> knownShapes{15, 17, 18, 19};

// Whether a line of `commas` commas is a document: one of the known shapes
// and no "#" anywhere in it.
constexpr bool isKnownShape(int commas, bool hash) {
    if (hash)
        return false;
    for (const int shape : knownShapes) {
        if (commas == shape)
            return true;
    }
    return false;
}

// The shape test of a line against a pattern of commas: the line's commas and
// "#" characters, in order (a comma that would follow ",#" is skipped), must
// give exactly the pattern.
bool forma_linie(QStringView line, QStringView pattern);

// The number of commas of a line when it has one of the known shapes, else
// -1. Same answer as testing the patterns of the known shapes with
// forma_linie, in one pass.
int knownShape(QStringView line);
// The same test on a line as stored.
int knownShape(QByteArrayView line);

// How many empty fields a line of `commas` commas lacks before its type.
inline int missingFields(int commas) {
    return currentCommas - commas;
}

// Brings a line of a known shape up to date: the missing empty fields are
// inserted before the type (the text after its last comma).
QString updatedLine(QStringView line, int commas);

// ---- Lines of the file

// Splits the bytes of ordine.txt into lines. A line ends at LF; a CR just
// before its end is no part of it (on a last line without LF too).
class StoredLineSplitter {
  public:
    explicit StoredLineSplitter(QByteArrayView content)
        : p_(content.data()), end_(content.data() + content.size()) {}

    bool atEnd() const { return p_ >= end_; }

    // The next line without its end; `crLf`, when given, tells whether it
    // ended in CR LF.
    QByteArrayView next(bool* crLf = nullptr) {
        const char* newline = static_cast<const char*>(std::memchr(p_, '\n', size_t(end_ - p_)));
        const char* stop = newline ? newline : end_;
        const char* end = stop > p_ && stop[-1] == '\r' ? stop - 1 : stop;
        if (crLf)
            *crLf = newline && end != stop;
        const QByteArrayView line(p_, end - p_);
        p_ = stop + 1;
        return line;
    }

  private:
    const char* p_;
    const char* end_;
};

// ---- Fields of a line

namespace line_detail {

// The first comma from `p` on, or null.
inline const char* findComma(const char* p, const char* end) {
    return static_cast<const char*>(std::memchr(p, ',', size_t(end - p)));
}
inline const QChar* findComma(const QChar* p, const QChar* end) {
    const qsizetype at = QStringView(p, end).indexOf(u',');
    return at < 0 ? nullptr : p + at;
}

inline qsizetype lastComma(QByteArrayView line) {
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        if (line[i] == ',')
            return i;
    }
    return -1;
}
inline qsizetype lastComma(QStringView line) {
    return line.lastIndexOf(u',');
}

}  // namespace line_detail

// Walks the fields of a line from the left: field k is the text between
// comma k-1 and comma k. Once the line is used up, every further field is
// empty (and null).
template <typename View>
class LineFields {
    using Char = std::remove_const_t<std::remove_pointer_t<decltype(View().data())>>;

  public:
    explicit LineFields(View line) : p_(line.data()), end_(line.data() + line.size()) {}

    // The next field: the text up to the next comma, or to the end of the line.
    View next() {
        if (!p_)
            return {};
        const Char* comma = line_detail::findComma(p_, end_);
        const Char* stop = comma ? comma : end_;
        const View field(p_, stop - p_);
        p_ = comma ? comma + 1 : nullptr;
        return field;
    }

    // Everything from the next field to the end of the line, commas included.
    View rest() {
        if (!p_)
            return {};
        const View rest(p_, end_ - p_);
        p_ = nullptr;
        return rest;
    }

  private:
    const Char* p_;  // where the next field begins; null once the line is used up
    const Char* end_;
};

// Field k (1 to 20) of a line of the current shape: field 20 is everything
// after the nineteenth comma; a field beyond the line's commas is empty.
template <typename View>
View fieldAt(View line, int k) {
    LineFields<View> fields(line);
    for (int skipped = 1; skipped < k; ++skipped) fields.next();
    return k > currentCommas ? fields.rest() : fields.next();
}

// Where the type of a line begins: just after its last comma (0 for none).
template <typename View>
qsizetype typeStart(View line) {
    return line_detail::lastComma(line) + 1;
}

// The type of a line of any shape: the text after its last comma.
template <typename View>
View typeOf(View line) {
    return line.sliced(typeStart(line));
}

}  // namespace tavo::store
