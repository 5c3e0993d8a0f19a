#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"
#include "main_window/introd_texts.h"

namespace tavo::cli {

// `tavo package [--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy
// --type 1|2 [--interval n1/n2] [--view yes|no]`: "Listare pachet OP/FV-uri."
// with its questions answered from the options.
int runPackage(const Options& options, const CommandLine& commandLine, Output output) {
    return runHeadless(options, output, QStringLiteral("package"), [&](ScriptSession& session) {
        ScriptedUi& ui = session.ui();
        // Those of a run that ends early stay unused.
        ui.answerTo(introd_texts::askCopiesPerPage,
                    commandLine.value(QStringLiteral("--copies")) == QLatin1String("2")
                        ? QStringLiteral("yes")
                        : QStringLiteral("no"));
        ui.answerTo(introd_texts::askPayerCode, commandLine.value(QStringLiteral("--cif")));
        ui.answerTo(introd_texts::askPackagePeriod, commandLine.value(QStringLiteral("--period")));
        ui.answerTo(introd_texts::askType, commandLine.value(QStringLiteral("--type")));
        ui.answerTo(introd_texts::askInterval,
                    commandLine.value(QStringLiteral("--interval"), QStringLiteral("/")));
        ui.answerTo(introd_texts::askViewImages,
                    commandLine.value(QStringLiteral("--view"), QStringLiteral("no")));
        if (session.introd().B_OPuri_Click())
            return int(Done);
        output.err << translate("Failure", "tavo package: the period '%1' is not two dates")
                          .arg(commandLine.value(QStringLiteral("--period")))
                   << '\n';
        return int(Failed);
    });
}

}  // namespace tavo::cli
