#include <map>

#include "cli/commands.h"
#include "cli/script_session.h"

namespace tavo::cli {
namespace {

bool oneOf(const QString& value, std::initializer_list<const char*> allowed) {
    for (const char* word : allowed) {
        if (value == QLatin1String(word))
            return true;
    }
    return false;
}

}  // namespace

// `tavo package [--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy
// --type 1|2 [--interval n1/n2] [--view yes|no]`: "Listare pachet OP/FV-uri."
// with its questions answered from the options.
int runPackage(const Options& options, QStringList arguments, Output output) {
    std::map<QString, QString> given{{QStringLiteral("--copies"), QStringLiteral("1")},
                                     {QStringLiteral("--interval"), QStringLiteral("/")},
                                     {QStringLiteral("--view"), QStringLiteral("no")}};
    bool ok = arguments.size() % 2 == 0;
    while (ok && !arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        ok = oneOf(option, {"--copies", "--cif", "--period", "--type", "--interval", "--view"});
        given[option] = value;
    }
    ok = ok && given.count(QStringLiteral("--cif")) && given.count(QStringLiteral("--period")) &&
         oneOf(given[QStringLiteral("--type")], {"1", "2"}) &&
         oneOf(given[QStringLiteral("--copies")], {"1", "2"}) &&
         oneOf(given[QStringLiteral("--view")], {"yes", "no"});
    if (!ok) {
        output.err << "tavo package: [--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy "
                      "--type 1|2 [--interval n1/n2] [--view yes|no]\n"
                   << usage();
        return BadUsage;
    }

    return runHeadless(options, output, QStringLiteral("package"), [&](ScriptSession& session) {
        ScriptedUi& ui = session.ui();
        // The answers in the order the questions come; those of a run that
        // ends early stay unused.
        ui.queueAnswer(given[QStringLiteral("--copies")] == QLatin1String("2")
                           ? QStringLiteral("yes")
                           : QStringLiteral("no"));
        for (const char* option : {"--cif", "--period", "--type", "--interval", "--view"})
            ui.queueAnswer(given[QLatin1String(option)]);
        session.introd().B_OPuri_Click();
        return int(Done);
    });
}

}  // namespace tavo::cli
