#pragma once

#include <QString>
#include <QStringView>

#include "store/orders_file.h"

namespace tavo::exporting {

// One line of dosar.txt for a stored line: order number right-aligned in 7
// columns, ". ", the type, " nr.", the document number in 10 columns, ", ",
// the issue date in 10 columns, ", PLATITOR: ", the payer (first 30
// characters, in 30 columns), ", BENEFICIAR: " and the beneficiary (likewise).
// Longer values widen their column rather than being cut.
QString summaryFileLine(QStringView line);

// Writes dosar.txt in the working folder: one line per stored document, in
// file order. Returns false (with `error`) when the file could not be written.
bool cre_dosar(const store::OrdersFile& orders, const QString& path, QString* error = nullptr);

}  // namespace tavo::exporting
