#include "store/orders_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <vector>

#include "store/earlier_versions.h"
#include "store/line_shape.h"
#include "store/stored_file.h"
#include "text/cp1250.h"
#include "text/search_folding.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo::store {
namespace {

// The file is worked on as stored: one byte a character, so commas and
// positions read the same as in the text, and a line is decoded only when
// its text is needed. Unchanged lines are copied byte for byte. One pass over
// the bytes finds the lines, their shapes and the commas that end their fields.
struct StoredLine {
    QByteArrayView bytes;  // without its line end
    int number;            // 1-based line number
    int commas;            // the known shape (15, 17, 18 or 19 commas), -1 for none
    qint32 firstComma;     // ends field 1, the order number
    qint32 secondComma;    // ends field 2, the document number
    qint32 lastComma;      // the type follows it

    QByteArrayView orderNumber() const { return bytes.first(firstComma); }
    QByteArrayView documentNumber() const {
        return bytes.sliced(firstComma + 1, secondComma - firstComma - 1);
    }
    QByteArrayView type() const { return bytes.sliced(lastComma + 1); }
};

struct StoredLines {
    std::vector<StoredLine> lines;
    // True when every line ends in CR LF, the last one included: joining the
    // lines again with CR LF gives back exactly the same bytes.
    bool canonical = true;
};

// The lines of a file; with `shapes`, the known shape and the commas of
// each line too (otherwise `commas` is left at -1 for the caller to test).
StoredLines storedLines(QByteArrayView content, bool shapes = true) {
    StoredLines result;
    result.lines.reserve(size_t(content.size() / 128) + 1);
    const char* data = content.constData();
    const qsizetype size = content.size();
    qsizetype start = 0;
    int number = 0;
    while (start < size) {
        const char* begin = data + start;
        const char* newline =
            static_cast<const char*>(std::memchr(begin, '\n', size_t(size - start)));
        const char* stop = newline ? newline : data + size;
        const char* end = stop;
        if (end > begin && end[-1] == '\r') {
            --end;
        } else {
            result.canonical = false;
        }
        StoredLine line{};
        line.bytes = QByteArrayView(begin, end - begin);
        line.number = ++number;
        line.commas = shapes ? forma_cunoscuta(QByteArrayView(begin, end)) : -1;
        if (line.commas >= 0) {
            line.firstComma = qint32(line.bytes.indexOf(','));
            line.secondComma = qint32(line.bytes.indexOf(',', line.firstComma + 1));
            line.lastComma = qint32(line.bytes.lastIndexOf(','));
        }
        result.lines.push_back(line);
        start = (stop - data) + 1;
    }
    return result;
}

QString decoded(QByteArrayView bytes) {
    return text::fromCp1250(bytes);
}

// The item of the main list for a document: field 1 right-aligned in five
// characters (a longer number widens the column), a comma, field 2,
// `inserted` commas (the empty fields just added to a line of an earlier
// shape), a comma and the type. Built in one piece: it runs once per document.
QString element_lista(const StoredLine& line, int inserted) {
    const QByteArrayView number = line.orderNumber();
    const QByteArrayView documentNumber = line.documentNumber();
    const QByteArrayView type = line.type();
    const qsizetype padding = std::max<qsizetype>(0, 5 - number.size());
    QString item(padding + number.size() + documentNumber.size() + inserted + 2 + type.size(),
                 Qt::Uninitialized);
    QChar* out = std::fill_n(item.data(), padding, QLatin1Char(' '));
    out = text::decodeCp1250Into(number, out);
    *out++ = QLatin1Char(',');
    out = text::decodeCp1250Into(documentNumber, out);
    out = std::fill_n(out, inserted + 1, QLatin1Char(','));
    text::decodeCp1250Into(type, out);
    return item;
}

qint64 storedOrderNumber(const StoredLine& line) {
    return text::numericValue(line.orderNumber());
}

void appendLine(QByteArray& out, QByteArrayView line) {
    out.append(line);
    out.append("\r\n", 2);
}

// The line of a document as searched: up to date (the empty fields inserted
// before the type), folded, and ended by '\n'.
void appendSearchLine(QByteArray& out, const StoredLine& line, int inserted) {
    text::appendSearchFolded(out, line.bytes.first(line.lastComma));
    out.append(inserted, ',');
    text::appendSearchFolded(out, line.bytes.sliced(line.lastComma));
    out.append('\n');
}

}  // namespace

bool OrdersFile::exists() const {
    return QFileInfo::exists(path());
}

bool OrdersFile::rewrite(const StoredFile& old, const QByteArray& content, QString* error,
                         QString* versionFailure) const {
    const QString temp = folder_.filePath(QLatin1String(tempName));
    QString why;
    EarlierVersions::Kept kept;
    bool done = text::writeSynced(temp, content, &why);
    if (done) {
        // The old file is kept only once the new one is whole on disk, and
        // only when the rewrite changes something: an unchanged file pushes
        // no real version out.
        const QByteArrayView oldBytes = old.bytes();
        if (!oldBytes.isEmpty() && oldBytes != QByteArrayView(content))
            kept = EarlierVersions(folder_).keep(path(), oldBytes);
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

ListaIncarcata OrdersFile::incarcare_lista() const {
    ListaIncarcata result;
    const QString file = path();
    QFileInfo info(file);
    if (info.exists() && info.size() == 0)
        QFile::remove(file);

    const StoredFile content(file);
    if (!content)
        return result;
    result.fileExists = true;

    const StoredLines stored = storedLines(content.bytes());
    const std::vector<StoredLine>& lines = stored.lines;
    result.items.reserve(qsizetype(lines.size()));
    result.searchLines.reserve(content.bytes().size() + qsizetype(lines.size()) * 6);
    bool changed = !stored.canonical;
    const StoredLine* last = nullptr;
    for (const StoredLine& line : lines) {
        if (line.commas < 0) {
            result.unknownLines.append(line.number);
            continue;
        }
        const int inserted = campuri_lipsa(line.commas);
        changed = changed || inserted > 0;
        result.items.append(element_lista(line, inserted));
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
    updated.reserve(content.bytes().size() + qsizetype(lines.size()) * 6);
    for (const StoredLine& line : lines) {
        const int inserted = line.commas < 0 ? 0 : campuri_lipsa(line.commas);
        if (inserted > 0) {
            updated.append(line.bytes.first(line.lastComma));
            updated.append(QByteArray(inserted, ','));
            appendLine(updated, line.bytes.sliced(line.lastComma));
        } else {
            appendLine(updated, line.bytes);
        }
    }
    if (!rewrite(content, updated, &result.rewriteError, &result.versionFailure) &&
        result.rewriteError.isEmpty()) {
        result.rewriteError = file;
    }
    return result;
}

QList<OrdersFile::Linie> OrdersFile::documente() const {
    QList<Linie> documents;
    const StoredFile content(path());
    if (!content)
        return documents;
    for (const StoredLine& line : storedLines(content.bytes()).lines) {
        if (line.commas >= 0)
            documents.append({line.number, decoded(line.bytes)});
    }
    return documents;
}

OrdersFile::Numarare OrdersFile::documentLaPozitie(qint64 position) const {
    Numarare result;
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

Cautare OrdersFile::citire(qint64 nr) const {
    Cautare result;
    const StoredFile content(path());
    if (!content)
        return result;
    const StoredLines stored = storedLines(content.bytes());
    const StoredLine* last = nullptr;
    for (const StoredLine& line : stored.lines) {
        if (line.commas < 0)
            continue;
        if (storedOrderNumber(line) == nr) {
            result.kind = Cautare::Found;
            result.document = ordin::din_linie(decoded(line.bytes));
            return result;
        }
        last = &line;
    }
    if (!last)
        return result;
    result.kind = Cautare::New;
    result.document = ordin::din_linie(decoded(last->bytes));
    return result;
}

bool OrdersFile::salvare_ordin(const ordin& document, QString* error,
                               QString* versionFailure) const {
    // The order number is written in decimal form: "007" is stored as 7.
    const qint64 nr = text::numericValue(document[nr_ordine]);
    ordin stored = document;
    stored[nr_ordine] = QString::number(nr);
    const QByteArray newLine = text::toCp1250(stored.linie());

    const StoredFile content(path());
    QByteArray updated;
    updated.reserve(content.bytes().size() + newLine.size() + 2);
    bool replaced = false;
    // Only documents are matched: a line of no known shape is never
    // overwritten. The shape is tested only on the lines whose order number
    // matches. The number is read as `citire` reads it (an empty one is 0), so
    // the document found is the one replaced, never kept beside its new line.
    const auto matches = [nr](QByteArrayView line) {
        const qsizetype comma = line.indexOf(',');
        return comma >= 0 && text::numericValue(line.first(comma)) == nr &&
               forma_cunoscuta(line) >= 0;
    };
    for (const StoredLine& line : storedLines(content.bytes(), false).lines) {
        if (matches(line.bytes)) {
            appendLine(updated, newLine);
            replaced = true;
        } else {
            appendLine(updated, line.bytes);
        }
    }
    if (!replaced)
        appendLine(updated, newLine);
    return rewrite(content, updated, error, versionFailure);
}

OrdersFile::Stergere OrdersFile::sterge_tot(QString* error) const {
    const StoredFile content(path());
    if (!content)
        return Stergere::NoFile;
    const QString copy = folder_.filePath(QLatin1String(copyName));
    if (!text::replaceFile(copy, copy + QLatin1String(".tmp"), content.bytes().toByteArray(),
                           error)) {
        return Stergere::Failed;
    }
    if (!QFile::remove(path())) {
        if (error)
            *error = path();
        return Stergere::Failed;
    }
    return Stergere::Deleted;
}

}  // namespace tavo::store
