#include <QFile>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"
#include "printing/text_image.h"

namespace tavo::cli {

// `tavo text N`: the stored document N opened as "Incărcare" opens it, then
// "OP/FV - imagine text": LKELM.txt holds its two copies.
int runText(const Options& options, const CommandLine& commandLine, Output output) {
    const qint64 number = commandLine.arguments.front().toLongLong();

    const QString lkelm = options.folder.filePath(printing::kLKELM);
    const int status =
        runHeadless(options, output, QStringLiteral("text"), [&](ScriptSession& session) {
            if (!chooseDocument(session, output, QStringLiteral("text"), number))
                return int(Failed);
            session.introd().B_start_Click();
            session.play(QStringLiteral("click Incarc.Command3"));
            return int(Done);
        });
    if (status != Done)
        return status;
    if (!QFile::exists(lkelm)) {
        output.err << translate("Failure", "tavo text: %1 was not written").arg(printing::kLKELM)
                   << '\n';
        return Failed;
    }
    return Done;
}

}  // namespace tavo::cli
