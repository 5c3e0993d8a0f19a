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
#include "ui/page_output.h"
#include "ui/scripted_ui.h"

namespace {

constexpr int kDocuments = 1000;

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    tavo::text::writeLines(folder.filePath("ordine.txt"), tavo::bench::generateOrders(kDocuments));

    tavo::ScriptedUi ui(folder, QDir(folder.filePath("listari")), [](const QString&) {});
    tavo::Program program(folder, ui);
    program.start();
    tavo::Introd& main = program.introd();

    QElapsedTimer timer;
    timer.start();
    QString lastPayload;
    for (int n = 1; n <= kDocuments; ++n) {
        main.setFocus(QStringLiteral("NrO"));
        main.NrO = QString::number(n);
        main.setFocus(QString());
        ui.queueAnswer(QStringLiteral("no"));  // one copy a page
        main.B_list_CB_Click();
    }
    const double totalMs = double(timer.nsecsElapsed()) / 1e6;
    const int pages = ui.printedCount();

    qint64 bytes = 0;
    for (QDirIterator it(folder.filePath("listari"), {"*.pdf"}); it.hasNext();) {
        it.next();
        bytes += it.fileInfo().size();
    }

    // One barcode: the payload of a typical document encoded and drawn.
    const QByteArray payload = tavo::text::toCp1250(QStringLiteral(
        "#1234#,1500.50,#SC ALFA CONSTRUCT SRL#,13548146,#STR. PRINCIPALA NR. 12 LOC. BRASOV "
        "JUD. BRASOV#,#RO49RNCB0089000000123456#,#RNCBROBU#,#BUGETUL DE STAT#,4221306,"
        "#RO21TREZ13120A010101XXXX#,#TREZROBU#,22910010000150323000029,#IMPOZIT PE PROFIT TRIM "
        "IV#,15/01/2025"));
    const QRectF box(tavo::printing::form::kBarcode);
    constexpr int kBarcodes = 2000;
    timer.restart();
    for (int i = 0; i < kBarcodes; ++i) {
        QPicture picture;
        QPainter painter(&picture);
        tavo::printing::drawPdf417(painter, tavo::printing::encodeBarcode(payload, box.size()),
                                   box);
    }
    const double barcodeUs = double(timer.nsecsElapsed()) / 1e3 / kBarcodes;

    // The same into PDF pages, each written as a whole document as a print
    // job is: pages holding only the barcode against empty pages.
    constexpr int kPdfPages = 300;
    const auto pdfUs = [&](bool withBarcode) {
        tavo::PrintJob job;
        job.pageCount = 1;
        job.drawPage = [&](QPainter& painter, int) {
            if (withBarcode)
                tavo::printing::drawPdf417(painter,
                                           tavo::printing::encodeBarcode(payload, box.size()), box);
        };
        timer.restart();
        for (int i = 0; i < kPdfPages; ++i) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(1440);
            tavo::drawPages(writer, job);
        }
        return double(timer.nsecsElapsed()) / 1e3 / kPdfPages;
    };
    const double emptyPageUs = pdfUs(false);
    const double pdfBarcodeUs = pdfUs(true) - emptyPageUs;

    const double pageMs = pages ? totalMs / pages : 0;
    std::printf("%d stored documents, %d printed (the others lack data and print nothing)\n",
                kDocuments, pages);
    std::printf("%-40s %9.1f ms\n", "whole run", totalMs);
    std::printf("%-40s %9.1f pages/s\n", "pages per second", pages ? 1000.0 * pages / totalMs : 0);
    std::printf("%-40s %9.1f KB\n", "bytes per page", pages ? double(bytes) / pages / 1024 : 0);
    std::printf("%-40s %9.1f us  (%.1f %% of a page)\n", "one barcode (encode and draw)", barcodeUs,
                pageMs > 0 ? 100.0 * barcodeUs / 1000.0 / pageMs : 0);
    std::printf("%-40s %9.1f us  (%.1f %% of a page)\n", "one barcode into a PDF page",
                pdfBarcodeUs, pageMs > 0 ? 100.0 * pdfBarcodeUs / 1000.0 / pageMs : 0);
    return 0;
}
