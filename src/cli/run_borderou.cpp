#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"
#include "main_window/introd_texts.h"

namespace tavo::cli {

// `tavo borderou --cif CODE --period dd/mm/yyyy-dd/mm/yyyy [--type 1|2|3 |
// --multi-iban]`: "Borderou (1) OP/FV" (or, with --multi-iban, "Borderou (2)
// OP") with its questions answered from the command line.
int runBorderou(const Options& options, const CommandLine& commandLine, Output output) {
    const QString cif = commandLine.value(QStringLiteral("--cif"));
    const QString period = commandLine.value(QStringLiteral("--period"));
    const QString type = commandLine.value(QStringLiteral("--type"), QStringLiteral("1"));
    const bool multiIban = commandLine.has(QStringLiteral("--multi-iban"));

    return runHeadless(options, output, QStringLiteral("borderou"), [&](ScriptSession& session) {
        ScriptedUi& ui = session.ui();
        ui.answerTo(introd_texts::askPayerCode, cif);
        ui.answerTo(introd_texts::askSummaryPeriod, period);
        bool done = false;
        if (multiIban) {
            done = session.introd().Command10_Click();
        } else {
            ui.answerTo(introd_texts::askType, type);
            done = session.introd().Command6_Click();
        }
        if (done)
            return int(Done);
        output.err
            << translate("Failure", "tavo borderou: the period '%1' is not two dates").arg(period)
            << '\n';
        return int(Failed);
    });
}

}  // namespace tavo::cli
