#include "platform/printer_state.h"

#include <cups/cups.h>

namespace tavo::platform {

QString printerRefusal(const QString& queue) {
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

}  // namespace tavo::platform
