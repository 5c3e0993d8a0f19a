#include "store/orders_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "platform/stored_file.h"
#include "store/earlier_versions.h"
#include "store/line_shape.h"
#include "text/cp1250.h"
#include "text/search_folding.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo::store {

using platform::StoredFile;

namespace {

// The file is worked on as stored: one byte a character, so commas and
// positions read the same as in the text, and a line is decoded only when
// its text is needed. Unchanged lines are copied byte for byte. One pass over
// the bytes finds the lines, their shapes and the fields a list shows.
struct StoredLine {
    QByteArrayView bytes;  // without its line end
    int number;            // 1-based line number
    int commas;            // the known shape (15, 17, 18 or 19 commas), -1 for none
    // Of a document only: where fields 1 and 2 end and where the type begins.
    qint32 orderNumberEnd;
    qint32 documentNumberEnd;
    qint32 typeAt;

    QByteArrayView orderNumber() const { return bytes.first(orderNumberEnd); }
    QByteArrayView documentNumber() const {
        return bytes.sliced(orderNumberEnd + 1, documentNumberEnd - orderNumberEnd - 1);
    }
    QByteArrayView type() const { return bytes.sliced(typeAt); }
    // The line up to its last comma, and from it on.
    QByteArrayView beforeLastComma() const { return bytes.first(typeAt - 1); }
    QByteArrayView fromLastComma() const { return bytes.sliced(typeAt - 1); }
};

struct StoredLines {
    std::vector<StoredLine> lines;
    // True when every line ends in CR LF, the last one included: joining the
    // lines again with CR LF gives back exactly the same bytes.
    bool canonical = true;
};

// The lines of a file; with `shapes`, the known shape and the fields of
// each line too (otherwise `commas` is left at -1 for the caller to test).
StoredLines storedLines(QByteArrayView content, bool shapes = true) {
    StoredLines result;
    result.lines.reserve(size_t(content.size() / 128) + 1);
    StoredLineSplitter splitter(content);
    int number = 0;
    while (!splitter.atEnd()) {
        bool crLf = false;
        StoredLine line{};
        line.bytes = splitter.next(&crLf);
        result.canonical = result.canonical && crLf;
        line.number = ++number;
        line.commas = shapes ? knownShape(line.bytes) : -1;
        if (line.commas >= 0) {
            // A known shape has at least 15 commas: both fields end in one.
            LineFields fields(line.bytes);
            const QByteArrayView orderNumber = fields.next();
            const QByteArrayView documentNumber = fields.next();
            line.orderNumberEnd = qint32(orderNumber.size());
            line.documentNumberEnd =
                qint32(documentNumber.data() + documentNumber.size() - line.bytes.data());
            line.typeAt = qint32(typeStart(line.bytes));
        }
        result.lines.push_back(line);
    }
    return result;
}

QString decoded(QByteArrayView bytes) {
    return text::fromCp1250(bytes);
}

// The fields of a list item are short and nearly always ASCII, which every
// code page reads the same: copied as they are, without the table.
QChar* decodeField(QByteArrayView bytes, QChar* out) {
    uchar high = 0;
    for (const char c : bytes) high |= uchar(c);
    if (high >= 0x80)
        return text::decodeCp1250Into(bytes, out);
    return std::transform(bytes.begin(), bytes.end(), out, [](char c) { return QLatin1Char(c); });
}

// The item of the main list for a document: field 1 right-aligned in five
// characters (a longer number widens the column), a comma, field 2,
// `inserted` commas (the empty fields just added to a line of an earlier
// shape), a comma and the type. Built in one piece: it runs once per document.
QString listItem(const StoredLine& line, int inserted) {
    const QByteArrayView number = line.orderNumber();
    const QByteArrayView documentNumber = line.documentNumber();
    const QByteArrayView type = line.type();
    const qsizetype padding = std::max<qsizetype>(0, 5 - number.size());
    QString item(padding + number.size() + documentNumber.size() + inserted + 2 + type.size(),
                 Qt::Uninitialized);
    QChar* out = std::fill_n(item.data(), padding, QLatin1Char(' '));
    out = decodeField(number, out);
    *out++ = QLatin1Char(',');
    out = decodeField(documentNumber, out);
    out = std::fill_n(out, inserted + 1, QLatin1Char(','));
    decodeField(type, out);
    return item;
}

// The line of a document as searched: up to date (the empty fields inserted
// before the type), folded, and ended by '\n'.
void appendSearchLine(QByteArray& out, const StoredLine& line, int inserted) {
    text::appendSearchFolded(out, line.beforeLastComma());
    out.append(inserted, ',');
    text::appendSearchFolded(out, line.fromLastComma());
    out.append('\n');
}

// Whether `item` is what listItem gives for an up-to-date document
// line, told without building it when its fields are ASCII.
bool itemIs(const QString& item, const StoredLine& line) {
    const QByteArrayView fields[] = {line.orderNumber(), line.documentNumber(), line.type()};
    const qsizetype padding = std::max<qsizetype>(0, 5 - fields[0].size());
    if (item.size() != padding + fields[0].size() + fields[1].size() + fields[2].size() + 2)
        return false;
    uchar high = 0;
    for (const QByteArrayView field : fields) {
        for (const char c : field) high |= uchar(c);
    }
    if (high >= 0x80)
        return item == listItem(line, 0);
    const QChar* at = item.constData() + padding;
    const auto same = [&at](QByteArrayView field, QChar after) {
        for (const char c : field) {
            if (*at++ != QLatin1Char(c))
                return false;
        }
        return after.isNull() || *at++ == after;
    };
    return std::all_of(item.constData(), at, [](QChar c) { return c == QLatin1Char(' '); }) &&
           same(fields[0], QLatin1Char(',')) && same(fields[1], QLatin1Char(',')) &&
           same(fields[2], QChar());
}

// The list of the file after a save that kept every line of `old` but
// replaced those at `matched` with `newLine` (or appended it): `before`, the
// list of `old`, with the saved document's item in place. Nothing when that
// would not be what reading the file back gives: `before` is not the list of
// `old`, or a load would bring lines up to date (older shapes, other line
// ends), or the new line is not a document of the current shape.
std::optional<LoadedList> listKept(const StoredLines& old, const std::vector<size_t>& matched,
                                   const QByteArray& newLine, const QStringList& before) {
    const QByteArray ended = newLine + "\r\n";
    const StoredLines added = storedLines(ended);
    if (!old.canonical || added.lines.size() != 1 || added.lines[0].commas != currentCommas)
        return std::nullopt;
    LoadedList result;
    result.fileExists = true;
    if (!old.lines.empty()) {
        const QByteArrayView lastLine = old.lines.back().bytes;
        result.searchLines.reserve(lastLine.data() + lastLine.size() -
                                   old.lines.front().bytes.data() + ended.size());
    }
    QList<qsizetype> replaced;
    const StoredLine* last = &added.lines[0];
    auto next = matched.begin();
    qsizetype documents = 0;
    for (size_t i = 0; i < old.lines.size(); ++i) {
        const StoredLine& line = old.lines[i];
        if (line.commas < 0) {
            result.unknownLines.append(line.number);
            continue;
        }
        if (line.commas != currentCommas || documents >= before.size() ||
            !itemIs(before[documents], line)) {
            return std::nullopt;
        }
        const bool isMatched = next != matched.end() && *next == i;
        next += isMatched;
        if (isMatched)
            replaced.append(documents);
        appendSearchLine(result.searchLines, isMatched ? added.lines[0] : line, 0);
        if (!matched.empty())
            last = isMatched ? &added.lines[0] : &line;
        ++documents;
    }
    if (documents != before.size())
        return std::nullopt;
    const QString item = listItem(added.lines[0], 0);
    result.items = before;
    for (const qsizetype position : replaced) result.items[position] = item;
    if (matched.empty()) {
        result.items.append(item);
        appendSearchLine(result.searchLines, added.lines[0], 0);
    }
    const QString lastDocument = decoded(last->bytes);
    result.CIF_curent = camp(lastDocument, CIF_platitor).toString();
    result.data_curenta = camp(lastDocument, data_emiterii).toString();
    return result;
}

qint64 storedOrderNumber(const StoredLine& line) {
    return text::numericValue(line.orderNumber());
}

void appendLine(QByteArray& out, QByteArrayView line) {
    out.append(line);
    out.append("\r\n", 2);
}

// Whether field 1 of a stored line reads as `nr`, as text::numericValue reads
// it. A field of plain digits, as the program writes it, is told by its text
// alone (`nrText` is nr in decimal form); any other field is read in full.
bool readsAs(QByteArrayView field, qint64 nr, QByteArrayView nrText) {
    const bool plain =
        !field.isEmpty() && field.size() <= 18 && field.front() != '0' &&
        std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    return plain ? field == nrText : text::numericValue(field) == nr;
}

// The bytes of the file with the lines at `matched` (indexes into `old`)
// replaced by `newLine`, or with it appended when there are none; every line
// ends in CR LF. When they all did already, the unchanged lines are copied in
// spans.
QByteArray replacedContent(QByteArrayView content, const StoredLines& old,
                           const std::vector<size_t>& matched, QByteArrayView newLine) {
    QByteArray out;
    out.reserve(content.size() + qsizetype(matched.size() + 1) * (newLine.size() + 2) +
                (old.canonical ? 0 : qsizetype(old.lines.size()) + 2));
    if (old.canonical) {
        const char* copied = content.data();
        for (const size_t i : matched) {
            const QByteArrayView line = old.lines[i].bytes;
            out.append(QByteArrayView(copied, line.data()));
            appendLine(out, newLine);
            copied = line.data() + line.size() + 2;  // past its CR LF
        }
        out.append(QByteArrayView(copied, content.data() + content.size()));
    } else {
        auto next = matched.begin();
        for (size_t i = 0; i < old.lines.size(); ++i) {
            const bool replaced = next != matched.end() && *next == i;
            next += replaced;
            appendLine(out, replaced ? newLine : old.lines[i].bytes);
        }
    }
    if (matched.empty())
        appendLine(out, newLine);
    return out;
}

}  // namespace

bool OrdersFile::exists() const {
    return QFileInfo::exists(path());
}

bool OrdersFile::rewrite(QByteArrayView old, const QByteArray& content, QString* error,
                         QString* versionFailure) const {
    const QString temp = folder_.filePath(QLatin1String(tempName));
    QString why;
    EarlierVersions::Kept kept;
    bool done = text::writeSynced(temp, content, &why);
    if (done) {
        // The old file is kept only once the new one is whole on disk, and
        // only when the rewrite changes something: an unchanged file pushes
        // no real version out.
        if (!old.isEmpty() && old != QByteArrayView(content))
            kept = EarlierVersions(folder_).keep(path(), old);
        done = text::renameOver(temp, path(), &why);
    }
    if (done) {
        if (versionFailure)
            *versionFailure = kept.failure;
        return true;
    }
    QFile::remove(temp);
    EarlierVersions(folder_).drop(kept);
    // The reason names the file as it stands in the working folder.
    for (const QString& file : {temp, path()}) {
        if (why.startsWith(file + QLatin1String(": ")))
            why.replace(0, file.size(), QFileInfo(file).fileName());
    }
    if (error)
        *error = why;
    return false;
}

LoadedList OrdersFile::incarcare_lista(bool searched) const {
    LoadedList result;
    const QString file = path();
    QFileInfo info(file);
    if (info.exists() && info.size() == 0)
        QFile::remove(file);

    const StoredFile content(file);
    if (!content)
        return result;
    return lista(content.bytes(), searched);
}

LoadedList OrdersFile::lista(QByteArrayView content, bool searched) const {
    LoadedList result;
    result.fileExists = true;
    const StoredLines stored = storedLines(content);
    const std::vector<StoredLine>& lines = stored.lines;
    result.items.reserve(qsizetype(lines.size()));
    if (searched)
        result.searchLines.reserve(content.size() + qsizetype(lines.size()) * 6);
    bool changed = !stored.canonical;
    const StoredLine* last = nullptr;
    for (const StoredLine& line : lines) {
        if (line.commas < 0) {
            result.unknownLines.append(line.number);
            continue;
        }
        const int inserted = missingFields(line.commas);
        changed = changed || inserted > 0;
        result.items.append(listItem(line, inserted));
        if (searched)
            appendSearchLine(result.searchLines, line, inserted);
        last = &line;
    }
    if (last) {
        const QString lastDocument = decoded(last->bytes);
        result.CIF_curent = camp(lastDocument, CIF_platitor).toString();
        result.data_curenta = camp(lastDocument, data_emiterii).toString();
    }

    // An up-to-date file is left as it is; otherwise it is replaced whole, the
    // missing empty fields inserted before the type of each older line.
    if (!changed) {
        QFile::remove(folder_.filePath(QLatin1String(tempName)));
        return result;
    }
    QByteArray updated;
    updated.reserve(content.size() + qsizetype(lines.size()) * 6);
    for (const StoredLine& line : lines) {
        const int inserted = line.commas < 0 ? 0 : missingFields(line.commas);
        if (inserted > 0) {
            updated.append(line.beforeLastComma());
            updated.append(QByteArray(inserted, ','));
            appendLine(updated, line.fromLastComma());
        } else {
            appendLine(updated, line.bytes);
        }
    }
    if (!rewrite(content, updated, &result.rewriteError, &result.versionFailure) &&
        result.rewriteError.isEmpty()) {
        result.rewriteError = path();
    }
    return result;
}

QList<OrdersFile::DocumentLine> OrdersFile::documente() const {
    QList<DocumentLine> documents;
    const StoredFile content(path());
    if (!content)
        return documents;
    for (const StoredLine& line : storedLines(content.bytes()).lines) {
        if (line.commas >= 0)
            documents.append({line.number, decoded(line.bytes)});
    }
    return documents;
}

OrdersFile::Position OrdersFile::documentAtPosition(qint64 position) const {
    Position result;
    const StoredFile content(path());
    if (!content)
        return result;
    for (const StoredLine& line : storedLines(content.bytes()).lines) {
        if (line.commas < 0)
            continue;
        if (++result.count == position)
            result.line = decoded(line.bytes);
    }
    return result;
}

Lookup OrdersFile::citire(qint64 nr) const {
    Lookup result;
    const StoredFile content(path());
    if (!content)
        return result;
    const StoredLines stored = storedLines(content.bytes());
    const StoredLine* last = nullptr;
    for (const StoredLine& line : stored.lines) {
        if (line.commas < 0)
            continue;
        if (storedOrderNumber(line) == nr) {
            result.kind = Lookup::Found;
            result.document = ordin::fromLine(decoded(line.bytes));
            return result;
        }
        last = &line;
    }
    if (!last)
        return result;
    result.kind = Lookup::New;
    result.document = ordin::fromLine(decoded(last->bytes));
    return result;
}

bool OrdersFile::salvare_ordin(const ordin& document, QString* error,
                               QString* versionFailure) const {
    return save(document, {}, nullptr, error, versionFailure);
}

std::optional<LoadedList> OrdersFile::salvare_ordin(const ordin& document,
                                                    const QStringList& before, QString* error,
                                                    QString* versionFailure) const {
    LoadedList after;
    if (!save(document, before, &after, error, versionFailure))
        return std::nullopt;
    return after;
}

bool OrdersFile::save(const ordin& document, const QStringList& before, LoadedList* after,
                      QString* error, QString* versionFailure) const {
    // The order number is written in decimal form: "007" is stored as 7.
    const qint64 nr = text::numericValue(document[nr_ordine]);
    ordin stored = document;
    stored[nr_ordine] = QString::number(nr);
    const QByteArray newLine = text::toCp1250(stored.linie());
    const QByteArray nrText = QByteArray::number(nr);

    const StoredFile content(path());
    // Only documents are matched: a line of no known shape is never
    // overwritten. Without a list to give, the shape is tested only on the
    // lines whose order number matches. The number is read as `citire` reads
    // it (an empty one is 0), so the document found is the one replaced, never
    // kept beside its new line.
    const bool shapes = after != nullptr;
    const StoredLines old = storedLines(content.bytes(), shapes);
    std::vector<size_t> matched;
    for (size_t i = 0; i < old.lines.size(); ++i) {
        const StoredLine& line = old.lines[i];
        bool matches = false;
        if (line.commas >= 0) {
            matches = readsAs(line.orderNumber(), nr, nrText);
        } else if (!shapes) {
            matches =
                readsAs(LineFields(line.bytes).next(), nr, nrText) && knownShape(line.bytes) >= 0;
        }
        if (matches)
            matched.push_back(i);
    }
    const QByteArray updated = replacedContent(content.bytes(), old, matched, newLine);
    if (!rewrite(content.bytes(), updated, error, versionFailure))
        return false;
    if (after) {
        std::optional<LoadedList> kept = listKept(old, matched, newLine, before);
        *after = kept ? std::move(*kept) : lista(updated);
    }
    return true;
}

std::optional<LoadedList> OrdersFile::salvare_ordine(const QList<ordin>& documents, QString* error,
                                                     QString* versionFailure) const {
    const StoredFile content(path());
    QByteArray updated = content.bytes().toByteArray();
    if (!updated.isEmpty() && !updated.endsWith('\n'))
        updated.append("\r\n", 2);
    for (const ordin& document : documents) {
        ordin stored = document;
        stored[nr_ordine] = QString::number(text::numericValue(document[nr_ordine]));
        appendLine(updated, text::toCp1250(stored.linie()));
    }
    if (!rewrite(content.bytes(), updated, error, versionFailure))
        return std::nullopt;
    return lista(updated);
}

OrdersFile::Deletion OrdersFile::deleteAll(QString* error) const {
    const StoredFile content(path());
    if (!content)
        return Deletion::NoFile;
    const QString copy = folder_.filePath(QLatin1String(copyName));
    if (!text::replaceFile(copy, copy + QLatin1String(".tmp"), content.bytes().toByteArray(),
                           error)) {
        return Deletion::Failed;
    }
    if (!QFile::remove(path())) {
        if (error)
            *error = path();
        return Deletion::Failed;
    }
    return Deletion::Deleted;
}

}  // namespace tavo::store
