#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

namespace tavo::cli {

// What an option's or an argument's value may be.
enum class ValueKind {
    None,    // a flag: the option takes no value
    Text,    // any text, the empty one too
    Name,    // a file, folder or queue name: not empty
    Number,  // a document number by position: 1, 2...
    Choice,  // one of the listed words
};

struct OptionRule {
    QString name;  // "--copies"
    ValueKind value = ValueKind::None;
    QStringList choices;  // the words a Choice takes
    bool required = false;
};

struct ArgumentRule {
    QString name;  // "N", "FILE"
    ValueKind value = ValueKind::Text;
    bool optional = false;
};

// A command of `tavo` (or the program's own options before the command): what
// it takes and its usage.
struct CommandRule {
    QString name;
    std::vector<ArgumentRule> arguments;
    std::vector<OptionRule> options;
    std::vector<std::pair<QString, QString>> exclusive;  // options that exclude each other
    // The words after the arguments are taken as they are, options or not
    // (the texts of `calc`, the command and its words after the program's options).
    bool restAsGiven = false;
    QString synopsis;     // what follows the command's name in the usage
    QString description;  // what it does, lines of at most 56 characters
};

// A command line as read by its rule.
struct CommandLine {
    QStringList arguments;               // the arguments, then the words taken as given
    std::map<QString, QString> options;  // each option given, with its value ("" for a flag)
    bool help = false;                   // --help was given
    QString error;                       // what is wrong; empty when nothing is

    bool has(const QString& option) const { return options.count(option) > 0; }
    QString value(const QString& option, const QString& fallback = QString()) const {
        const auto found = options.find(option);
        return found == options.end() ? fallback : found->second;
    }
};

// The program's own options and its optional COMMAND, then every command.
const CommandRule& programRule();
const std::vector<CommandRule>& commandRules();
const CommandRule* findCommand(const QString& name);

// Reads `words` by `rule`: the options anywhere among the arguments ("--name
// VALUE" or "--name=VALUE"; "--" ends them), each at most once. Stops at the
// first wrong word, with `error` saying what is wrong.
CommandLine readCommandLine(const CommandRule& rule, const QStringList& words);

// The whole usage, and the usage of one command.
QString usage();
QString commandUsage(const CommandRule& command);

}  // namespace tavo::cli
