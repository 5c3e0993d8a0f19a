#include "cli/calc.h"
#include "cli/commands.h"
#include "ui/scripted_ui.h"

namespace tavo::cli {

int runCalc(const Options& options, const CommandLine& commandLine, Output output) {
    const QString& name = commandLine.arguments.front();
    const auto& table = calcTable();
    const auto found = table.find(name);
    if (found == table.end())
        return wrongCommandLine(output, QStringLiteral("calc"),
                                QStringLiteral("unknown operation '%1'").arg(name));
    QStringList values = commandLine.arguments.mid(1);
    const int count = found->second.argumentCount;
    if (values.size() > count)
        return wrongCommandLine(output, QStringLiteral("calc"),
                                QStringLiteral("%1 takes %2 argument%3, not %4")
                                    .arg(name)
                                    .arg(count)
                                    .arg(count == 1 ? QString() : QStringLiteral("s"))
                                    .arg(values.size()));
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
