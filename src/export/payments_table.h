#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <optional>

#include "printing/period.h"
#include "store/orders_file.h"
#include "text/csv_table.h"

namespace tavo::exporting {

// Which stored documents go into an exported table, chosen as the payment
// summary chooses them: the payer's fiscal code compared as text, the issue
// date within the period, the type. Nothing given: every document.
struct PaymentsChoice {
    std::optional<QString> CIF;
    std::optional<printing::Period> perioada;
    QString tip;  // "OP", "FV", or empty for both types
};

// The type of a choice by the summaries' numbers: 1 payment orders, 2
// deposit slips, 3 both; nothing for any other text.
std::optional<QString> typeOfChoice(const QString& number);

// The table of the chosen documents of `orders` (the bytes of ordine.txt):
// the header of the stored names, then one row a document in file order, its
// fields as stored (a line of an earlier shape with its missing fields
// empty); lines that are no documents are left out. For a spreadsheet
// (Excel) the amount has "," as its decimal point, as Romanian spreadsheets
// read numbers; the plain CSV keeps it as stored.
struct PaymentsTable {
    QByteArray bytes;
    qint64 documents = 0;
};
PaymentsTable paymentsTable(QByteArrayView orders, const PaymentsChoice& choice,
                            text::TableFlavour flavour);

// Writes the table to `path`, replacing a file of that name only once the
// new one is whole. The number of documents written, or nothing (with
// `error`) when the file could not be written.
std::optional<qint64> writePaymentsTable(const store::OrdersFile& orders, const QString& path,
                                         const PaymentsChoice& choice, text::TableFlavour flavour,
                                         QString* error = nullptr);

}  // namespace tavo::exporting
