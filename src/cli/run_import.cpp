#include <QFileInfo>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"
#include "document/import_texts.h"

namespace tavo::cli {
namespace {

// FILE as the user names it: from the current folder, or, when it is not
// there, from the working folder.
QString tableFile(const Options& options, const QString& name) {
    const QFileInfo given(name);
    if (given.isAbsolute() || given.exists())
        return given.absoluteFilePath();
    const QString inFolder = options.folder.filePath(name);
    return QFileInfo::exists(inFolder) ? inFolder : given.absoluteFilePath();
}

// `tavo import --model`: the model table written into the working folder.
int writeModel(const Options& options, Output output) {
    QString error;
    if (writeImportModel(options.folder, &error))
        return Done;
    output.err << "tavo import: " << error << '\n';
    return Failed;
}

}  // namespace

// `tavo import FILE [--dry-run] [--yes]`: the table of payments checked row by
// row as "Import OP/FV" checks it, its report on standard output, then the
// question to save (answered Da by --yes) and SAVED N when they were written.
int runImport(const Options& options, const CommandLine& commandLine, Output output) {
    const bool model = commandLine.has(QStringLiteral("--model"));
    const QString name = commandLine.arguments.value(0);
    if (model && !name.isEmpty())
        return wrongCommandLine(output, QStringLiteral("import"),
                                translate("Usage", "unexpected argument '%1'").arg(name));
    if (!model && name.isEmpty())
        return wrongCommandLine(
            output, QStringLiteral("import"),
            translate("Usage", "%1 is missing").arg(translate("Usage", "FILE")));
    if (model)
        return writeModel(options, output);

    const QString path = tableFile(options, name);
    const bool dryRun = commandLine.has(QStringLiteral("--dry-run"));
    return runHeadless(options, output, QStringLiteral("import"), [&](ScriptSession& session) {
        if (commandLine.has(QStringLiteral("--yes")))
            session.ui().answerTo(import_texts::askSave, QStringLiteral("yes"));
        const PaymentImport checked = session.introd().checkImport(path);
        if (!checked.error.isEmpty()) {
            output.err << "tavo import: " << checked.error << '\n';
            return int(Failed);
        }
        for (const QString& line : checked.report()) output.out << line << '\n';
        if (dryRun)
            return int(Done);
        // Without --yes the question goes to the script port, as every
        // question of a script: unanswered, nothing is written.
        try {
            if (session.introd().saveImport(checked))
                output.out << "SAVED " << checked.accepted << '\n';
        } catch (const UnexpectedQuestion& unanswered) {
            if (commandLine.has(QStringLiteral("--yes")))
                throw;
            output.out << "NO ANSWER " << unanswered.asked() << '\n';
            return int(Unanswered);
        }
        return int(Done);
    });
}

}  // namespace tavo::cli
