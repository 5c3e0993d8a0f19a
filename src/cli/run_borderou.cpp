#include "cli/commands.h"
#include "cli/script_session.h"

namespace tavo::cli {

// `tavo borderou --cif CODE --period dd/mm/yyyy-dd/mm/yyyy [--type 1|2|3]
// [--multi-iban]`: "Borderou (1) OP/FV" (or, with --multi-iban, "Borderou (2)
// OP") with its questions answered from the command line.
int runBorderou(const Options& options, QStringList arguments, Output output) {
    std::optional<QString> cif;
    std::optional<QString> period;
    std::optional<QString> type;
    bool multiIban = false;
    bool ok = true;
    while (ok && !arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--multi-iban") && !multiIban) {
            multiIban = true;
            continue;
        }
        std::optional<QString>* target = option == QLatin1String("--cif")      ? &cif
                                         : option == QLatin1String("--period") ? &period
                                         : option == QLatin1String("--type")   ? &type
                                                                               : nullptr;
        ok = target && !*target && !arguments.isEmpty();
        if (ok)
            *target = arguments.takeFirst();
    }
    const QStringList types = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    ok = ok && cif && period && (!type || (types.contains(*type) && !multiIban));
    if (!ok) {
        output.err << "tavo borderou: --cif CODE --period dd/mm/yyyy-dd/mm/yyyy "
                      "[--type 1|2|3] [--multi-iban]\n"
                   << usage();
        return BadUsage;
    }

    return runHeadless(options, output, QStringLiteral("borderou"), [&](ScriptSession& session) {
        session.ui().queueAnswer(*cif);
        session.ui().queueAnswer(*period);
        if (multiIban) {
            session.introd().Command10_Click();
        } else {
            session.ui().queueAnswer(type.value_or(QStringLiteral("1")));
            session.introd().Command6_Click();
        }
        return int(Done);
    });
}

}  // namespace tavo::cli
