#include "cli/printer_queue.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

#include "cli/language.h"
#include "platform/printer_state.h"
#include "ui/page_output.h"

namespace tavo::cli {

QString findPrinterQueue(const QString& name, QString& error) {
    const bool byDefault = name == QLatin1String("default");
    const QPrinterInfo info =
        byDefault ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        error = byDefault ? translate("Failure", "there is no default printer")
                          : translate("Failure", "there is no printer '%1'").arg(name);
        return QString();
    }
    const QString refusal = platform::printerRefusal(info.printerName());
    if (!refusal.isEmpty()) {
        error = translate("Failure", "%1: nothing was printed").arg(refusal);
        return QString();
    }
    return info.printerName();
}

void printOnQueue(const QString& queue, const PrintJob& job) {
    QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("TAVO"));
    if (!printOnA4(printer, job) || printer.printerState() == QPrinter::Error)
        throw std::runtime_error(translate("Failure", "the printer '%1' did not take the pages")
                                     .arg(queue)
                                     .toStdString());
}

}  // namespace tavo::cli
