#include "cli/printer_queue.h"

#include <cups/cups.h>
#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

#include "ui/page_output.h"

namespace tavo::cli {

namespace {

// Why the queue would not print the pages now, or empty. A queue that refuses
// jobs would drop them without a word, and a stopped one would keep them
// until someone starts it again: both are told before anything is sent.
QString queueRefusal(const QString& queue) {
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = queue.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return QStringLiteral("the printer '%1' cannot be reached").arg(queue);
    const QByteArray accepting(
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options));
    const QByteArray state(cupsGetOption("printer-state", dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    if (accepting == "false")
        return QStringLiteral("the printer '%1' does not accept jobs").arg(queue);
    // IPP printer states: 3 idle, 4 processing, 5 stopped.
    if (state == "5")
        return QStringLiteral("the printer '%1' is stopped").arg(queue);
    return QString();
}

}  // namespace

QString findPrinterQueue(const QString& name, QString& error) {
    const bool byDefault = name == QLatin1String("default");
    const QPrinterInfo info =
        byDefault ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        error = byDefault ? QStringLiteral("there is no default printer")
                          : QStringLiteral("there is no printer '%1'").arg(name);
        return QString();
    }
    const QString refusal = queueRefusal(info.printerName());
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
