#include "cli/calc.h"
#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"

namespace tavo::cli {

int runCalc(const Options& options, const CommandLine& commandLine, Output output) {
    const QString& name = commandLine.arguments.front();
    const auto& table = calcTable();
    const auto found = table.find(name);
    if (found == table.end())
        return wrongCommandLine(output, QStringLiteral("calc"),
                                translate("Usage", "unknown operation '%1'").arg(name));
    QStringList values = commandLine.arguments.mid(1);
    const int count = found->second.argumentCount;
    if (values.size() > count) {
        const QString wrong =
            count == 1
                ? translate("Usage", "%1 takes 1 argument, not %2").arg(name).arg(values.size())
                : translate("Usage", "%1 takes %2 arguments, not %3")
                      .arg(name)
                      .arg(count)
                      .arg(values.size());
        return wrongCommandLine(output, QStringLiteral("calc"), wrong);
    }
    while (values.size() < found->second.argumentCount) values.append(QString());

    ScriptedUi ui(options.folder, options.printFolder,
                  [&](const QString& line) { output.out << line << '\n'; });
    ui.answerByQuestion();
    ProgramState state;
    CalcEnv env{ui, state, options.folder};
    try {
        for (const QString& line : found->second.run(values, env)) output.out << line << '\n';
    } catch (const UnexpectedQuestion& e) {
        output.err << unexpectedQuestion(QStringLiteral("calc"), e) << '\n';
        return Failed;
    }
    return Done;
}

}  // namespace tavo::cli
