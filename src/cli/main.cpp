// `tavo`: the windows without a command, the headless commands with one.
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/commands.h"
#include "gui/desktop.h"

using namespace tavo::cli;

namespace {

// Qt's GUI layer wants a private runtime folder; headless runs (CI, scripts)
// often have none, and Qt would complain on standard error.
void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::temp().filePath(QStringLiteral("tavo-runtime-%1").arg(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    Output output{out, err};

    QString folder = QDir::currentPath();
    QString printFolder;
    while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            out << usage();
            return Done;
        }
        if ((option == QLatin1String("--dir") || option == QLatin1String("--print-dir")) &&
            !args.isEmpty()) {
            (option == QLatin1String("--dir") ? folder : printFolder) = args.takeFirst();
            continue;
        }
        err << "tavo: unknown option or missing value: " << option << '\n' << usage();
        return BadUsage;
    }
    if (!QDir(folder).exists()) {
        err << "tavo: the working folder does not exist: " << folder << '\n';
        // Started from the menu, standard error is read by no one.
        if (args.isEmpty())
            tavo::gui::showStartError(
                argc, argv, QStringLiteral("Dosarul de lucru nu exista:\n%1").arg(folder));
        return Failed;
    }
    Options options{QDir(QDir(folder).absolutePath()), QDir()};
    options.printFolder = QDir(printFolder.isEmpty() ? options.folder.filePath("listari")
                                                     : QDir(printFolder).absolutePath());

    if (args.isEmpty())
        return tavo::gui::runDesktop(argc, argv, options.folder);

    const QString command = args.takeFirst();
    int status = BadUsage;
    if (command == QLatin1String("calc")) {
        QCoreApplication app(argc, argv);
        status = runCalc(options, args, output);
    } else if (command == QLatin1String("list")) {
        QCoreApplication app(argc, argv);
        if (args.isEmpty()) {
            status = runList(options, output);
        } else {
            err << "tavo list: takes no arguments\n" << usage();
        }
    } else if (command == QLatin1String("agentie")) {
        QCoreApplication app(argc, argv);
        status = runAgentie(options, args, output);
    } else if (command == QLatin1String("borderou")) {
        QCoreApplication app(argc, argv);
        status = runBorderou(options, args, output);
    } else if (command == QLatin1String("script") || command == QLatin1String("print") ||
               command == QLatin1String("text") || command == QLatin1String("package")) {
        if (command == QLatin1String("script") && args.size() > 1) {
            err << "tavo script: takes one script file at most\n" << usage();
            return BadUsage;
        }
        // Headless printing draws text: a GUI application on the offscreen platform.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        ensureRuntimeFolder();
        QGuiApplication app(argc, argv);
        if (command == QLatin1String("text"))
            status = runText(options, args, output);
        else if (command == QLatin1String("package"))
            status = runPackage(options, args, output);
        else
            status = command == QLatin1String("script") ? runScript(options, args.value(0), output)
                                                        : runPrint(options, args, output);
    } else {
        err << "tavo: unknown command '" << command << "'\n" << usage();
    }
    out.flush();
    err.flush();
    return status;
}
