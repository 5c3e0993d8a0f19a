// `tavo`: the windows without a command, the headless commands with one.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "cli/commands.h"
#include "gui/desktop.h"

using namespace tavo::cli;

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
        return Failed;
    }
    Options options{QDir(QDir(folder).absolutePath()), QDir()};
    options.printFolder = QDir(printFolder.isEmpty() ? options.folder.filePath("listari")
                                                     : QDir(printFolder).absolutePath());

    if (args.isEmpty()) return tavo::gui::runDesktop(argc, argv, options.folder);

    const QString command = args.takeFirst();
    int status = BadUsage;
    if (command == QLatin1String("calc")) {
        QCoreApplication app(argc, argv);
        status = runCalc(options, args, output);
    } else {
        err << "tavo: unknown command '" << command << "'\n" << usage();
    }
    out.flush();
    err.flush();
    return status;
}
