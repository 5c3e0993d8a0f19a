// `tavo`: the windows without a command, the headless commands with one.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "cli/language.h"
#include "gui/desktop.h"
#include "platform/command_line.h"
#include "platform/desktop.h"
#include "platform/user_session.h"
#include "printing/shipped_fonts.h"

using namespace tavo::cli;

namespace {

// `tavo help [COMMAND]`: the whole usage, or that of one command.
int runHelp(const CommandLine& line, Output output) {
    if (line.arguments.isEmpty()) {
        output.out << usage();
        return Done;
    }
    const CommandRule* command = findCommand(line.arguments.front());
    if (!command)
        return wrongCommandLine(
            output, QStringLiteral("help"),
            translate("Usage", "unknown command '%1'").arg(line.arguments.front()));
    output.out << commandUsage(*command);
    return Done;
}

// A headless command, its command line read whole.
int runCommand(const QString& command, const CommandLine& line, const Options& options,
               Output output, int argc, char** argv) {
    if (command == QLatin1String("script") || command == QLatin1String("print") ||
        command == QLatin1String("text") || command == QLatin1String("package")) {
        // Headless printing draws text: a GUI application on the offscreen platform.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        tavo::platform::ensureRuntimeFolder();
        QGuiApplication app(argc, argv);
        tavo::printing::loadShippedFonts();
        if (command == QLatin1String("script"))
            return runScript(options, line.arguments.value(0), output);
        if (command == QLatin1String("print"))
            return runPrint(options, line, output);
        if (command == QLatin1String("text"))
            return runText(options, line, output);
        return runPackage(options, line, output);
    }
    QCoreApplication app(argc, argv);
    if (command == QLatin1String("calc"))
        return runCalc(options, line, output);
    if (command == QLatin1String("list"))
        return runList(options, output);
    if (command == QLatin1String("agentie"))
        return runAgentie(options, line, output);
    if (command == QLatin1String("import"))
        return runImport(options, line, output);
    if (command == QLatin1String("export"))
        return runExport(options, line, output);
    return runBorderou(options, line, output);
}

// The working folder and the print folder of the program's options; nothing,
// with a line on standard error, when the working folder does not exist.
std::optional<Options> folders(const CommandLine& program, Output output, int argc, char** argv) {
    const QString folder = program.has(QStringLiteral("--dir"))
                               ? program.value(QStringLiteral("--dir"))
                               : tavo::platform::defaultWorkingFolder(program.arguments.isEmpty());
    if (!QDir(folder).exists()) {
        output.err
            << translate("Failure", "tavo: the working folder does not exist: %1").arg(folder)
            << '\n';
        // Started from the menu, standard error is read by no one.
        if (program.arguments.isEmpty())
            tavo::gui::showStartError(
                argc, argv, QStringLiteral("Dosarul de lucru nu exista:\n%1").arg(folder));
        return std::nullopt;
    }
    Options options{QDir(QDir(folder).absolutePath()), QDir()};
    const QString printFolder = program.value(QStringLiteral("--print-dir"));
    options.printFolder = QDir(printFolder.isEmpty() ? options.folder.filePath("listari")
                                                     : QDir(printFolder).absolutePath());
    return options;
}

int runProgram(const QStringList& words, Output output, int argc, char** argv) {
    const CommandLine program = readCommandLine(programRule(), words);
    if (program.help) {
        output.out << usage();
        return Done;
    }
    if (!program.error.isEmpty())
        return wrongCommandLine(output, QString(), program.error);
    if (program.has(QStringLiteral("--version"))) {
        output.out << "tavo " << TAVO_VERSION << '\n';
        return Done;
    }
    const QString command = program.arguments.value(0);
    const CommandRule* rule = command.isEmpty() ? nullptr : findCommand(command);
    if (!command.isEmpty() && !rule)
        return wrongCommandLine(output, QString(),
                                translate("Usage", "unknown command '%1'").arg(command));
    const CommandLine line =
        rule ? readCommandLine(*rule, program.arguments.mid(1)) : CommandLine();
    if (line.help) {
        output.out << commandUsage(*rule);
        return Done;
    }
    if (!line.error.isEmpty())
        return wrongCommandLine(output, command, line.error);
    if (command == QLatin1String("help"))
        return runHelp(line, output);

    const std::optional<Options> options = folders(program, output, argc, argv);
    if (!options)
        return Failed;
    if (command.isEmpty())
        return tavo::gui::runDesktop(argc, argv, options->folder);
    return runCommand(command, line, *options, output, argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList words = tavo::platform::commandLineWords(argc, argv);
    if (!words.isEmpty())
        tavo::platform::useStartingConsole();
    tavo::platform::writeStandardStreamsAsBytes();

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const int status = runProgram(words, Output{out, err}, argc, argv);
    out.flush();
    err.flush();
    return status;
}
