#include "document/table_columns.h"

#include <QHash>

#include "document/document_texts.h"
#include "store/ordin.h"
#include "text/csv_table.h"

namespace tavo::document {
namespace {

// The stored names of the 20 positions of a line of ordine.txt.
const QStringList& storedNames() {
    static const QStringList names{"nr_ordine",
                                   "nr_OP",
                                   "suma",
                                   "platitor",
                                   "CIF_platitor",
                                   "adresa_platitor",
                                   "IBAN_platitor",
                                   "sucursala_platitor",
                                   "beneficiar",
                                   "CIF_beneficiar",
                                   "IBAN_beneficiar",
                                   "sucursala_beneficiar",
                                   "nr_evidenta",
                                   "reprezentand",
                                   "data_emiterii",
                                   "data_debitarii",
                                   "cod_angajament",
                                   "indicator_angajament",
                                   "cod_program",
                                   "tip_doc"};
    return names;
}

// A printed caption's short form: the caption before an opening parenthesis
// or a colon, and for the amount the caption without its currency.
QString shortCaption(const QString& caption) {
    QString shortForm = caption;
    for (QChar end : {QLatin1Char('('), QLatin1Char(':')}) {
        const qsizetype at = shortForm.indexOf(end);
        if (at > 0)
            shortForm.truncate(at);
    }
    if (shortForm.endsWith(QLatin1String(" LEI")))
        shortForm.chop(4);
    return shortForm.trimmed();
}

const QHash<QString, TableColumn>& namedColumns() {
    static const QHash<QString, TableColumn> columns = [] {
        QHash<QString, TableColumn> named;
        for (int position = 1; position <= store::numar_campuri; ++position) {
            const TableColumn column = columnAt(position);
            named.insert(text::foldedName(storedNames()[position - 1]), column);
            if (column.kind == TableColumn::Field) {
                const QString& caption = document_texts::printedCaption[size_t(column.field)];
                named.insert(text::foldedName(caption), column);
                named.insert(text::foldedName(shortCaption(caption)), column);
            }
        }
        named.insert(text::foldedName(QStringLiteral("Suma")), columnAt(store::suma));
        named.insert(text::foldedName(QStringLiteral("Tip")), columnAt(store::tip_doc));
        return named;
    }();
    return columns;
}

}  // namespace

QStringList tableHeader() {
    return storedNames();
}

TableColumn columnAt(int position) {
    if (position == store::nr_ordine)
        return {TableColumn::OrderNumber, -1};
    if (position == store::tip_doc)
        return {TableColumn::Type, -1};
    return {TableColumn::Field, store::fieldIndexAt(position)};
}

std::optional<TableColumn> columnNamed(const QString& name) {
    const auto found = namedColumns().constFind(text::foldedName(name));
    if (found == namedColumns().constEnd())
        return std::nullopt;
    return *found;
}

HeaderReading readHeader(const QStringList& names) {
    HeaderReading reading;
    for (const QString& name : names) {
        const std::optional<TableColumn> column = columnNamed(name);
        if (!column) {
            reading.error = QStringLiteral("Coloana necunoscuta: \"%1\"").arg(name);
            return reading;
        }
        if (reading.columns.contains(*column)) {
            reading.error = QStringLiteral("Coloana repetata: \"%1\"").arg(name);
            return reading;
        }
        reading.columns.append(*column);
    }
    return reading;
}

}  // namespace tavo::document
