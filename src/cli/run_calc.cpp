#include "cli/calc.h"
#include "cli/commands.h"
#include "ui/scripted_ui.h"

namespace tavo::cli {

int runCalc(const Options& options, const QStringList& arguments, Output output) {
    if (arguments.isEmpty()) {
        output.err << usage();
        return BadUsage;
    }
    const auto& table = calcTable();
    const auto found = table.find(arguments.front());
    if (found == table.end()) {
        output.err << "tavo calc: unknown operation '" << arguments.front() << "'\n";
        return BadUsage;
    }
    QStringList values = arguments.mid(1);
    if (values.size() > found->second.argumentCount) {
        output.err << "tavo calc " << arguments.front() << ": takes " << found->second.argumentCount
                   << " argument(s)\n";
        return BadUsage;
    }
    while (values.size() < found->second.argumentCount) values.append(QString());

    ScriptedUi ui(options.folder, options.printFolder,
                  [&](const QString& line) { output.out << line << '\n'; });
    ProgramState state;
    CalcEnv env{ui, state, options.folder};
    try {
        for (const QString& line : found->second.run(values, env)) output.out << line << '\n';
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    }
    return Done;
}

}  // namespace tavo::cli
