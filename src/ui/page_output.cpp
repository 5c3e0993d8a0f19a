#include "ui/page_output.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace tavo {

bool drawPages(QPagedPaintDevice& device, const PrintJob& job) {
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const double scale = device.logicalDpiX() / 1440.0;
    for (int page = 0; page < job.pageCount; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        if (job.drawPage)
            job.drawPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

bool printOnA4(QPrinter& printer, const PrintJob& job) {
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return drawPages(printer, job);
}

bool writePdf(const QString& path, const PrintJob& job) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1440);
    return drawPages(writer, job);
}

}  // namespace tavo
