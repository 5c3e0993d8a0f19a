#include "entry/payment_import.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "document/import_texts.h"
#include "entry/incarc.h"
#include "text/csv_table.h"
#include "text/text_file.h"
#include "text/text_helpers.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

// The order numbers of the stored documents, and how many they are.
struct TakenNumbers {
    qint64 count = 0;
    QSet<qint64> numbers;
};

TakenNumbers takenNumbers(const store::OrdersFile& orders) {
    TakenNumbers taken;
    for (const store::OrdersFile::DocumentLine& line : orders.documente()) {
        ++taken.count;
        taken.numbers.insert(text::numericValue(store::camp(line.text, store::nr_ordine)));
    }
    return taken;
}

}  // namespace

document::FieldTyping entryTyping() {
    document::FieldTyping typing;
    for (int k = 0; k < kD1Count; ++k) typing.tabOrder[size_t(Incarc::ordineTab(k) - 1)] = k;
    typing.typed = [](int k, const QString& text) {
        const QString typed = Incarc::typedText(k, text).text;
        const QString whole = Incarc::typedText(k, text, QString(), int(text.size())).text;
        return document::TypedCell{typed, typed != whole};
    };
    return typing;
}

PaymentImport readPaymentImport(const QString& path, const store::OrdersFile& orders,
                                const beneficiary::ReferenceLists& lists, const QDate& today) {
    PaymentImport result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = import_texts::unreadable.arg(QFileInfo(path).fileName(), file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    document::CheckContext context{lists.Form_IBAN.Banci1, QString(), today, true};
    document::PaymentTable table = document::checkPaymentTable(bytes, entryTyping(), context);
    if (!table.error.isEmpty()) {
        result.error = table.error;
        return result;
    }
    // A new document gets the number after the count of stored documents, as
    // in the main window; a number some document already has is passed over.
    const TakenNumbers taken = takenNumbers(orders);
    qint64 next = taken.count + 1;
    for (document::ImportedRow& row : table.rows) {
        if (!row.accepted())
            continue;
        while (taken.numbers.contains(next)) ++next;
        row.document.nr_ordine = QString::number(next++);
        ++result.accepted;
    }
    result.rows = std::move(table.rows);
    return result;
}

QList<store::ordin> PaymentImport::documents() const {
    QList<store::ordin> documents;
    documents.reserve(accepted);
    for (const document::ImportedRow& row : rows) {
        if (row.accepted())
            documents.append(row.document.toStored());
    }
    return documents;
}

QStringList PaymentImport::report() const {
    QStringList lines;
    lines.reserve(rows.size() + 1);
    for (const document::ImportedRow& row : rows) {
        if (row.accepted()) {
            lines.append(QStringLiteral("ROW %1 OK %2").arg(row.line).arg(row.document.nr_ordine));
            continue;
        }
        for (const document::ImportReason& reason : row.reasons)
            lines.append(
                QStringLiteral("ROW %1 REFUSED %2|%3")
                    .arg(row.line)
                    .arg(ScriptedUi::oneLine(reason.column), ScriptedUi::oneLine(reason.message)));
    }
    lines.append(QStringLiteral("IMPORT accepted %1, refused %2").arg(accepted).arg(refused()));
    return lines;
}

QByteArray importModel() {
    QFile file(QStringLiteral(":/import/") + QLatin1String(kImportModel));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Kept in the sources as plain UTF-8; the user gets it as a spreadsheet
    // of this country opens it with a double click.
    const text::TableReading model = text::readTable(file.readAll());
    QList<QStringList> rows;
    for (const text::TableRow& row : model.rows) rows.append(row.fields);
    return text::writeTable(rows, text::TableFlavour::Excel);
}

bool writeImportModel(const QDir& folder, QString* error) {
    const QString path = folder.filePath(QLatin1String(kImportModel));
    const QFileInfo existing(path);
    if (existing.exists() || existing.isSymLink()) {
        if (error)
            *error = import_texts::modelExists.arg(QLatin1String(kImportModel));
        return false;
    }
    QString failure;
    if (!text::replaceFile(path, path + QLatin1String(".tmp"), importModel(), &failure)) {
        if (error)
            *error = import_texts::modelNotWritten.arg(failure);
        return false;
    }
    return true;
}

}  // namespace tavo
