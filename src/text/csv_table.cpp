#include "text/csv_table.h"

#include <array>

#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <cstring>

#include "text/cp1250.h"
#include "text/search_folding.h"

namespace tavo::text {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kCandidateSeparators[] = {u';', u'\t', u','};

bool isLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// The line ends in text[from, to): CR LF, a lone LF and a lone CR each end one
// line. `size` bounds the look past `to` for the LF of a CR LF.
template <typename Char>
int countLineEnds(const Char* text, qsizetype from, qsizetype to, qsizetype size) {
    int count = 0;
    for (qsizetype i = from; i < to; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n')))
            ++count;
    }
    return count;
}

// The line (from 1) of the character or byte at `offset`.
template <typename Char>
int lineAt(const Char* text, qsizetype offset, qsizetype size) {
    return 1 + countLineEnds(text, 0, offset, size);
}

QString atLine(const char* what, int line) {
    return QStringLiteral("%1 la linia %2").arg(QLatin1String(what)).arg(line);
}

// The line of the first byte sequence that is not UTF-8. Checked a line at a
// time, as a sequence never spans a line end.
int firstBadUtf8Line(QByteArrayView bytes) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        if (!bytes.sliced(start, end - start).isValidUtf8())
            return lineAt(bytes.data(), start, bytes.size());
        start = end + 1;
    }
    return lineAt(bytes.data(), bytes.size(), bytes.size());
}

// Qt drops a byte-order mark at the start of UTF-8 text; a second one after
// the file's own belongs to the first field.
QString fromUtf8KeepingBom(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

struct Decoded {
    QString text;
    TableEncoding encoding = TableEncoding::Utf8;
    QString error;
};

// UTF-8 when the bytes are valid UTF-8 (a CP1250 text with letters beyond
// ASCII practically never is), else CP1250. A byte-order mark says UTF-8, so
// what follows it must be.
Decoded decode(QByteArrayView bytes) {
    // An empty file has no bytes to look through (and may have no address).
    const void* nul =
        bytes.isEmpty() ? nullptr : std::memchr(bytes.data(), 0, size_t(bytes.size()));
    if (nul) {
        const qsizetype offset = static_cast<const char*>(nul) - bytes.data();
        return {{}, {}, atLine("Caracter nul", lineAt(bytes.data(), offset, bytes.size()))};
    }
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        const QByteArrayView body = bytes.sliced(bom.size());
        if (!body.isValidUtf8())
            return {{}, {}, atLine("Text UTF-8 gresit", firstBadUtf8Line(body))};
        return {fromUtf8KeepingBom(body), TableEncoding::Utf8WithBom, {}};
    }
    if (bytes.isValidUtf8())
        return {fromUtf8KeepingBom(bytes), TableEncoding::Utf8, {}};

    Decoded decoded{fromCp1250(bytes), TableEncoding::Cp1250, {}};
    // The bytes CP1250 leaves undefined decode to themselves, control
    // characters that no defined byte gives.
    const auto undefined = std::find_if(decoded.text.cbegin(), decoded.text.cend(), [](QChar c) {
        return c.unicode() >= 0x80 && c.unicode() < 0xA0;
    });
    if (undefined != decoded.text.cend()) {
        const qsizetype offset = undefined - decoded.text.cbegin();
        decoded.error = atLine("Caracter necunoscut (fisierul nu este nici UTF-8, nici CP1250)",
                               lineAt(bytes.data(), offset, bytes.size()));
    }
    return decoded;
}

// The separator is the one of ";", tab and "," that occurs outside quotes in
// the header, the first record. When several do, ";" wins, then tab, then ",":
// a spreadsheet here saves with ";" because amounts carry a decimal comma, so a
// ";" header holding a "," has it inside a name, and a tab inside a name is
// rarer than a comma. A header with none is a table of one column, read with ",".
char16_t findSeparator(QStringView text) {
    const char16_t* chars = text.utf16();
    qsizetype pos = 0;
    while (pos < text.size() && isLineEnd(chars[pos])) ++pos;
    bool seen[std::size(kCandidateSeparators)] = {};
    bool fieldStart = true;
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char16_t c = chars[pos];
        if (quoted) {
            if (c == kQuote && pos + 1 < text.size() && chars[pos + 1] == kQuote)
                ++pos;
            else if (c == kQuote)
                quoted = false;
            continue;
        }
        if (isLineEnd(c))
            break;
        const auto* candidate =
            std::find(std::begin(kCandidateSeparators), std::end(kCandidateSeparators), c);
        if (candidate != std::end(kCandidateSeparators))
            seen[candidate - std::begin(kCandidateSeparators)] = true;
        quoted = c == kQuote && fieldStart;
        fieldStart = candidate != std::end(kCandidateSeparators);
    }
    for (size_t i = 0; i < std::size(kCandidateSeparators); ++i) {
        if (seen[i])
            return kCandidateSeparators[i];
    }
    return u',';
}

// Splits decoded text into records, counting lines as it goes: a line end
// inside quotes belongs to the field but still starts a new line of the file.
class TableParser {
  public:
    TableParser(QStringView text, char16_t separator)
        : text_(text), chars_(text.utf16()), separator_(separator) {}

    bool parse(QList<TableRow>& rows, QString& error) {
        while (pos_ < text_.size()) {
            if (isLineEnd(chars_[pos_])) {
                skipLineEnd();  // a blank line
                continue;
            }
            TableRow row{line_, {}};
            for (;;) {
                QString field;
                if (!readField(field, error))
                    return false;
                row.fields.append(std::move(field));
                if (pos_ == text_.size() || chars_[pos_] != separator_)
                    break;
                ++pos_;
            }
            if (pos_ < text_.size())
                skipLineEnd();
            rows.append(std::move(row));
        }
        return true;
    }

  private:
    void skipLineEnd() {
        pos_ +=
            chars_[pos_] == u'\r' && pos_ + 1 < text_.size() && chars_[pos_ + 1] == u'\n' ? 2 : 1;
        ++line_;
    }

    // Reads the field at pos_ up to the separator, the line end or the end.
    bool readField(QString& field, QString& error) {
        if (pos_ < text_.size() && chars_[pos_] == kQuote)
            return readQuotedField(field, error);
        const qsizetype start = pos_;
        while (pos_ < text_.size() && chars_[pos_] != separator_ && !isLineEnd(chars_[pos_]))
            ++pos_;
        field = text_.sliced(start, pos_ - start).toString();
        return true;
    }

    // A quoted field: "" stands for one quote; blanks after the closing quote
    // are dropped, anything else there is refused rather than guessed at.
    bool readQuotedField(QString& field, QString& error) {
        const int startLine = line_;
        ++pos_;
        for (;;) {
            const qsizetype quote = text_.indexOf(QChar(kQuote), pos_);
            if (quote < 0) {
                error = atLine("Ghilimele neinchise", startLine);
                return false;
            }
            line_ += countLineEnds(chars_, pos_, quote, text_.size());
            field.append(text_.sliced(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ < text_.size() && chars_[pos_] == kQuote) {
                field.append(QChar(kQuote));
                ++pos_;
                continue;
            }
            break;
        }
        while (pos_ < text_.size() && chars_[pos_] == u' ') ++pos_;
        if (pos_ < text_.size() && chars_[pos_] != separator_ && !isLineEnd(chars_[pos_])) {
            error = atLine("Text dupa ghilimelele de inchidere", line_);
            return false;
        }
        return true;
    }

    QStringView text_;
    const char16_t* chars_;
    char16_t separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// Whether `field` must be quoted: it holds one of `special` (the separators
// that could split it), a quote or a line end; or it begins or ends with a
// blank, which other programs trim; or it begins with the character of a
// byte-order mark, which a reader would drop at the start of a file.
bool needsQuotes(QStringView field, QStringView special) {
    if (field.isEmpty())
        return false;
    if (field.front().isSpace() || field.back().isSpace() || field.front() == QChar(0xFEFF))
        return true;
    return std::any_of(field.begin(), field.end(), [special](QChar c) {
        return c == QChar(kQuote) || c == u'\r' || c == u'\n' || special.contains(c);
    });
}

void appendField(QString& out, const QString& field, QStringView special) {
    if (!needsQuotes(field, special)) {
        out += field;
        return;
    }
    out += QChar(kQuote);
    for (const QChar c : field) {
        out += c;
        if (c == QChar(kQuote))
            out += c;
    }
    out += QChar(kQuote);
}

}  // namespace

TableReading readTable(QByteArrayView bytes) {
    TableReading reading;
    Decoded decoded = decode(bytes);
    reading.encoding = decoded.encoding;
    if (!decoded.error.isEmpty()) {
        reading.error = decoded.error;
        return reading;
    }
    const char16_t separator = findSeparator(decoded.text);
    reading.separator = QChar(separator);
    if (!TableParser(decoded.text, separator).parse(reading.rows, reading.error))
        reading.rows.clear();
    return reading;
}

QByteArray writeTable(const QList<QStringList>& rows, TableFlavour flavour) {
    const bool excel = flavour == TableFlavour::Excel;
    const QChar separator = excel ? u';' : u',';
    const QString lineEnd = excel ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QString own(separator);
    const QStringView all(kCandidateSeparators, std::size(kCandidateSeparators));
    // A reader finds the separator in the header, so there no other candidate
    // may stand unquoted; a header of one field shows none, and the reader
    // then splits at ",": no row may show an unquoted candidate.
    const bool oneColumn = !rows.isEmpty() && rows.front().size() < 2;

    QString text;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        const QStringView special = r == 0 || oneColumn ? all : QStringView(own);
        if (row.isEmpty() || (row.size() == 1 && row.front().isEmpty())) {
            text += QStringLiteral("\"\"");  // an empty line would be skipped as blank
        } else {
            for (qsizetype f = 0; f < row.size(); ++f) {
                if (f > 0)
                    text += separator;
                appendField(text, row[f], special);
            }
        }
        text += lineEnd;
    }
    QByteArray bytes = excel ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}

namespace {

// A CP1250 byte as written in UTF-8, and whether the character is a blank.
struct Cp1250Char {
    QByteArray utf8;
    bool space = false;
};
const std::array<Cp1250Char, 256>& cp1250Chars() {
    static const std::array<Cp1250Char, 256> chars = [] {
        std::array<Cp1250Char, 256> table;
        for (int b = 0; b < 256; ++b) {
            const QString c = fromCp1250(QByteArray(1, char(b)));
            table[size_t(b)] = {c.toUtf8(), c.size() == 1 && c.front().isSpace()};
        }
        return table;
    }();
    return chars;
}

}  // namespace

TableWriter::TableWriter(TableFlavour flavour, const QStringList& header)
    : bytes_(writeTable({header}, flavour).toStdString()),
      separator_(flavour == TableFlavour::Excel ? ';' : ','),
      lineEnd_(flavour == TableFlavour::Excel ? "\r\n" : "\n") {}

void TableWriter::field(QByteArrayView cp1250) {
    append(cp1250, false);
}

void TableWriter::amountField(QByteArrayView cp1250) {
    append(cp1250, true);
}

void TableWriter::endRow() {
    if (!rowStarted_)
        bytes_ += "\"\"";  // an empty line would be skipped as blank
    bytes_ += lineEnd_;
    rowStarted_ = false;
}

// The rule of needsQuotes, on the bytes: every character a byte. Most
// stored fields are plain ASCII with nothing to quote: copied as they are.
void TableWriter::append(QByteArrayView cp1250, bool decimalComma) {
    if (rowStarted_)
        bytes_.push_back(separator_);
    rowStarted_ = true;
    const auto& chars = cp1250Chars();
    uchar high = 0;
    bool quote = false;
    for (const char c : cp1250) {
        high |= uchar(c);
        quote |= c == '"' || c == '\r' || c == '\n' || c == separator_;
    }
    quote = quote || (!cp1250.isEmpty() &&
                      (chars[uchar(cp1250.front())].space || chars[uchar(cp1250.back())].space));
    if (!quote && high < 0x80 && !decimalComma) {
        bytes_.append(cp1250.data(), size_t(cp1250.size()));
        return;
    }
    if (quote)
        bytes_.push_back('"');
    for (const char c : cp1250) {
        if (decimalComma && c == '.')
            bytes_.push_back(',');
        else if (uchar(c) < 0x80)
            bytes_.push_back(c);
        else
            bytes_.append(chars[uchar(c)].utf8.constData(), size_t(chars[uchar(c)].utf8.size()));
        if (c == '"')
            bytes_.push_back('"');
    }
    if (quote)
        bytes_.push_back('"');
}

QString foldedName(const QString& name) {
    QString kept;
    kept.reserve(name.size());
    for (const QChar c : name) {
        if (!c.isSpace() && c != u'_')
            kept += c;
    }
    if (const std::optional<QByteArray> folded = searchFolded(kept))
        return fromCp1250(*folded);
    // A character the working-folder code page cannot hold folds by case alone.
    QString out;
    for (const QChar c : kept) {
        const std::optional<QByteArray> folded = searchFolded(QStringView(&c, 1));
        out += folded ? fromCp1250(*folded) : QString(c.toLower());
    }
    return out;
}

}  // namespace tavo::text
