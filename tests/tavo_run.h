#pragma once
// Runs of the `tavo` binary, with faults asked for, by the crash and end-to-end tests.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "test_files.h"

namespace crash {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n')); }
};

// English system error texts, no display, the faults ("NAME=VALUE"; "NAME=":
// the variable not set).
inline QProcessEnvironment environment(const QStringList& faults = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString& fault : faults) {
        const QString name = fault.section(QLatin1Char('='), 0, 0);
        const QString value = fault.section(QLatin1Char('='), 1);
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    return env;
}

// The program the runs start: the `tavo` of this build or, when TAVO_EXE names
// a Windows build of it, that tavo.exe under Wine (TAVO_WINE, by default
// wine64), so that the same cases check both programs.
inline QStringList program() {
    const QString exe = qEnvironmentVariable("TAVO_EXE");
    if (exe.isEmpty())
        return {QStringLiteral(TAVO_BINARY)};
    return {qEnvironmentVariable("TAVO_WINE", QStringLiteral("wine64")), exe};
}

inline void start(QProcess& tavo, const QString& folder, const QStringList& arguments,
                  const QStringList& faults = {}) {
    QProcessEnvironment env = environment(faults);
    if (qEnvironmentVariableIsSet("TAVO_EXE")) {
        // Wine's own notes on standard error would be taken for the program's.
        if (!env.contains(QStringLiteral("WINEDEBUG")))
            env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        // Wine reads the arguments in the locale's character set: in C it
        // would drop the letters outside ASCII. C.UTF-8 is English all the same.
        if (env.value(QStringLiteral("LC_ALL")) == QLatin1String("C"))
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    }
    tavo.setProcessEnvironment(env);
    const QStringList command = program();
    tavo.start(command.front(),
               command.mid(1) + QStringList{QStringLiteral("--dir"), folder} + arguments);
    tavo.waitForStarted();
}

// A whole run: `input` on standard input.
inline Run run(const QString& folder, const QStringList& arguments, const QByteArray& input = {},
               const QStringList& faults = {}) {
    QProcess tavo;
    start(tavo, folder, arguments, faults);
    tavo.write(input);
    tavo.closeWriteChannel();
    Run result;
    if (!tavo.waitForFinished(60000))
        return result;
    result.exitCode = tavo.exitStatus() == QProcess::NormalExit ? tavo.exitCode() : -1;
    result.out = QString::fromUtf8(tavo.readAllStandardOutput());
    result.err = QString::fromUtf8(tavo.readAllStandardError());
    return result;
}

// Opens document 1, types a new amount and saves on leaving.
const QByteArray kSaveScript =
    "type Introd.NrO 1\nclick Introd.B_start\ntype Incarc.d1(1) 4242\n"
    "answer yes\nclick Incarc.but_exit\n";

}  // namespace crash
