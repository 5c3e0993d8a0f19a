#pragma once

#include <QDir>
#include <QString>
#include <QStringView>
#include <optional>

#include "store/orders_file.h"

namespace tavo::exporting {

// The folder of the agency files, inside the working folder.
inline constexpr const char* kFolderAgentie = "agentie";
inline constexpr const char* kTabela = "tabela.txt";

// The BIC an agency reads for an IBAN: the bank code (characters 5 to 8)
// followed by "ROBU", or by the bank's own suffix for the few banks that
// have one. An empty IBAN (a deposit slip's payer) gives "ROBU" alone.
QString bic_agentie(QStringView iban);

// One line of tabela.txt for a stored line: 13 fields, the texts between "#"
// characters, the date, the fiscal codes and the amount bare; the names are
// cut to 30 characters and the object to 70.
QString agencyTableLine(QStringView line);

// Writes agentie/tabela.txt: one line per stored document, in file order.
// Returns false (with `error`) when the file could not be written.
bool cre_tabela(const store::OrdersFile& orders, const QString& path, QString* error = nullptr);

// Why an agency file may not carry this name, or nothing when it may. The
// file must stay inside agentie/ and the name must be one that both Windows
// and Linux can hold, so that the folder can be carried between the two.
std::optional<QString> refusedAgencyName(const QString& name);

// Copies agentie/tabela.txt, byte for byte, to agentie/NAME (replacing an
// earlier file of that name). The caller has checked NAME.
bool copyAgencyFile(const QDir& folder, const QString& name, QString* error = nullptr);

}  // namespace tavo::exporting
