#include <QFile>

#include "cli/commands.h"
#include "cli/script_session.h"
#include "printing/text_image.h"

namespace tavo::cli {

// `tavo text N`: the stored document N opened as "Incărcare" opens it, then
// "OP/FV - imagine text": LKELM.txt holds its two copies.
int runText(const Options& options, QStringList arguments, Output output) {
    bool ok = false;
    const qint64 number = arguments.size() == 1 ? arguments.front().toLongLong(&ok) : 0;
    if (!ok || number < 1) {
        output.err << "tavo text: N\n" << usage();
        return BadUsage;
    }

    ScriptSession session(options, output);
    const QString lkelm = options.folder.filePath(printing::kLKELM);
    try {
        if (!session.start())
            return Failed;
        Introd& main = session.introd();
        // The number is typed and left: the document's own type is chosen.
        main.setFocus(QStringLiteral("NrO"));
        main.NrO = QString::number(number);
        main.setFocus(QString());
        if (main.NrO != QString::number(number) || number > main.Ordine.size()) {
            output.err << "tavo text: there is no document " << number << '\n';
            return Failed;
        }
        main.B_start_Click();
        session.play(QStringLiteral("click Incarc.Command3"));
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    } catch (const std::exception& e) {
        output.err << "tavo text: " << e.what() << '\n';
        return Failed;
    }
    if (!QFile::exists(lkelm)) {
        output.err << "tavo text: " << printing::kLKELM << " was not written\n";
        return Failed;
    }
    return Done;
}

}  // namespace tavo::cli
