#include <QFileInfo>

#include "cli/commands.h"
#include "cli/script_session.h"

namespace tavo::cli {

// `tavo print N [--copies 1|2] [--pdf FILE]`: "Listare OP/ FV" on the stored
// document N, the two-copies question answered by --copies (1 by default).
int runPrint(const Options& options, QStringList arguments, Output output) {
    bool ok = false;
    const qint64 number = arguments.isEmpty() ? 0 : arguments.takeFirst().toLongLong(&ok);
    QString copies = QStringLiteral("1");
    QString pdf;
    while (ok && arguments.size() >= 2) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--copies") &&
            (value == QLatin1String("1") || value == QLatin1String("2")))
            copies = value;
        else if (option == QLatin1String("--pdf") && !value.isEmpty())
            pdf = QFileInfo(value).absoluteFilePath();
        else
            ok = false;
    }
    if (!ok || number < 1 || !arguments.isEmpty()) {
        output.err << "tavo print: N [--copies 1|2] [--pdf FILE]\n" << usage();
        return BadUsage;
    }

    return runHeadless(options, output, QStringLiteral("print"), [&](ScriptSession& session) {
        if (!chooseDocument(session, output, QStringLiteral("print"), number))
            return int(Failed);
        if (!pdf.isEmpty())
            session.ui().setNextPrintFile(pdf);
        session.ui().queueAnswer(copies == QLatin1String("2") ? QStringLiteral("yes")
                                                              : QStringLiteral("no"));
        session.introd().B_list_CB_Click();
        if (session.ui().printedCount() > 0)
            return int(Done);
        output.err << "tavo print: document " << number << " was not printed\n";
        return int(Failed);
    });
}

}  // namespace tavo::cli
