#include "cli/printer_queue.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

#include "ui/page_output.h"
#include "ui/printer_state.h"

namespace tavo::cli {

QString findPrinterQueue(const QString& name, QString& error) {
    const bool byDefault = name == QLatin1String("default");
    const QPrinterInfo info =
        byDefault ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        error = byDefault ? QStringLiteral("there is no default printer")
                          : QStringLiteral("there is no printer '%1'").arg(name);
        return QString();
    }
    const QString refusal = printerRefusal(info.printerName());
    if (!refusal.isEmpty()) {
        error = refusal + QStringLiteral(": nothing was printed");
        return QString();
    }
    return info.printerName();
}

void printOnQueue(const QString& queue, const PrintJob& job) {
    QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("TAVO"));
    if (!drawPages(printer, job) || printer.printerState() == QPrinter::Error)
        throw std::runtime_error("the printer '" + queue.toStdString() +
                                 "' did not take the pages");
}

}  // namespace tavo::cli
