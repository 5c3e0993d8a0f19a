// Prints the bytes of every PDF417 symbol found on each picture named on the
// command line, one line per symbol, top of the page first. Exits 1 when a
// picture cannot be read. `make print-check` reads printed pages with it.
#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QImage page =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_Grayscale8);
        if (page.isNull()) {
            std::fprintf(stderr, "decode_barcodes: cannot read %s\n", argv[i]);
            return 1;
        }
        const ZXing::ImageView view(page.constBits(), page.width(), page.height(),
                                    ZXing::ImageFormat::Lum, int(page.bytesPerLine()));
        const auto hints =
            ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::PDF417).setTryHarder(true);
        ZXing::Results results = ZXing::ReadBarcodes(view, hints);
        std::sort(results.begin(), results.end(), [](const auto& a, const auto& b) {
            return a.position().topLeft().y < b.position().topLeft().y;
        });
        for (const ZXing::Result& result : results) {
            const ZXing::ByteArray& bytes = result.bytes();
            std::fwrite(bytes.data(), 1, bytes.size(), stdout);
            std::fputc('\n', stdout);
        }
    }
    return 0;
}
