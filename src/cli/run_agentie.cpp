#include <QFileInfo>

#include "cli/commands.h"
#include "cli/script_session.h"

namespace tavo::cli {

// `tavo agentie NAME`: "Fisier agentii (pentru e-mail)" with NAME as the
// answer to the name question.
int runAgentie(const Options& options, const QStringList& arguments, Output output) {
    if (arguments.size() != 1) {
        output.err << "tavo agentie: takes one NAME (for example APIA_OPT_123.txt)\n" << usage();
        return BadUsage;
    }
    ScriptSession session(options, output);
    try {
        if (!session.start())
            return Failed;
        session.ui().queueAnswer(arguments.front());
        if (session.introd().B_agentii_Click())
            return Done;
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    } catch (const std::exception& e) {
        output.err << "tavo agentie: " << e.what() << '\n';
        return Failed;
    }
    if (!QFileInfo::exists(options.folder.filePath(QStringLiteral("ordine.txt"))))
        output.err << "tavo agentie: there is no ordine.txt in " << options.folder.path() << '\n';
    else if (arguments.front().isEmpty())
        output.err << "tavo agentie: the name is empty; only agentie/tabela.txt was written\n";
    else
        output.err << "tavo agentie: no agency file was written\n";
    return Failed;
}

}  // namespace tavo::cli
