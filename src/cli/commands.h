#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>

#include "cli/command_line.h"

namespace tavo::cli {

// Exit statuses of the command line.
enum ExitStatus { Done = 0, Failed = 1, BadUsage = 2, Unanswered = 3 };

struct Options {
    QDir folder;       // --dir, the working folder
    QDir printFolder;  // --print-dir, where headless printing writes PDF files
};

// Where a command writes: standard output (UTF-8, LF) and standard error.
struct Output {
    QTextStream& out;
    QTextStream& err;
};

// A wrong command line: one line saying what is wrong ("tavo print: ..."),
// then where to read the usage. Returns BadUsage.
int wrongCommandLine(Output output, const QString& command, const QString& what);

int runCalc(const Options& options, const CommandLine& line, Output output);
int runList(const Options& options, Output output);
int runScript(const Options& options, const QString& scriptFile, Output output);
int runPrint(const Options& options, const CommandLine& line, Output output);
int runBorderou(const Options& options, const CommandLine& line, Output output);
int runText(const Options& options, const CommandLine& line, Output output);
int runPackage(const Options& options, const CommandLine& line, Output output);
int runAgentie(const Options& options, const CommandLine& line, Output output);
int runImport(const Options& options, const CommandLine& line, Output output);
int runExport(const Options& options, const CommandLine& line, Output output);

}  // namespace tavo::cli
