#include "store/orders_file.h"

#include <QFile>
#include <QFileInfo>

#include "store/line_shape.h"
#include "text/cp1250.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo::store {
namespace {

// True when re-joining the lines with CR LF gives back exactly these bytes.
bool hasCanonicalLineEnds(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n"))
        return false;
    return bytes.count('\n') == bytes.count("\r\n");
}

}  // namespace

qint64 numar_ordine(QStringView line) {
    return text::numericValue(camp(line, nr_ordine).toString());
}

QString element_lista(QStringView line, int inserted) {
    const QStringView type = line.sliced(line.lastIndexOf(QLatin1Char(',')) + 1);
    QString item = text::alignRight(camp(line, nr_ordine).toString(), 5);
    item += QLatin1Char(',');
    item += camp(line, nr_OP);
    item += QString(inserted + 1, QLatin1Char(','));
    item += type;
    return item;
}

bool OrdersFile::exists() const {
    return QFileInfo::exists(path());
}

std::optional<QStringList> OrdersFile::readAll() const {
    return text::readLines(path());
}

bool OrdersFile::rewrite(const QStringList& lines, QString* error) const {
    return text::replaceFile(path(), folder_.filePath(QLatin1String(tempName)),
                             text::joinLines(lines), error);
}

ListaIncarcata OrdersFile::incarcare_lista() const {
    ListaIncarcata result;
    const QString file = path();
    QFileInfo info(file);
    if (info.exists() && info.size() == 0)
        QFile::remove(file);

    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return result;
    const QByteArray bytes = input.readAll();
    input.close();
    result.fileExists = true;

    QStringList lines = text::splitLines(text::fromCp1250(bytes));
    result.items.reserve(lines.size());
    bool changed = !hasCanonicalLineEnds(bytes);
    int lastDocument = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const int commas = forma_cunoscuta(lines[i]);
        if (commas < 0) {
            result.unknownLines.append(i + 1);
            continue;
        }
        const int inserted = campuri_lipsa(commas);
        if (inserted > 0) {
            lines[i] = linie_actualizata(lines[i], commas);
            changed = true;
        }
        result.items.append(element_lista(lines[i], inserted));
        lastDocument = i;
    }
    if (lastDocument >= 0) {
        result.CIF_curent = camp(lines[lastDocument], CIF_platitor).toString();
        result.data_curenta = camp(lines[lastDocument], data_emiterii).toString();
    }

    // An up-to-date file is left as it is; otherwise it is replaced whole.
    // Either way no man.txt is left behind.
    if (changed) {
        if (!rewrite(lines, &result.rewriteError) && result.rewriteError.isEmpty()) {
            result.rewriteError = file;
        }
    } else {
        QFile::remove(folder_.filePath(QLatin1String(tempName)));
    }
    return result;
}

QList<OrdersFile::Linie> OrdersFile::documente() const {
    QList<Linie> documents;
    const auto lines = readAll();
    if (!lines)
        return documents;
    for (int i = 0; i < lines->size(); ++i) {
        if (forma_cunoscuta(lines->at(i)) >= 0)
            documents.append({i + 1, lines->at(i)});
    }
    return documents;
}

Cautare OrdersFile::citire(qint64 nr) const {
    Cautare result;
    const QList<Linie> documents = documente();
    if (documents.isEmpty())
        return result;
    for (const Linie& line : documents) {
        if (numar_ordine(line.text) == nr) {
            result.kind = Cautare::Found;
            result.document = ordin::din_linie(line.text);
            return result;
        }
    }
    result.kind = Cautare::New;
    result.document = ordin::din_linie(documents.back().text);
    return result;
}

bool OrdersFile::salvare_ordin(const ordin& document, QString* error) const {
    // The order number is written in decimal form: "007" is stored as 7.
    const qint64 nr = text::numericValue(document[nr_ordine]);
    ordin stored = document;
    stored[nr_ordine] = QString::number(nr);
    const QString newLine = stored.linie();
    QStringList lines = readAll().value_or(QStringList());
    bool replaced = false;
    for (QString& line : lines) {
        // Only documents are matched: a line of no known shape is never overwritten.
        if (forma_cunoscuta(line) >= 0 && numar_ordine(line) == nr) {
            line = newLine;
            replaced = true;
        }
    }
    if (!replaced)
        lines.append(newLine);
    return rewrite(lines, error);
}

OrdersFile::Stergere OrdersFile::sterge_tot(QString* error) const {
    QFile input(path());
    if (!input.open(QIODevice::ReadOnly))
        return Stergere::NoFile;
    const QByteArray bytes = input.readAll();
    input.close();
    const QString copy = folder_.filePath(QLatin1String(copyName));
    if (!text::replaceFile(copy, copy + QLatin1String(".tmp"), bytes, error)) {
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
