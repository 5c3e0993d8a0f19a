// Times the barcode of a printed copy: encoding typical payloads with encodeBarcode
// and drawing the symbols as vector rectangles, and prints microseconds per
// barcode. The drawing goes to a paint device that only counts what it gets
// (our own cost), and, for comparison, to a QPicture (what recording the
// rectangles costs Qt, as a printer or PDF page would).
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <cstdio>
#include <random>
#include <vector>

#include "printing/barcode.h"
#include "printing/form_drawing.h"
#include "text/cp1250.h"
#include "timing.h"

namespace {

constexpr int kBarcodes = 10000;

// Counts the rectangles and lines drawn on it and draws nothing. It takes
// every feature, so that the painter hands it what it is given as it is.
class CountingEngine : public QPaintEngine {
  public:
    CountingEngine() : QPaintEngine(AllFeatures) {}
    qint64 rects = 0;
    qint64 lines = 0;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawRects(const QRectF*, int count) override { rects += count; }
    void drawLines(const QLineF*, int count) override { lines += count; }
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return User; }
};

class CountingDevice : public QPaintDevice {
  public:
    mutable CountingEngine engine;

    QPaintEngine* paintEngine() const override { return &engine; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight:
                return 20000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 1440;
            case PdmDepth:
                return 1;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return 0;
        }
    }
};

// Payloads of payment orders as the entry window builds them, varied in their
// numbers, names, accounts and dates.
std::vector<QByteArray> typicalPayloads(int count) {
    std::mt19937 random(7);
    const QStringList payers = {"SC ALFA CONSTRUCT SRL", "PRIMARIA COMUNEI VALEA MARE",
                                "POPESCU ION", "SC BETA DISTRIBUTIE SA"};
    const QStringList objects = {"IMPOZIT PE PROFIT TRIM IV", "CONTRIBUTII SOCIALE LUNA 12",
                                 "TVA DE PLATA DEC 2023",
                                 "AMENDA PROCES VERBAL SERIA AB NR 123456"};
    std::vector<QByteArray> payloads;
    payloads.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        const QString payload =
            QStringLiteral(
                "#%1#,%2.%3,#%4#,13548146,#STR. MARE NR. %5#,#RO46RNCB0089000000%6#,"
                "#RNCBROBU#,#BUGETUL DE STAT#,4221306,#RO%7TREZ13120A010101XXXX#,"
                "#TREZROBU#,,#%8#,%9/01/2025")
                .arg(random() % 9999 + 1)
                .arg(random() % 5000000)
                .arg(int(random() % 100), 2, 10, QLatin1Char('0'))
                .arg(payers[int(random() % unsigned(payers.size()))])
                .arg(random() % 200)
                .arg(random() % 1000000, 6, 10, QLatin1Char('0'))
                .arg(int(random() % 97) + 2, 2, 10, QLatin1Char('0'))
                .arg(objects[int(random() % unsigned(objects.size()))])
                .arg(int(random() % 28) + 1, 2, 10, QLatin1Char('0'));
        payloads.push_back(tavo::text::toCp1250(payload));
    }
    return payloads;
}

}  // namespace

int main(int argc, char** argv) {
    tavo::bench::offscreenUnlessSet();
    QGuiApplication app(argc, argv);
    using tavo::printing::form::kBarcode;

    const std::vector<QByteArray> payloads = typicalPayloads(kBarcodes);
    std::vector<tavo::printing::Pdf417> symbols;
    symbols.reserve(payloads.size());
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& payload : payloads)
        symbols.push_back(tavo::printing::encodeBarcode(payload, QSizeF(kBarcode.size())));
    const double encodeUs = tavo::bench::microsecondsEach(timer, kBarcodes);

    int failed = 0;
    CountingDevice device;
    timer.restart();
    for (const tavo::printing::Pdf417& symbol : symbols) {
        failed += !symbol.ok();
        QPainter painter(&device);
        tavo::printing::drawPdf417(painter, symbol, QRectF(kBarcode));
    }
    const double drawUs = tavo::bench::microsecondsEach(timer, kBarcodes);

    timer.restart();
    for (const tavo::printing::Pdf417& symbol : symbols) {
        QPicture picture;
        QPainter painter(&picture);
        tavo::printing::drawPdf417(painter, symbol, QRectF(kBarcode));
    }
    const double pictureUs = tavo::bench::microsecondsEach(timer, kBarcodes);

    std::printf(
        "barcode: %d typical payloads, per barcode: codBare %.1f us, drawPdf417 %.1f us "
        "(%.0f rectangles, %.0f lines), total %.1f us; into a QPicture %.1f us%s\n",
        kBarcodes, encodeUs, drawUs, double(device.engine.rects) / kBarcodes,
        double(device.engine.lines) / kBarcodes, encodeUs + drawUs, pictureUs,
        failed ? " (some failed!)" : "");
    return failed ? 1 : 0;
}
