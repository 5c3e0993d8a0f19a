#include "cli/command_line.h"

#include <algorithm>

#include "cli/calc.h"
#include "cli/language.h"

namespace tavo::cli {
namespace {

const QStringList kCopies{QStringLiteral("1"), QStringLiteral("2")};

OptionRule flag(const char* name) {
    return {QLatin1String(name), ValueKind::None, {}, false};
}

OptionRule valued(const char* name, ValueKind kind, bool required = false) {
    return {QLatin1String(name), kind, {}, required};
}

OptionRule choice(const char* name, QStringList choices, bool required = false) {
    return {QLatin1String(name), ValueKind::Choice, std::move(choices), required};
}

// The operations of `calc`, a line of at most 56 characters each.
QString calcOperations() {
    QStringList lines{translate("Usage", "OPERATION is one of:")};
    for (const auto& [name, operation] : calcTable()) {
        if (lines.back().size() + 1 + name.size() > 56)
            lines.append(QString());
        lines.back() += (lines.back().isEmpty() ? QString() : QStringLiteral(" ")) + name;
    }
    return lines.join(QLatin1Char('\n'));
}

// The commands on single documents: the list, the library's operations,
// scripts, printing and text images.
std::vector<CommandRule> documentCommandRules() {
    std::vector<CommandRule> rules;
    rules.push_back(
        {QStringLiteral("list"),
         {},
         {},
         {},
         false,
         QString(),
         translate("Usage", "start-up, then the list of documents, the count and NrO")});
    rules.push_back({QStringLiteral("calc"),
                     {{translate("Usage", "OPERATION")}},
                     {},
                     {},
                     true,
                     translate("Usage", "OPERATION [ARG...]"),
                     translate("Usage", "one operation of the library on its arguments;") +
                         QLatin1Char('\n') + calcOperations()});
    rules.push_back({QStringLiteral("script"),
                     {{translate("Usage", "FILE"), ValueKind::Text, true}},
                     {},
                     {},
                     false,
                     translate("Usage", "[FILE]"),
                     translate("Usage",
                               "plays the commands of FILE (or standard input) as a\n"
                               "user would")});
    rules.push_back({QStringLiteral("print"),
                     {{QStringLiteral("N"), ValueKind::Number}},
                     {choice("--copies", kCopies), valued("--pdf", ValueKind::Name),
                      valued("--printer", ValueKind::Name)},
                     {{QStringLiteral("--pdf"), QStringLiteral("--printer")}},
                     false,
                     translate("Usage", "N [--copies 1|2] [--pdf FILE | --printer NAME]"),
                     translate("Usage",
                               "prints the stored document N with its barcode (1 or 2\n"
                               "copies a page) to the print folder, to FILE, or to the\n"
                               "printer queue NAME (default: the default queue)")});
    rules.push_back({QStringLiteral("text"),
                     {{QStringLiteral("N"), ValueKind::Number}},
                     {},
                     {},
                     false,
                     QStringLiteral("N"),
                     translate("Usage",
                               "writes the text image of the stored document N (two\n"
                               "copies) to LKELM.txt")});
    return rules;
}

// The commands on many documents: packages, the agency file and the payment
// summary; and help.
std::vector<CommandRule> reportCommandRules() {
    std::vector<CommandRule> rules;
    rules.push_back({QStringLiteral("package"),
                     {},
                     {choice("--copies", kCopies), valued("--cif", ValueKind::Text, true),
                      valued("--period", ValueKind::Text, true), choice("--type", kCopies, true),
                      valued("--interval", ValueKind::Text),
                      choice("--view", {QStringLiteral("yes"), QStringLiteral("no")})},
                     {},
                     false,
                     translate("Usage",
                               "[--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy\n"
                               "--type 1|2 [--interval n1/n2] [--view yes|no]"),
                     translate("Usage",
                               "prints every complete document of the payer, type,\n"
                               "period and interval, with their text images in\n"
                               "LKELM.txt")});
    rules.push_back({QStringLiteral("agentie"),
                     {{translate("Usage", "NAME")}},
                     {},
                     {},
                     false,
                     translate("Usage", "NAME"),
                     translate("Usage",
                               "writes agentie/tabela.txt and its copy agentie/NAME\n"
                               "(upper case), the agency file sent by e-mail")});
    rules.push_back(
        {QStringLiteral("borderou"),
         {},
         {valued("--cif", ValueKind::Text, true), valued("--period", ValueKind::Text, true),
          choice("--type", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}),
          flag("--multi-iban")},
         {{QStringLiteral("--type"), QStringLiteral("--multi-iban")}},
         false,
         translate("Usage",
                   "--cif CODE --period dd/mm/yyyy-dd/mm/yyyy\n"
                   "[--type 1|2|3 | --multi-iban]"),
         translate("Usage",
                   "writes the payment summary of the payer and period to\n"
                   "Borderou.txt (type 1 OP, 2 FV, 3 both; --multi-iban:\n"
                   "payment orders with each payer IBAN, \"Borderou (2) OP\")")});
    rules.push_back({QStringLiteral("import"),
                     {{translate("Usage", "FILE"), ValueKind::Text, true}},
                     {flag("--dry-run"), flag("--yes"), flag("--model")},
                     {{QStringLiteral("--model"), QStringLiteral("--dry-run")},
                      {QStringLiteral("--model"), QStringLiteral("--yes")}},
                     false,
                     translate("Usage", "FILE [--dry-run] [--yes] | --model"),
                     translate("Usage",
                               "checks every row of the table of payments FILE (CSV)\n"
                               "as the entry window would and prints the report, then\n"
                               "asks to save the accepted rows (--yes: Da; --dry-run:\n"
                               "only checks); --model writes model-import.csv")});
    rules.push_back(
        {QStringLiteral("export"),
         {{translate("Usage", "FILE"), ValueKind::Name}},
         {valued("--cif", ValueKind::Text), valued("--period", ValueKind::Text),
          choice("--type", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}),
          choice("--format", {QStringLiteral("excel"), QStringLiteral("csv")})},
         {},
         false,
         translate("Usage",
                   "FILE [--cif CODE] [--period dd/mm/yyyy-dd/mm/yyyy]\n"
                   "[--type 1|2|3] [--format excel|csv]"),
         translate("Usage",
                   "writes the stored documents (of the payer, period and\n"
                   "type when given) to FILE as a table: for a spreadsheet\n"
                   "(excel, the default) or for programs (csv)")});
    rules.push_back({QStringLiteral("help"),
                     {{translate("Usage", "COMMAND"), ValueKind::Text, true}},
                     {},
                     {},
                     false,
                     translate("Usage", "[COMMAND]"),
                     translate("Usage", "the whole usage, or the usage of COMMAND")});
    return rules;
}

// "1 or 2", "1, 2 or 3".
QString alternatives(const QStringList& words) {
    if (words.size() < 2)
        return words.join(QString());
    return translate("Usage", "%1 or %2")
        .arg(words.mid(0, words.size() - 1).join(QStringLiteral(", ")), words.back());
}

// What is wrong with `value` for something that takes `kind`; empty when nothing.
QString valueError(const QString& name, ValueKind kind, const QStringList& choices,
                   const QString& value) {
    if (kind == ValueKind::Choice && !choices.contains(value))
        return translate("Usage", "%1 takes %2, not '%3'").arg(name, alternatives(choices), value);
    if (kind == ValueKind::Name && value.isEmpty())
        return translate("Usage", "%1 is empty").arg(name);
    bool ok = false;
    if (kind == ValueKind::Number && (value.toLongLong(&ok) < 1 || !ok))
        return translate("Usage", "%1 is a document number (1, 2...), not '%2'").arg(name, value);
    return QString();
}

// Reads the option `words[at]` (and its value, which may be the next word).
void readOption(const CommandRule& rule, const QStringList& words, qsizetype& at,
                CommandLine& line) {
    const QString& word = words[at];
    const qsizetype equals = word.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? word : word.left(equals);
    const auto option = std::find_if(rule.options.begin(), rule.options.end(),
                                     [&](const OptionRule& o) { return o.name == name; });
    if (option == rule.options.end()) {
        line.error = translate("Usage", "unknown option '%1'").arg(name);
        return;
    }
    if (line.has(name)) {
        line.error = translate("Usage", "the option %1 is given twice").arg(name);
        return;
    }
    if (option->value == ValueKind::None) {
        if (equals >= 0)
            line.error = translate("Usage", "the option %1 takes no value").arg(name);
        line.options[name] = QString();
        return;
    }
    QString value;
    if (equals >= 0) {
        value = word.mid(equals + 1);
    } else if (at + 1 < words.size() && !words[at + 1].startsWith(QLatin1String("--"))) {
        value = words[++at];
    } else {
        line.error = translate("Usage", "the option %1 needs a value").arg(name);
        return;
    }
    line.error = valueError(name, option->value, option->choices, value);
    line.options[name] = value;
}

// The checks of a command line read whole: its arguments, the options it
// must have and those that exclude each other.
QString wholeLineError(const CommandRule& rule, const CommandLine& line) {
    const auto count = qsizetype(rule.arguments.size());
    for (qsizetype i = 0; i < count; ++i) {
        const ArgumentRule& argument = rule.arguments[size_t(i)];
        if (i >= line.arguments.size()) {
            if (!argument.optional)
                return translate("Usage", "%1 is missing").arg(argument.name);
            continue;
        }
        const QString error = valueError(argument.name, argument.value, {}, line.arguments[i]);
        if (!error.isEmpty())
            return error;
    }
    if (!rule.restAsGiven && line.arguments.size() > count)
        return translate("Usage", "unexpected argument '%1'").arg(line.arguments[count]);
    for (const OptionRule& option : rule.options) {
        if (option.required && !line.has(option.name))
            return translate("Usage", "the option %1 is required").arg(option.name);
    }
    for (const auto& [first, second] : rule.exclusive) {
        if (line.has(first) && line.has(second))
            return translate("Usage", "%1 and %2 cannot be given together").arg(first, second);
    }
    return QString();
}

}  // namespace

const CommandRule& programRule() {
    static const CommandRule rule{QStringLiteral("tavo"),
                                  {{translate("Usage", "COMMAND"), ValueKind::Text, true}},
                                  {valued("--dir", ValueKind::Name),
                                   valued("--print-dir", ValueKind::Name), flag("--version")},
                                  {},
                                  true,
                                  QString(),
                                  QString()};
    return rule;
}

const std::vector<CommandRule>& commandRules() {
    static const std::vector<CommandRule> rules = [] {
        std::vector<CommandRule> all = documentCommandRules();
        for (CommandRule& rule : reportCommandRules()) all.push_back(std::move(rule));
        return all;
    }();
    return rules;
}

const CommandRule* findCommand(const QString& name) {
    for (const CommandRule& rule : commandRules()) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

CommandLine readCommandLine(const CommandRule& rule, const QStringList& words) {
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype at = 0; at < words.size() && line.error.isEmpty(); ++at) {
        const QString& word = words[at];
        if (rule.restAsGiven && line.arguments.size() >= qsizetype(rule.arguments.size())) {
            line.arguments += words.mid(at);
            break;
        }
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            line.arguments.append(word);
        } else if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (word == QLatin1String("--help")) {
            line.help = true;
            return line;
        } else {
            readOption(rule, words, at, line);
        }
    }
    if (line.error.isEmpty())
        line.error = wholeLineError(rule, line);
    return line;
}

}  // namespace tavo::cli
