#include <QFileInfo>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"
#include "main_window/introd_texts.h"

namespace tavo::cli {

// `tavo agentie NAME`: "Fisier agentii (pentru e-mail)" with NAME as the
// answer to the name question.
int runAgentie(const Options& options, const CommandLine& commandLine, Output output) {
    const QString name = commandLine.arguments.front();
    const int status =
        runHeadless(options, output, QStringLiteral("agentie"), [&](ScriptSession& session) {
            session.ui().answerTo(introd_texts::askAgencyName, name);
            return session.introd().B_agentii_Click() ? int(Done) : -1;
        });
    if (status != -1)
        return status;
    if (!QFileInfo::exists(options.folder.filePath(QStringLiteral("ordine.txt"))))
        output.err << translate("Failure", "tavo agentie: there is no ordine.txt in %1")
                          .arg(options.folder.path())
                   << '\n';
    else if (name.isEmpty())
        output.err << translate("Failure",
                                "tavo agentie: the name is empty; only agentie/tabela.txt was "
                                "written")
                   << '\n';
    else
        output.err << translate("Failure", "tavo agentie: no agency file was written") << '\n';
    return Failed;
}

}  // namespace tavo::cli
