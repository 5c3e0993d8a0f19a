#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>

namespace tavo::text {

// Tables of text as spreadsheets and accounting programs save them ("CSV"):
// one record a line, fields split by a separator, a field holding the
// separator, a quote or a line break written between double quotes with its
// quotes doubled. Knows nothing of what the columns mean.

// One record of a table and the line of the file on which it starts (from 1),
// for messages that name the line.
struct TableRow {
    int line = 0;
    QStringList fields;

    bool operator==(const TableRow&) const = default;
};

enum class TableEncoding { Utf8, Utf8WithBom, Cp1250 };

// What reading a table gives: the rows in the file's order, the header first,
// or, when the bytes cannot be read as a table, a short message naming the
// line. A file of blank lines only is a table without rows.
struct TableReading {
    QList<TableRow> rows;
    QChar separator;
    TableEncoding encoding = TableEncoding::Utf8;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads a table saved in UTF-8 (with or without a byte-order mark) or in
// CP1250, told apart by whether the bytes are valid UTF-8; separated by ";",
// tab or ",", found in the header; lines ending in CR LF, LF or CR. Blank lines
// are skipped.
TableReading readTable(QByteArrayView bytes);

// How a table is written: Excel as a spreadsheet of this country opens it
// with a double click (UTF-8 with a byte-order mark, ";", CR LF), or plain
// CSV (UTF-8, ",", LF).
enum class TableFlavour { Excel, Csv };

// The bytes of `rows`, each row a record ending in a line end. A field is
// quoted only when it must be for the table to read back the same here and in
// a spreadsheet. A row without fields is written as one empty field.
QByteArray writeTable(const QList<QStringList>& rows, TableFlavour flavour);

// Writes a table row by row, as writeTable does, for tables too large to
// hold as text first: stored fields (CP1250 bytes) go straight to UTF-8.
class TableWriter {
  public:
    // Starts the table (the byte-order mark of the Excel flavour) with its
    // header row, which has at least two fields.
    TableWriter(TableFlavour flavour, const QStringList& header);

    // A field of the current row; the first field of a row starts it.
    void field(QByteArrayView cp1250);
    // The same, every "." written as ",": an amount for a spreadsheet.
    void amountField(QByteArrayView cp1250);
    // Ends the current row.
    void endRow();
    // Makes room for `bytes` more bytes of table.
    void reserve(qsizetype bytes) { bytes_.reserve(bytes_.size() + size_t(bytes)); }

    QByteArray take() const { return QByteArray(bytes_.data(), qsizetype(bytes_.size())); }

  private:
    void append(QByteArrayView cp1250, bool decimalComma);

    std::string bytes_;  // appends cheaply, one byte at a time
    char separator_;
    const char* lineEnd_;
    bool rowStarted_ = false;
};

// A column name folded for comparison with another: case, blanks, "_" and
// diacritics do not count ("Cod fiscal", "COD_FISCAL" and "codfiscal" fold
// alike, as do "Sumă" and "suma").
QString foldedName(const QString& name);

}  // namespace tavo::text
