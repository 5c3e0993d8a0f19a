#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/language.h"

namespace tavo::cli {
namespace {

// The descriptions stand in a column of their own.
constexpr qsizetype kColumn = 22;

// `text` with every line after the first indented by `indent` blanks.
QString indentFollowing(const QString& text, qsizetype indent) {
    QString out = text;
    return out.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
}

// A command in the list of the whole usage: its synopsis, then what it does
// in the column of descriptions.
QString commandEntry(const CommandRule& command) {
    const QString head = QStringLiteral("  ") + command.name + QLatin1Char(' ');
    QString entry = head + indentFollowing(command.synopsis, head.size());
    const qsizetype lastLine = entry.size() - entry.lastIndexOf(QLatin1Char('\n')) - 1;
    if (lastLine < kColumn && !command.synopsis.contains(QLatin1Char('\n')))
        entry += QString(kColumn - entry.size(), QLatin1Char(' '));
    else
        entry += QLatin1Char('\n') + QString(kColumn, QLatin1Char(' '));
    return entry + indentFollowing(command.description, kColumn) + QLatin1Char('\n');
}

}  // namespace

QString usage() {
    QString text = translate(
        "Usage",
        "Usage: tavo [--dir FOLDER] [--print-dir FOLDER] [COMMAND [ARG...]]\n"
        "       tavo --version | --help | COMMAND --help\n"
        "\n"
        "TAVO: ordine de plata si foi de varsamant (in relatia cu trezoreria statului).\n"
        "Without a command, opens the windows.\n"
        "\n"
        "Options:\n"
        "  --dir FOLDER        the working folder (default: the current folder)\n"
        "  --print-dir FOLDER  where headless printing writes PDF files (default: listari/)\n"
        "  --version           the version of the program\n"
        "  --help              this text\n"
        "\n"
        "Commands:\n");
    for (const CommandRule& command : commandRules()) text += commandEntry(command);
    return text + QLatin1Char('\n') +
           translate("Usage",
                     "Exit status: 0 done, 1 failed, 2 wrong command line, 3 a question had no "
                     "answer.\n");
}

QString commandUsage(const CommandRule& command) {
    const QString head = translate("Usage", "Usage: tavo %1").arg(command.name) + QLatin1Char(' ');
    return head + indentFollowing(command.synopsis, head.size()) + QStringLiteral("\n\n") +
           command.description.left(1).toUpper() + command.description.mid(1) + QLatin1Char('\n');
}

int wrongCommandLine(Output output, const QString& command, const QString& what) {
    output.err << "tavo";
    if (!command.isEmpty())
        output.err << ' ' << command;
    output.err << ": " << what << '\n' << translate("Usage", "Try 'tavo --help'.") << '\n';
    return BadUsage;
}

}  // namespace tavo::cli
