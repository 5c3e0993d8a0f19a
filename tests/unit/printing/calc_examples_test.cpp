#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli/calc.h"
#include "ui/scripted_ui.h"

namespace {

// Runs one `tavo calc` operation as the command line does and returns what it
// prints, messages included.
QStringList calc(const QString& operation, const QStringList& arguments) {
    const auto& table = tavo::cli::calcTable();
    const auto found = table.find(operation);
    if (found == table.end())
        return {QStringLiteral("unknown operation ") + operation};
    QStringList printed;
    QTemporaryDir dir;
    tavo::ScriptedUi ui(QDir(dir.path()), QDir(dir.path()),
                        [&](const QString& line) { printed.append(line); });
    tavo::ProgramState state;
    tavo::cli::CalcEnv env{ui, state, QDir(dir.path())};
    QStringList values = arguments;
    while (values.size() < found->second.argumentCount) values.append(QString());
    printed += found->second.run(values, env);
    return printed;
}

}  // namespace

TEST(CalcExamples, IbanRulesAndCleaners) {
    struct Case {
        const char* operation;
        const char* argument;
        const char* printed;
    } cases[] = {
        {"mod97", "2927143599965010133333333333333272400", "24"},
        {"IBAN_110", "999650101", "RO24TREZ999650101XXXXXXX"},
        {"IBAN_110", "999650102", "RO48TREZ999650102XXXXXXX"},
        {"IBAN_110", "70020A100101XTVA", "RO10TREZ70020A100101XTVA"},
        {"ver_IBAN", "RO24TREZ999650101XXXXXXX", "true RO24TREZ999650101XXXXXXX 24"},
        {"ver_IBAN", "RO24TREZ999650101XXXX", "true RO24TREZ999650101XXXXXXX 24"},
        {"ver_IBAN", "RO25TREZ999650101XXXXXXX", "false RO25TREZ999650101XXXXXXX 24"},
        {"ver_IBAN", "", "true  "},
        {"nr_evidenta", "22910010000150323000029", "true"},
        {"nr_evidenta", "", "true"},
        {"filtru_CB", "S.C. Alfa-Beta, S.R.L.", "S.C. AlfaBeta S.R.L."},
        {"inlocuire_CB", "S.C. Alfa-Beta, S.R.L.", "S.C. Alfa-Beta  S.R.L."},
        {"curatare_camp", "Str. Lunga, nr. 5#", "Str. Lunga  nr. 5 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc(QString::fromLatin1(c.operation), {QString::fromUtf8(c.argument)}),
                  QStringList{QString::fromUtf8(c.printed)})
            << c.operation << " " << c.argument;
    }
    // A missing argument is the empty text.
    EXPECT_EQ(calc(QStringLiteral("IBAN_110"), {}),
              QStringList{QStringLiteral("RO91TREZXXXXXXXXXXXXXXXX")});
}
