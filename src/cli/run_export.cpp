#include "cli/commands.h"
#include "cli/language.h"
#include "export/payments_table.h"

namespace tavo::cli {

// `tavo export FILE [--cif CODE] [--period P] [--type 1|2|3] [--format
// excel|csv]`: the stored documents chosen as the payment summary chooses
// them, written as a table.
int runExport(const Options& options, const CommandLine& commandLine, Output output) {
    // A relative name is in the working folder, with every file of the program.
    const QString name = commandLine.arguments.front();
    const QString path = options.folder.filePath(name);
    exporting::PaymentsChoice choice;
    if (commandLine.has(QStringLiteral("--cif")))
        choice.CIF = commandLine.value(QStringLiteral("--cif"));
    if (commandLine.has(QStringLiteral("--period"))) {
        const QString period = commandLine.value(QStringLiteral("--period"));
        choice.perioada = printing::readPeriod(period);
        if (!choice.perioada->readable) {
            output.err
                << translate("Failure", "tavo export: the period '%1' is not two dates").arg(period)
                << '\n';
            return Failed;
        }
    }
    choice.tip =
        exporting::typeOfChoice(commandLine.value(QStringLiteral("--type"), QStringLiteral("3")))
            .value_or(QString());
    const text::TableFlavour flavour =
        commandLine.value(QStringLiteral("--format")) == QLatin1String("csv")
            ? text::TableFlavour::Csv
            : text::TableFlavour::Excel;
    QString error;
    const std::optional<qint64> written = exporting::writePaymentsTable(
        store::OrdersFile(options.folder), path, choice, flavour, &error);
    if (!written) {
        // The reason alone: the file is named as the user wrote it.
        const QString reason = error.mid(error.lastIndexOf(QLatin1String(": ")) + 2);
        output.err << translate("Failure", "tavo export: %1: %2").arg(name, reason) << '\n';
        return Failed;
    }
    output.out << "EXPORT " << *written << " -> " << name << '\n';
    return Done;
}

}  // namespace tavo::cli
