#include <QFileInfo>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/printer_queue.h"
#include "cli/script_session.h"
#include "main_window/introd_texts.h"

namespace tavo::cli {

// `tavo print N [--copies 1|2] [--pdf FILE | --printer NAME]`: "Listare OP/ FV"
// on the stored document N, the two-copies question answered by --copies (1
// by default); the page goes to the print folder, to FILE or to a printer queue.
int runPrint(const Options& options, const CommandLine& commandLine, Output output) {
    const qint64 number = commandLine.arguments.front().toLongLong();
    const bool twoCopies = commandLine.value(QStringLiteral("--copies")) == QLatin1String("2");
    QString queue;
    if (commandLine.has(QStringLiteral("--printer"))) {
        QString error;
        queue = findPrinterQueue(commandLine.value(QStringLiteral("--printer")), error);
        if (queue.isEmpty()) {
            output.err << "tavo print: " << error << '\n';
            return Failed;
        }
    }

    return runHeadless(options, output, QStringLiteral("print"), [&](ScriptSession& session) {
        if (!chooseDocument(session, output, QStringLiteral("print"), number))
            return int(Failed);
        if (commandLine.has(QStringLiteral("--pdf")))
            session.ui().setNextPrintFile(
                QFileInfo(commandLine.value(QStringLiteral("--pdf"))).absoluteFilePath());
        // The PRINT line names the printer as the user did ("default" stays
        // "default"); the pages go to the queue that name stands for.
        if (!queue.isEmpty())
            session.ui().setPrinter(commandLine.value(QStringLiteral("--printer")),
                                    [&queue](const PrintJob& job) { printOnQueue(queue, job); });
        session.ui().answerTo(introd_texts::askCopiesPerPage,
                              twoCopies ? QStringLiteral("yes") : QStringLiteral("no"));
        session.introd().B_list_CB_Click();
        if (session.ui().printedCount() > 0)
            return int(Done);
        output.err << translate("Failure", "tavo print: document %1 was not printed").arg(number)
                   << '\n';
        return int(Failed);
    });
}

}  // namespace tavo::cli
