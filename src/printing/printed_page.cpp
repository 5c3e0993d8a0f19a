#include "printing/printed_page.h"

#include <QPainter>

namespace tavo::printing {
namespace {

void drawCopy(QPainter& painter, const PrintedPage& page, const FormValues* values, int top) {
    painter.save();
    painter.translate(kPageLeft, kPageTop + top);
    drawForm(painter, page.look);
    if (!page.blank && values)
        drawValues(painter, page.look, *values);
    if (!page.blank && page.barcode && page.barcode->ok())
        drawPdf417(painter, *page.barcode, QRectF(form::kBarcode));
    painter.restore();
}

}  // namespace

void drawPrintedPage(QPainter& painter, const PrintedPage& page) {
    drawCopy(painter, page, &page.first, 0);
    if (page.second)
        drawCopy(painter, page, &*page.second, form::kCopyHeight);
}

PrintJob printJob(const PrintedPage& page) {
    PrintJob job;
    job.pageCount = 1;
    job.drawPage = [page](QPainter& painter, int) { drawPrintedPage(painter, page); };
    return job;
}

}  // namespace tavo::printing
