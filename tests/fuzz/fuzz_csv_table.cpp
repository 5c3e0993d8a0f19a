// Tables read from any bytes: a clear message or rows whose line numbers stand
// in the file, and rows that, written in either flavour, read back the same.
#include <QRegularExpression>
#include <algorithm>

#include "fuzz_support.h"
#include "text/csv_table.h"

using namespace tavo;
using namespace tavo::text;

namespace {

// The lines of the file: CR LF, LF and a lone CR each end one.
int lineCount(QByteArrayView bytes) {
    int lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

QList<QStringList> fieldsOf(const QList<TableRow>& rows) {
    QList<QStringList> fields;
    fields.reserve(rows.size());
    for (const TableRow& row : rows) fields.append(row.fields);
    return fields;
}

// Without quotes every character of the file but the line ends is in a field
// or is a separator: none is lost or made up. Counted in characters, as the
// file's UTF-8 sequences or CP1250 bytes give them.
void checkNothingLost(QByteArrayView bytes, const TableReading& reading) {
    if (reading.encoding == TableEncoding::Utf8WithBom)
        bytes = bytes.sliced(3);
    const bool utf8 = reading.encoding != TableEncoding::Cp1250;
    qsizetype inFile = 0;
    for (const char byte : bytes) {
        if (byte != '\r' && byte != '\n' && !(utf8 && (uchar(byte) & 0xC0) == 0x80))
            ++inFile;
    }
    qsizetype read = 0;
    for (const TableRow& row : reading.rows) {
        read += row.fields.size() - 1;
        for (const QString& field : row.fields)
            read += field.size() - std::count_if(field.begin(), field.end(),
                                                 [](QChar c) { return c.isLowSurrogate(); });
    }
    FUZZ_CHECK(read == inFile);
}

// Written, the rows read back the same, from the line a row of each starts on.
void checkRoundTrip(const QList<TableRow>& rows, TableFlavour flavour) {
    const QByteArray bytes = writeTable(fieldsOf(rows), flavour);
    const TableReading back = readTable(bytes);
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back.encoding ==
               (flavour == TableFlavour::Excel ? TableEncoding::Utf8WithBom : TableEncoding::Utf8));
    FUZZ_CHECK(fieldsOf(back.rows) == fieldsOf(rows));
    if (rows.front().fields.size() > 1)
        FUZZ_CHECK(back.separator == (flavour == TableFlavour::Excel ? u';' : u','));
}

void checkTable(QByteArrayView bytes) {
    const TableReading reading = readTable(bytes);
    const int lines = lineCount(bytes);
    if (!reading.ok()) {
        static const QRegularExpression message(
            QStringLiteral("^[A-Za-z0-9 ,()-]+ la linia (\\d+)$"));
        const QRegularExpressionMatch match = message.match(reading.error);
        FUZZ_CHECK(match.hasMatch());
        const int line = match.captured(1).toInt();
        FUZZ_CHECK(line >= 1 && line <= lines);
        FUZZ_CHECK(reading.rows.isEmpty());
        return;
    }
    FUZZ_CHECK(reading.separator == u';' || reading.separator == u'\t' ||
               reading.separator == u',');
    int previous = 0;
    bool oneFieldEach = true;
    for (const TableRow& row : reading.rows) {
        FUZZ_CHECK(row.line > previous && row.line <= lines);
        FUZZ_CHECK(!row.fields.isEmpty());
        previous = row.line;
        oneFieldEach = oneFieldEach && row.fields.size() == 1;
    }
    if (!bytes.contains('"'))
        checkNothingLost(bytes, reading);
    if (reading.rows.isEmpty())
        return;
    // Only a header of several fields shows the reader the separator of ragged rows.
    if (reading.rows.front().fields.size() > 1 || oneFieldEach) {
        checkRoundTrip(reading.rows, TableFlavour::Excel);
        checkRoundTrip(reading.rows, TableFlavour::Csv);
    }
    foldedName(reading.rows.front().fields.front());
}

}  // namespace

TAVO_FUZZ_TARGET(false, checkTable)
