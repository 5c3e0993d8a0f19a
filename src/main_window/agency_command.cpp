// "Fisier agentii (pentru e-mail)": every stored document into
// agentie/tabela.txt, then a copy under the name the agency expects.
#include "export/agency_file.h"
#include "main_window/introd.h"
#include "main_window/introd_texts.h"

namespace tavo {

bool Introd::B_agentii_Click() {
    if (!orders_.exists()) {
        ui_.message(introd_texts::nothingStored, Icon::Exclamation);
        return false;
    }
    // Made at start-up; made again in case it went away since.
    folder_.mkpath(QLatin1String(exporting::kFolderAgentie));
    const QString agentie = QLatin1String(exporting::kFolderAgentie) + QLatin1Char('/');
    QString error;
    if (!exporting::cre_tabela(orders_, folder_.filePath(agentie + exporting::kTabela), &error)) {
        ui_.message(
            introd_texts::fileNotWritten.arg(agentie, QLatin1String(exporting::kTabela), error),
            Icon::Exclamation);
        return false;
    }

    const std::optional<QString> answer =
        ui_.input(introd_texts::askAgencyName, QStringLiteral("_OPT_.txt"));
    if (!answer || answer->isEmpty())
        return false;

    // The answer becomes a file name: it must stay a plain name inside agentie/.
    const QString name = answer->toUpper();
    if (const std::optional<QString> reason = exporting::refusedAgencyName(name)) {
        ui_.message(introd_texts::agencyNameRefused.arg(*reason), Icon::Exclamation);
        return false;
    }
    if (!exporting::copyAgencyFile(folder_, name, &error)) {
        ui_.message(introd_texts::agencyFileNotWritten.arg(agentie, name, error),
                    Icon::Exclamation);
        return false;
    }
    ui_.openText(agentie + name);
    return true;
}

}  // namespace tavo
