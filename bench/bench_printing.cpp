// Prints 1 000 stored documents to PDF in one process, through "Listare OP/ FV"
// as `tavo print` does, and reports pages per second, bytes per page and the
// share of the barcode in the time of a page.
#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>
#include <cstdio>

#include "main_window/program.h"
#include "order_generator.h"
#include "printing/barcode.h"
#include "text/cp1250.h"
#include "text/text_file.h"
#include "timing.h"
#include "ui/page_output.h"
#include "ui/scripted_ui.h"

namespace {

using tavo::bench::elapsedMs;
using tavo::bench::microsecondsEach;

constexpr int kDocuments = 1000;

// What printing every stored document through "Listare OP/ FV" gave.
struct PrintingRun {
    double totalMs = 0;
    int pages = 0;
    qint64 bytes = 0;  // of every PDF file written
};

PrintingRun timePrintingEveryDocument(const QDir& folder) {
    tavo::ScriptedUi ui(folder, QDir(folder.filePath("listari")), [](const QString&) {});
    tavo::Program program(folder, ui);
    program.start();
    tavo::Introd& main = program.introd();

    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= kDocuments; ++n) {
        main.setFocus(QStringLiteral("NrO"));
        main.NrO = QString::number(n);
        main.setFocus(QString());
        ui.queueAnswer(QStringLiteral("no"));  // one copy a page
        main.B_list_CB_Click();
    }
    PrintingRun run;
    run.totalMs = elapsedMs(timer);
    run.pages = ui.printedCount();
    for (QDirIterator it(folder.filePath("listari"), {"*.pdf"}); it.hasNext();) {
        it.next();
        run.bytes += it.fileInfo().size();
    }
    return run;
}

// The payload of a typical document, and the place of its barcode.
const QByteArray& typicalPayload() {
    static const QByteArray payload = tavo::text::toCp1250(QStringLiteral(
        "#1234#,1500.50,#SC ALFA CONSTRUCT SRL#,13548146,#STR. PRINCIPALA NR. 12 LOC. BRASOV "
        "JUD. BRASOV#,#RO49RNCB0089000000123456#,#RNCBROBU#,#BUGETUL DE STAT#,4221306,"
        "#RO21TREZ13120A010101XXXX#,#TREZROBU#,22910010000150323000029,#IMPOZIT PE PROFIT TRIM "
        "IV#,15/01/2025"));
    return payload;
}
const QRectF kBox(tavo::printing::form::kBarcode);

// One barcode of the typical payload encoded and drawn, in microseconds.
double barcodeUs() {
    constexpr int kBarcodes = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kBarcodes; ++i) {
        QPicture picture;
        QPainter painter(&picture);
        tavo::printing::drawPdf417(
            painter, tavo::printing::encodeBarcode(typicalPayload(), kBox.size()), kBox);
    }
    return microsecondsEach(timer, kBarcodes);
}

// One PDF page written as a whole document, as a print job is, holding the
// barcode alone or nothing, in microseconds.
double pdfPageUs(bool withBarcode) {
    constexpr int kPdfPages = 300;
    tavo::PrintJob job;
    job.pageCount = 1;
    job.drawPage = [&](QPainter& painter, int) {
        if (withBarcode)
            tavo::printing::drawPdf417(
                painter, tavo::printing::encodeBarcode(typicalPayload(), kBox.size()), kBox);
    };
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kPdfPages; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(1440);
        tavo::drawPages(writer, job);
    }
    return microsecondsEach(timer, kPdfPages);
}

}  // namespace

int main(int argc, char** argv) {
    tavo::bench::offscreenUnlessSet();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    tavo::text::writeLines(folder.filePath("ordine.txt"), tavo::bench::generateOrders(kDocuments));

    const PrintingRun run = timePrintingEveryDocument(folder);
    const double oneBarcodeUs = barcodeUs();
    const double emptyPageUs = pdfPageUs(false);
    const double pdfBarcodeUs = pdfPageUs(true) - emptyPageUs;

    const int pages = run.pages;
    const double pageMs = pages ? run.totalMs / pages : 0;
    std::printf("%d stored documents, %d printed (the others lack data and print nothing)\n",
                kDocuments, pages);
    std::printf("%-40s %9.1f ms\n", "whole run", run.totalMs);
    std::printf("%-40s %9.1f pages/s\n", "pages per second",
                pages ? 1000.0 * pages / run.totalMs : 0);
    std::printf("%-40s %9.1f KB\n", "bytes per page", pages ? double(run.bytes) / pages / 1024 : 0);
    std::printf("%-40s %9.1f us  (%.1f %% of a page)\n", "one barcode (encode and draw)",
                oneBarcodeUs, pageMs > 0 ? 100.0 * oneBarcodeUs / 1000.0 / pageMs : 0);
    std::printf("%-40s %9.1f us  (%.1f %% of a page)\n", "one barcode into a PDF page",
                pdfBarcodeUs, pageMs > 0 ? 100.0 * pdfBarcodeUs / 1000.0 / pageMs : 0);
    return 0;
}
