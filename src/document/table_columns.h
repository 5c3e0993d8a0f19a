#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tavo::document {

// The columns of a table of payments, one document a row: the order number,
// the 18 fields and the type, as a line of ordine.txt holds them.
struct TableColumn {
    enum Kind { OrderNumber, Field, Type };
    Kind kind = Field;
    int field = -1;  // the D1 of a Field column

    bool operator==(const TableColumn&) const = default;
};

// The header an exported table starts with: the stored names of the columns
// in stored order ("nr_ordine", "nr_OP", "suma", ..., "tip_doc").
QStringList tableHeader();

// The column of the stored order of `position` (1 to 20, as store::Camp).
TableColumn columnAt(int position);

// The column a header name stands for, read as people name columns: the
// stored name ("CIF_beneficiar"), the caption printed on the form ("Cod de
// identificare fiscală beneficiar") or its short form ("PLATITI" for
// "PLATITI LEI", "Data emiterii" for "Data emiterii (zz/ll/aaaa)"); case,
// blanks, "_" and diacritics do not count. Nothing for a name it does not know.
std::optional<TableColumn> columnNamed(const QString& name);

// The column names of a header row matched: the columns in the header's
// order, or the message naming the first unknown or repeated name.
struct HeaderReading {
    QList<TableColumn> columns;
    QString error;
};
HeaderReading readHeader(const QStringList& names);

}  // namespace tavo::document
