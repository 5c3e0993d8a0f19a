#include "document/payment_import.h"

#include <utility>

#include "document/field_checks.h"
#include "document/import_texts.h"
#include "document/import_values.h"
#include "text/csv_table.h"

namespace tavo::document {
namespace {

// The field each text of the missing data is about, by how the text begins.
int fieldOfMissing(const QString& text) {
    static const std::pair<const char*, D1> beginnings[] = {
        {"Nr OP/FV", D1::nr_OP},
        {"Suma", D1::suma},
        {"Denumire plătitor", D1::platitor},
        {"Cod de identificare fiscală plătitor", D1::CIF_platitor},
        {"Cod program", D1::cod_program},
        {"Indicator angajament", D1::indicator_angajament},
        {"Adresa plătitor", D1::adresa_platitor},
        {"Cod IBAN plătitor", D1::IBAN_platitor},
        {"Cod de identificare fiscală beneficiar", D1::CIF_beneficiar},
        {"Denumire beneficiar", D1::beneficiar},
        {"Cod IBAN beneficiar", D1::IBAN_beneficiar},
        {"Obiectul", D1::reprezentand},
        {"Data emiterii", D1::data_emiterii},
        {"Data debitarii", D1::data_debitarii},
    };
    for (const auto& [beginning, field] : beginnings) {
        if (text.startsWith(QString::fromUtf8(beginning)))
            return field;
    }
    return D1::cod_angajament;
}

// The row being checked: its cells by field, the column names by field, and
// the reasons found so far, at most one per field.
class RowCheck {
  public:
    RowCheck(const QStringList& names, const QList<TableColumn>& columns, const QStringList& cells)
        : tableHeader_(tableHeader()) {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const TableColumn& column = columns[i];
            const QString cell = cells.value(i);
            if (column.kind == TableColumn::Field) {
                cells_[size_t(column.field)] = cell;
                names_[size_t(column.field)] = names[i];
            } else if (column.kind == TableColumn::Type) {
                type_ = cell.trimmed();
                typeName_ = names[i];
            }
        }
    }

    const QString& cell(int k) const { return cells_[size_t(k)]; }
    const QString& type() const { return type_; }
    const QString& typeName() const { return typeName_; }

    // The column of field k as the header names it, or its stored name.
    QString column(int k) const {
        const QString& name = names_[size_t(k)];
        return name.isNull() ? tableHeader_[store::positionOfField(k) - 1] : name;
    }
    bool hasReason(int k) const { return reasoned_[size_t(k)]; }
    void addReason(int k, const QString& message, QList<ImportReason>& reasons) {
        const ImportReason reason{column(k), message};
        if (reasons.contains(reason))
            return;  // one problem, told once
        reasoned_[size_t(k)] = true;
        reasons.append(reason);
    }

  private:
    QStringList tableHeader_;
    Fields cells_;
    std::array<QString, kD1Count> names_;
    std::array<bool, kD1Count> reasoned_{};
    QString type_;
    QString typeName_;
};

// Each field, in tab order, typed and left as the form does.
void typeAndLeave(ImportedRow& row, RowCheck& check, const FieldTyping& typing,
                  const CheckContext& context, std::array<QString, kD1Count>& hints) {
    Labels labels;
    for (int k : typing.tabOrder) {
        const QString& cell = check.cell(k);
        const TypedCell typed = typing.typed ? typing.typed(k, cell) : TypedCell{cell, false};
        row.document.d1[size_t(k)] = typed.text;
        if (typed.cut)
            check.addReason(k, import_texts::tooLong.arg(typed.text.size()), row.reasons);
        const FieldFindings found = leaveField(row.document, labels, k, context);
        for (const Notice& notice : found.notices) check.addReason(k, notice.text, row.reasons);
        if (found.hintsGiven > 0 && found.hint.field >= 0)
            hints[size_t(found.hint.field)] = found.hint.text;
    }
}

}  // namespace

int PaymentTable::acceptedCount() const {
    int count = 0;
    for (const ImportedRow& row : rows) count += row.accepted() ? 1 : 0;
    return count;
}

ImportedRow checkPaymentRow(int line, const QStringList& names, const QList<TableColumn>& columns,
                            const QStringList& cells, const FieldTyping& typing,
                            const CheckContext& context) {
    ImportedRow row;
    row.line = line;
    // Cells past the header's columns would be lost: only empty ones may be there.
    for (qsizetype i = columns.size(); i < cells.size(); ++i) {
        if (!cells[i].trimmed().isEmpty()) {
            row.reasons.append(
                {QString(), import_texts::tooManyCells.arg(cells.size()).arg(columns.size())});
            return row;
        }
    }
    RowCheck check(names, columns, cells);
    const QString type = check.type().toUpper();
    if (!type.isEmpty() && type != kOP && type != kFV) {
        row.reasons.append({check.typeName(), import_texts::unknownType.arg(check.type())});
        return row;
    }
    row.document.op = type != kFV;

    std::array<QString, kD1Count> hints;
    typeAndLeave(row, check, typing, context, hints);
    // What the checks changed without a word, field by field in tab order.
    for (int k : typing.tabOrder) {
        const QString& checked = row.document.d1[size_t(k)];
        if (check.hasReason(k) || sameAsCell(k, check.cell(k), checked))
            continue;
        QString message = hints[size_t(k)];
        if (message.isEmpty())
            message =
                checked.isEmpty() ? import_texts::emptied : import_texts::changed.arg(checked);
        check.addReason(k, message, row.reasons);
    }
    for (QString missing : missingData(row.document)) {
        const int k = fieldOfMissing(missing);
        if (check.hasReason(k))
            continue;
        while (missing.endsWith(QLatin1Char(' ')) || missing.endsWith(QLatin1Char(';')))
            missing.chop(1);
        check.addReason(k, missing, row.reasons);
    }
    return row;
}

PaymentTable checkPaymentTable(QByteArrayView bytes, const FieldTyping& typing,
                               const CheckContext& context) {
    PaymentTable table;
    const text::TableReading reading = text::readTable(bytes);
    if (!reading.ok()) {
        table.error = reading.error;
        return table;
    }
    if (reading.rows.isEmpty())
        return table;  // an empty file: no rows
    const QStringList& names = reading.rows.front().fields;
    const HeaderReading header = readHeader(names);
    if (!header.error.isEmpty()) {
        table.error = header.error;
        return table;
    }
    table.rows.reserve(reading.rows.size() - 1);
    for (qsizetype i = 1; i < reading.rows.size(); ++i) {
        const text::TableRow& row = reading.rows[i];
        table.rows.append(
            checkPaymentRow(row.line, names, header.columns, row.fields, typing, context));
    }
    return table;
}

}  // namespace tavo::document
