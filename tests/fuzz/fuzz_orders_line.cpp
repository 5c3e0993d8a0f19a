// The reader of ordine.txt: each line through the shape tests and the field
// reader, then the input as a working folder's file, loaded twice and saved to.
#include "fuzz_support.h"
#include "store/line_shape.h"
#include "store/orders_file.h"
#include "store/ordin.h"
#include "text/text_helpers.h"

using namespace tavo;
using namespace tavo::store;

namespace {

void checkLine(QByteArrayView bytes) {
    const QString line = text::fromCp1250(bytes);
    const int shape = knownShape(bytes);
    // The stored-bytes count, the decoded-text count and the pattern test agree.
    FUZZ_CHECK(knownShape(QStringView(line)) == shape);
    int byPattern = -1;
    for (const int commas : knownShapes) {
        if (forma_linie(line, QString(commas, QLatin1Char(','))))
            byPattern = commas;
    }
    FUZZ_CHECK(byPattern == shape);

    // The fields read from the text and from the stored bytes are the same.
    const ordin record = ordin::fromLine(line);
    for (int k = 1; k <= numar_campuri; ++k) {
        FUZZ_CHECK(record[k] == camp(line, k));
        FUZZ_CHECK(text::fromCp1250(camp(bytes, k)) == record[k]);
    }
    FUZZ_CHECK(text::fromCp1250(typeOf(bytes)) == typeOf(QStringView(line)));
    if (shape == currentCommas)
        FUZZ_CHECK(record.linie() == line);
    if (shape < 0)
        return;
    // Brought up to date: 19 commas, the same leading fields, the type last.
    const QString updated = updatedLine(line, shape);
    FUZZ_CHECK(knownShape(QStringView(updated)) == currentCommas);
    for (int k = 1; k <= shape; ++k) FUZZ_CHECK(camp(updated, k) == camp(line, k));
    FUZZ_CHECK(camp(updated, numar_campuri) == camp(line, shape + 1));
}

void checkFile(QByteArrayView bytes, qsizetype lineCount) {
    const QDir folder = fuzz::emptyFolder(QStringLiteral("orders"));
    fuzz::writeFile(folder.filePath(QLatin1String(OrdersFile::fileName)), bytes);
    const OrdersFile orders(folder);
    const LoadedList first = orders.incarcare_lista();
    if (!first.fileExists) {
        FUZZ_CHECK(bytes.isEmpty());
        return;
    }
    FUZZ_CHECK(first.rewriteError.isEmpty());
    FUZZ_CHECK(first.items.size() + first.unknownLines.size() == lineCount);

    // The first load leaves an up-to-date file: the next one changes nothing.
    const QByteArray rewritten = readBytes(orders.path());
    const LoadedList second = orders.incarcare_lista();
    FUZZ_CHECK(second.items.size() == first.items.size());
    FUZZ_CHECK(second.unknownLines == first.unknownLines);
    FUZZ_CHECK(readBytes(orders.path()) == rewritten);

    const QList<OrdersFile::DocumentLine> documents = orders.documente();
    FUZZ_CHECK(documents.size() == first.items.size());
    const OrdersFile::Position counted = orders.documentAtPosition(documents.size());
    FUZZ_CHECK(counted.count == documents.size());
    if (documents.isEmpty())
        return;
    FUZZ_CHECK(counted.line == documents.last().text);

    // Saving a stored document again replaces it in place.
    const ordin last = ordin::fromLine(documents.last().text);
    const Lookup found = orders.citire(text::numericValue(last[nr_ordine]));
    FUZZ_CHECK(found.kind == Lookup::Found);
    FUZZ_CHECK(orders.salvare_ordin(found.document));
    FUZZ_CHECK(orders.documente().size() == documents.size());
}

// Each line without its CR LF, then the whole input as ordine.txt.
void checkOrders(QByteArrayView bytes) {
    QList<QByteArray> lines = bytes.toByteArray().split('\n');
    if (lines.back().isEmpty())  // after the last line break, or no input
        lines.removeLast();
    for (const QByteArray& line : lines) checkLine(line.endsWith('\r') ? line.chopped(1) : line);
    checkFile(bytes, lines.size());
}

}  // namespace

TAVO_FUZZ_TARGET(false, checkOrders)
