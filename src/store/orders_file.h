#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "store/ordin.h"

namespace tavo::store {

// What loading ordine.txt gives the main window.
struct LoadedList {
    bool fileExists = false;  // false: no documents (missing or empty file)
    QStringList items;        // one item of `Ordine` per document, in file order
    // The line of each listed document as the file now holds it, folded for
    // searching (text::appendSearchFolded), each followed by '\n', in list order.
    QByteArray searchLines;
    // From the last document of the file: its payer fiscal code and issue date.
    std::optional<QString> CIF_curent;
    std::optional<QString> data_curenta;
    QList<int> unknownLines;  // 1-based numbers of lines that fit no known shape
    QString rewriteError;     // set when bringing the file up to date failed
    // Set when the file was brought up to date but its old content could not
    // be kept as an earlier version.
    QString versionFailure;
};

// What the look-up of one order number finds.
struct Lookup {
    enum Kind {
        NoDocuments,  // ordine.txt missing or empty: the entry window stays empty
        Found,        // `document` is the line with that order number
        New,          // no such line: `document` is the last document, the defaults
    };
    Kind kind = NoDocuments;
    ordin document;
};

// The stored documents: ordine.txt in the working folder, one document a line.
// The file is read whole and rewritten whole through man.txt, which is written
// completely, synced, and then renamed over ordine.txt: a failure at any
// moment leaves the old file or the new one, never a half file and never none.
// Just before the rename, the old file is kept as an earlier version
// (EarlierVersions), unless the new content is the same; a version that
// cannot be kept never stops the rewrite.
class OrdersFile {
  public:
    explicit OrdersFile(QDir folder) : folder_(std::move(folder)) {}

    static constexpr const char* fileName = "ordine.txt";
    static constexpr const char* tempName = "man.txt";
    static constexpr const char* copyName = "ordine_copie.txt";

    QString path() const { return folder_.filePath(QLatin1String(fileName)); }
    bool exists() const;

    // Reads the file, brings lines of earlier shapes up to date (rewriting the
    // file when anything changed), and builds the items of the main list.
    // Lines of no known shape are kept in place, unchanged, and not listed.
    // Without `searched`, the folded search lines are not made (a list that
    // is only read out).
    LoadedList incarcare_lista(bool searched = true) const;

    // The documents of the file in order, each with its 1-based line number;
    // lines of no known shape are left out. Empty when there is no file.
    struct DocumentLine {
        int lineNumber;
        QString text;
    };
    QList<DocumentLine> documente() const;

    // The number of documents, and the text of the one at `position` (1-based,
    // counting documents only) when there is one.
    struct Position {
        qint64 count = 0;
        std::optional<QString> line;
    };
    Position documentAtPosition(qint64 position) const;

    // Finds the document whose order number is `nr`; when none has it, the last
    // document of the file (from which a new one takes its defaults).
    Lookup citire(qint64 nr) const;

    // Writes a document: its line replaces, in place, every line with the same
    // order number, or is appended when there is none. Field 1 of `document`
    // holds the order number, read as a number and written in decimal form.
    // `versionFailure`: why the old file could not be kept as an earlier
    // version, when the save went through without it.
    bool salvare_ordin(const ordin& document, QString* error = nullptr,
                       QString* versionFailure = nullptr) const;
    // The same save, giving besides the list of the file as written: exactly
    // what incarcare_lista would give reading it back, without reading it.
    // `before` is the list the last load gave: when the file still matched it
    // and needed no bringing up to date, it is kept and only the saved
    // document's item changes; otherwise the list is built from the written
    // bytes as a load builds it (bringing them up to date). Nothing when the
    // save failed.
    std::optional<LoadedList> salvare_ordin(const ordin& document, const QStringList& before,
                                            QString* error = nullptr,
                                            QString* versionFailure = nullptr) const;

    // Writes many new documents at once, after the last line of the file, in
    // one rewrite: the folder holds the old file or the file with every one
    // of them. Their order numbers are taken as they are (the caller gives
    // free ones). Gives the list of the file as written; nothing when the
    // save failed.
    std::optional<LoadedList> salvare_ordine(const QList<ordin>& documents,
                                             QString* error = nullptr,
                                             QString* versionFailure = nullptr) const;

    // Keeps the file as ordine_copie.txt (replacing an earlier copy) and then
    // deletes it. Nothing is deleted when the copy could not be written.
    enum class Deletion { NoFile, Deleted, Failed };
    Deletion deleteAll(QString* error = nullptr) const;

  private:
    // Writes `content` over the file whose bytes are `old`, keeping them as
    // an earlier version when they differ.
    bool rewrite(QByteArrayView old, const QByteArray& content, QString* error,
                 QString* versionFailure) const;
    // The list of a file whose bytes are `content` (see incarcare_lista).
    LoadedList lista(QByteArrayView content, bool searched = true) const;
    // The save of salvare_ordin; with `after`, the list as written, from `before`.
    bool save(const ordin& document, const QStringList& before, LoadedList* after, QString* error,
              QString* versionFailure) const;

    QDir folder_;
};

}  // namespace tavo::store
