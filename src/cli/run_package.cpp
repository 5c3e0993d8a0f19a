#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"

namespace tavo::cli {

// `tavo package [--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy
// --type 1|2 [--interval n1/n2] [--view yes|no]`: "Listare pachet OP/FV-uri."
// with its questions answered from the options.
int runPackage(const Options& options, const CommandLine& commandLine, Output output) {
    return runHeadless(options, output, QStringLiteral("package"), [&](ScriptSession& session) {
        ScriptedUi& ui = session.ui();
        // The answers in the order the questions come; those of a run that
        // ends early stay unused.
        ui.queueAnswer(commandLine.value(QStringLiteral("--copies")) == QLatin1String("2")
                           ? QStringLiteral("yes")
                           : QStringLiteral("no"));
        for (const char* option : {"--cif", "--period", "--type"})
            ui.queueAnswer(commandLine.value(QLatin1String(option)));
        ui.queueAnswer(commandLine.value(QStringLiteral("--interval"), QStringLiteral("/")));
        ui.queueAnswer(commandLine.value(QStringLiteral("--view"), QStringLiteral("no")));
        if (session.introd().B_OPuri_Click())
            return int(Done);
        output.err << translate("Failure", "tavo package: the period '%1' is not two dates")
                          .arg(commandLine.value(QStringLiteral("--period")))
                   << '\n';
        return int(Failed);
    });
}

}  // namespace tavo::cli
