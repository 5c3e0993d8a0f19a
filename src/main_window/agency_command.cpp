// "Fisier agentii (pentru e-mail)": every stored document into
// agentie/tabela.txt, then a copy under the name the agency expects.
#include "export/agency_file.h"
#include "main_window/introd.h"

namespace tavo {

bool Introd::B_agentii_Click() {
    if (!orders_.exists()) {
        ui_.message(QStringLiteral("Nu aveti date incarcate."), Icon::Exclamation);
        return false;
    }
    // Made at start-up; made again in case it went away since.
    folder_.mkpath(QLatin1String(exporting::kFolderAgentie));
    const QString agentie = QLatin1String(exporting::kFolderAgentie) + QLatin1Char('/');
    QString error;
    if (!exporting::cre_tabela(orders_, folder_.filePath(agentie + exporting::kTabela), &error)) {
        ui_.message(QStringLiteral("Fisierul '%1%2' nu a putut fi scris (%3).")
                        .arg(agentie, QLatin1String(exporting::kTabela), error),
                    Icon::Exclamation);
        return false;
    }

    const std::optional<QString> answer =
        ui_.input(QStringLiteral("Dati 'Nume fisier agentie (XXXXXXXXXX_OPT_nnn.txt)':\r\n"
                                 "unde\r\n"
                                 "XXXXXXXXXX = nume prescurtat agentie,\r\n"
                                 "nnn = secventa numerica\r\n"
                                 "(ex.: APIA_OPT_123.txt)"),
                  QStringLiteral("_OPT_.txt"));
    if (!answer || answer->isEmpty())
        return false;

    // The answer becomes a file name: it must stay a plain name inside agentie/.
    const QString name = answer->toUpper();
    if (const std::optional<QString> reason = exporting::refusedAgencyName(name)) {
        ui_.message(QStringLiteral("Numele de fisier agentie nu este acceptat: %1.\r\n"
                                   "Nu s-a creat niciun fisier agentie. Dati un nume de forma "
                                   "XXXXXXXXXX_OPT_nnn.txt (ex.: APIA_OPT_123.txt).")
                        .arg(*reason),
                    Icon::Exclamation);
        return false;
    }
    if (!exporting::copyAgencyFile(folder_, name, &error)) {
        ui_.message(QStringLiteral("Fisierul agentie '%1%2' nu a putut fi scris (%3).")
                        .arg(agentie, name, error),
                    Icon::Exclamation);
        return false;
    }
    ui_.openText(agentie + name);
    return true;
}

}  // namespace tavo
