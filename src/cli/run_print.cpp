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

    ScriptSession session(options, output);
    try {
        if (!session.start())
            return Failed;
        Introd& main = session.introd();
        // The number is typed and left: the document's own type is chosen.
        main.setFocus(QStringLiteral("NrO"));
        main.NrO = QString::number(number);
        main.setFocus(QString());
        if (main.NrO != QString::number(number) || number > main.Ordine.size()) {
            output.err << "tavo print: there is no document " << number << '\n';
            return Failed;
        }
        if (!pdf.isEmpty())
            session.ui().setNextPrintFile(pdf);
        session.ui().queueAnswer(copies == QLatin1String("2") ? QStringLiteral("yes")
                                                              : QStringLiteral("no"));
        main.B_list_CB_Click();
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    } catch (const std::exception& e) {
        output.err << "tavo print: " << e.what() << '\n';
        return Failed;
    }
    if (session.ui().printedCount() == 0) {
        output.err << "tavo print: document " << number << " was not printed\n";
        return Failed;
    }
    return Done;
}

}  // namespace tavo::cli
