#include <QFile>
#include <algorithm>

#include "cli/commands.h"
#include "cli/language.h"
#include "cli/script_session.h"

namespace tavo::cli {

int runList(const Options& options, Output output) {
    ScriptSession session(options, output);
    session.introd().searchable = false;
    try {
        if (!session.start())
            return Failed;
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    }
    const Introd& main = session.introd();
    // The list goes out as one text: item by item the stream's own work would
    // cost more than the loading of a long list.
    const QString tail = main.Label3 + QLatin1String("\nNrO=") + main.NrO + QLatin1Char('\n');
    qsizetype size = tail.size();
    for (const QString& item : main.Ordine) size += item.size() + 1;
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QString& item : main.Ordine) {
        out = std::copy(item.cbegin(), item.cend(), out);
        *out++ = QLatin1Char('\n');
    }
    std::copy(tail.cbegin(), tail.cend(), out);
    output.out << text;
    return Done;
}

int runScript(const Options& options, const QString& scriptFile, Output output) {
    QFile file;
    if (scriptFile.isEmpty() || scriptFile == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            output.err << translate("Failure", "tavo script: cannot read standard input") << '\n';
            return Failed;
        }
    } else {
        file.setFileName(scriptFile);
        if (!file.open(QIODevice::ReadOnly)) {
            output.err << translate("Failure", "tavo script: cannot read %1").arg(scriptFile)
                       << '\n';
            return Failed;
        }
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    ScriptSession session(options, output);
    int lineNumber = 0;
    try {
        for (QString line : lines) {
            ++lineNumber;
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (!session.started() && !session.start())
                return Failed;
            if (!session.play(line))
                break;
        }
    } catch (const NoAnswer& e) {
        output.out << "NO ANSWER " << e.asked() << '\n';
        return Unanswered;
    } catch (const std::exception& e) {
        output.err << translate("Failure", "tavo script: line %1: %2")
                          .arg(lineNumber)
                          .arg(QString::fromUtf8(e.what()))
                   << '\n';
        return Failed;
    }
    if (!session.started() && !session.start())
        return Failed;
    return Done;
}

}  // namespace tavo::cli
