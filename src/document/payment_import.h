#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "document/document_checks.h"
#include "document/table_columns.h"

namespace tavo::document {

// Why a row of a table of payments is refused: the column (named as the
// header writes it, or by its stored name when the table has no such column)
// and the program's own message.
struct ImportReason {
    QString column;
    QString message;

    bool operator==(const ImportReason&) const = default;
};

// A row of the table checked: the document it makes when accepted, else the
// reasons, one per problem.
struct ImportedRow {
    int line = 0;  // the row's line in the file; the header is line 1
    Document document;
    QList<ImportReason> reasons;

    bool accepted() const { return reasons.isEmpty(); }
};

// What typing (or pasting) a text leaves in a field, and whether the typed
// limit cut some of it.
struct TypedCell {
    QString text;
    bool cut = false;
};

// How the form takes a cell: the fields in tab order, and what typing a text
// into field k leaves there.
struct FieldTyping {
    std::array<int, kD1Count> tabOrder{};
    std::function<TypedCell(int k, const QString& typed)> typed;
};

// A table of payments read and checked: its rows, or, when the bytes are not
// a table of payments (an unknown or repeated column in the header, bytes
// that are not text), the message saying why. An empty file has no rows.
struct PaymentTable {
    QString error;
    QList<ImportedRow> rows;

    int acceptedCount() const;
};

// The header of a table matched, then each row checked as the entry window
// checks a document typed into it: every cell put into its field when its
// turn in the tab order comes and the field left, with the dots of an amount
// taken as thousands; then the check of the missing data made on leaving.
// A row is accepted when no check gave a message, none changed what a cell
// says (see sameAsCell) and nothing is missing. The column "nr_ordine" is
// known and never read; a column the table lacks is an empty cell; the type
// is "OP" or "FV" in any case, empty for OP.
PaymentTable checkPaymentTable(QByteArrayView bytes, const FieldTyping& typing,
                               const CheckContext& context);

// One row: `names` the header as written, `columns` what it names.
ImportedRow checkPaymentRow(int line, const QStringList& names, const QList<TableColumn>& columns,
                            const QStringList& cells, const FieldTyping& typing,
                            const CheckContext& context);

}  // namespace tavo::document
