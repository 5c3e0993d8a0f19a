#pragma once

#include <QDate>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "beneficiary/reference_lists.h"
#include "document/payment_import.h"
#include "store/orders_file.h"

namespace tavo {

// A table of payments read from a file and checked as the entry window checks
// what is typed into it; each accepted row's document holds the order number
// it gets: the numbers a new document gets in the main window, one after the
// other in the file's order, past those already taken.
struct PaymentImport {
    QString error;  // the file is not a table of payments; nothing else is set
    QList<document::ImportedRow> rows;
    int accepted = 0;

    int refused() const { return int(rows.size()) - accepted; }
    // The documents to save, in the file's order.
    QList<store::ordin> documents() const;
    // The report: "ROW line OK nr" for each accepted row, "ROW line REFUSED
    // column|message" for each reason of a refused one, then "IMPORT accepted
    // N, refused M". A line break of a message is written "\n".
    QStringList report() const;
};

// The way the entry window takes a typed text: its tab order and typed limits.
document::FieldTyping entryTyping();

// Reads and checks the file at `path` against the documents of `orders`.
PaymentImport readPaymentImport(const QString& path, const store::OrdersFile& orders,
                                const beneficiary::ReferenceLists& lists,
                                const QDate& today = QDate::currentDate());

// The model table shipped with the program, as the working folder gets it.
inline constexpr const char* kImportModel = "model-import.csv";
QByteArray importModel();
// Writes the model table into `folder`; refused (false, with `error`) when
// the folder holds a file of that name already.
bool writeImportModel(const QDir& folder, QString* error);

}  // namespace tavo
