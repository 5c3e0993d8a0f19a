#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>
#include <algorithm>

#include "../helpers.h"
#include "entry/incarc.h"
#include "printing/barcode.h"
#include "printing/form_drawing.h"
#include "printing/payload.h"
#include "text/cp1250.h"

namespace tavo::printing {
namespace {

const QSizeF kBox(form::kBarcode.size());
constexpr int kModulePixels = 3;  // at least, in the test images
constexpr int kMargin = 12;       // white pixels around the box

// A payment order with every field filled, each with a text of its own.
PayloadSource fullOrder() {
    PayloadSource doc;
    doc.d1 = fieldsOf<kD1Count>(
        "12,1234.50,ALFA SRL,14818116,Cluj-Napoca,RO49AAAA1B31007593840000,Sucursala A,"
        "BUGETUL DE STAT,4267117,RO24TREZ999650101XXXXXXX,Sucursala B,22910010000150323000029,"
        "Amenda PV 123,05/04/2024,AB12CD34EF5,IND,06/04/2024,1234567890");
    doc.BIC_platitor = QStringLiteral("AAAAROBU");
    doc.BIC_beneficiar = QStringLiteral("TREZROBU");
    return doc;
}

const QString kShortPart = QStringLiteral(
    "#12#,1234.50,#ALFA SRL#,14818116,#Cluj-Napoca#,#RO49AAAA1B31007593840000#,#AAAAROBU#,"
    "#BUGETUL DE STAT#,4267117,#RO24TREZ999650101XXXXXXX#,#TREZROBU#,22910010000150323000029,"
    "#Amenda PV 123#,05/04/2024");

// Every byte the cleaners let into a payload, between the payload's own "#" and ",".
QByteArray everyPassingByte() {
    QByteArray bytes("#");
    bytes += " .0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz()-/=>";
    bytes += "#,#";
    for (const char c : {'\x81', '\x83', '\x88', '\x90', '\x98', '\t'}) bytes += c;
    for (char c = 0x01; c < 0x20; ++c) {
        if (c != '\r' && c != '\n')
            bytes += c;
    }
    bytes += "#,1500.50";
    return bytes;
}

// A document whose every field is filled to the limit the entry window allows.
QByteArray fieldsAtTheirLimits() {
    PayloadSource document;
    const QString filler = QStringLiteral("STR. MARE (BL. A-3) NR.12/B =>1 ");
    for (int k = 0; k < int(document.d1.size()); ++k) {
        QString value;
        while (value.size() < Incarc::typingLimit(k)) value += filler;
        document.d1[size_t(k)] = value.left(Incarc::typingLimit(k));
    }
    document.BIC_platitor = QStringLiteral("RNCBROBUXXX");
    document.BIC_beneficiar = QStringLiteral("TREZROBUXXX");
    return text::toCp1250(text_CB(document));
}

// `count` bytes cycling through everything a payload may hold.
QByteArray mixedBytes(int count) {
    const QByteArray all = everyPassingByte();
    QByteArray bytes;
    for (int i = 0; bytes.size() < count; ++i) bytes += all[(i * 7) % all.size()];
    return bytes;
}

struct PayloadCase {
    const char* name;
    QByteArray bytes;
};

const PayloadCase kPayloads[] = {
    {"every_passing_byte", everyPassingByte()},
    {"fields_at_their_limits", fieldsAtTheirLimits()},
    {"six_hundred_mixed_bytes", mixedBytes(600)},
    {"one_character", "7"},
    {"separator_runs", "####,,,,#,#,,##,,,###,#,,,,,,,,,,##########,,,,,,#"},
};

// The symbol drawn in the form's box, modules of kModulePixels at least, on white.
struct Drawing {
    QImage image;
    QRectF box;
};

Drawing draw(const Pdf417& symbol) {
    const QSizeF size = symbol.size();
    const double twipsPerModule =
        std::min(kBox.width() / size.width(), kBox.height() / size.height());
    const double scale = kModulePixels / twipsPerModule;
    Drawing drawing;
    drawing.box = QRectF(kMargin, kMargin, kBox.width() * scale, kBox.height() * scale);
    drawing.image = QImage(qCeil(drawing.box.right()) + kMargin,
                           qCeil(drawing.box.bottom()) + kMargin, QImage::Format_Grayscale8);
    drawing.image.fill(Qt::white);
    QPainter painter(&drawing.image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::red);
    drawPdf417(painter, symbol, drawing.box);
    // The painter comes back as it was given.
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
    return drawing;
}

// The PDF417 symbol read back from `image`, and its bytes.
ZXing::Result readBack(const QImage& image, QByteArray* bytes) {
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::Lum, int(image.bytesPerLine()));
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::PDF417)
                           .setTryHarder(true)
                           .setTryRotate(false);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    *bytes = QByteArray(reinterpret_cast<const char*>(result.bytes().data()),
                        qsizetype(result.bytes().size()));
    return result;
}

// The bounding box of the dark pixels.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class Pdf417Payload : public testing::TestWithParam<PayloadCase> {};

TEST_P(Pdf417Payload, ReadsBackByteForByteFromTheBoxInsideItsQuietZone) {
    const QByteArray& payload = GetParam().bytes;
    const Pdf417 symbol = encodeBarcode(payload, kBox);
    ASSERT_TRUE(symbol.ok()) << symbol.error.toStdString();
    const Drawing drawing = draw(symbol);
    QByteArray bytes;
    const ZXing::Result back = readBack(drawing.image, &bytes);
    ASSERT_TRUE(back.isValid());
    EXPECT_EQ(bytes.toHex(' '), payload.toHex(' '));
    EXPECT_EQ(back.ecLevel(), std::to_string(kPdf417ErrorLevel));

    const QRect ink = inked(drawing.image);
    const QRectF box = drawing.box;
    EXPECT_TRUE(ink.width() >= 0.9 * box.width() || ink.height() >= 0.9 * box.height())
        << ink.width() << "x" << ink.height() << " in " << box.width() << "x" << box.height();
    // Two module widths of white on every side (one pixel of rounding allowed).
    const double quiet = kPdf417QuietZone * kModulePixels - 1;
    EXPECT_GE(ink.left() - box.left(), quiet);
    EXPECT_GE(box.right() - (ink.right() + 1), quiet);
    EXPECT_GE(ink.top() - box.top(), quiet);
    EXPECT_GE(box.bottom() - (ink.bottom() + 1), quiet);
    // Centred.
    EXPECT_NEAR(QRectF(ink).center().x(), box.center().x(), 1.5);
    EXPECT_NEAR(QRectF(ink).center().y(), box.center().y(), 1.5);
    // Drawn without antialiasing: black and white only.
    for (int y = 0; y < drawing.image.height(); ++y) {
        const uchar* line = drawing.image.constScanLine(y);
        ASSERT_TRUE(std::all_of(line, line + drawing.image.width(),
                                [](uchar gray) { return gray == 0 || gray == 255; }))
            << "row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Payloads, Pdf417Payload, testing::ValuesIn(kPayloads),
                         [](const testing::TestParamInfo<PayloadCase>& info) {
                             return std::string(info.param.name);
                         });

// Against every column count encoded one by one, for payloads of many lengths.
TEST(CodBare, ChoosesTheColumnsWithTheLargestModules) {
    const auto moduleIn = [](const Pdf417& symbol, const QSizeF& box) {
        const QSizeF size = symbol.size();
        return std::min(box.width() / size.width(), box.height() / size.height());
    };
    for (const QSizeF& box : {kBox, QSizeF(1000, 1000), QSizeF(500, 3000)}) {
        for (int length = 1; length <= 1000; length += 37) {
            SCOPED_TRACE(testing::Message()
                         << box.width() << "x" << box.height() << ", " << length << " bytes");
            const QByteArray payload = mixedBytes(length);
            const Pdf417 chosen = encodeBarcode(payload, box);
            ASSERT_TRUE(chosen.ok()) << chosen.error.toStdString();
            double best = 0;
            for (int columns = 1; columns <= 30; ++columns) {
                const Pdf417 other = encodePdf417(payload, columns);
                if (other.ok())
                    best = std::max(best, moduleIn(other, box));
            }
            EXPECT_GE(moduleIn(chosen, box), best * (1 - 1e-9));
        }
    }
}

TEST(CodBare, RefusesWhatASymbolCannotHold) {
    for (const QByteArray& bytes : {mixedBytes(3000), QByteArray()}) {
        SCOPED_TRACE(bytes.size());
        const Pdf417 symbol = encodeBarcode(bytes, kBox);
        EXPECT_FALSE(symbol.ok());
        EXPECT_FALSE(symbol.error.isEmpty());
        EXPECT_TRUE(symbol.modules.empty());
        // Nothing is drawn for it.
        QImage image(100, 50, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        drawPdf417(painter, symbol, QRectF(0, 0, 100, 50));
        painter.end();
        EXPECT_TRUE(inked(image).isEmpty());
    }
}

// Whole payloads, the object cut to 70 characters and a debit date alone are
// in the printed page test; here one of the other commitment fields is kept,
// the others emptied: the long form with the others empty, unless what is kept
// is only blanks.
TEST(TextCB, LongFormForAnyCommitmentFieldNotBlank) {
    const struct {
        D1 kept;
        QString value, tail;
    } commitment[] = {
        {D1::cod_program, "1234567890", ",##,##,#1234567890#,"},
        {D1::indicator_angajament, " I ", ",##,# I #,##,"},
        {D1::cod_angajament, "  ", ""},
    };
    for (const auto& c : commitment) {
        PayloadSource doc = fullOrder();
        for (int i = D1::cod_angajament; i <= D1::cod_program; ++i) doc.d1[i].clear();
        doc.d1[c.kept] = c.value;
        EXPECT_EQ(text_CB(doc), kShortPart + c.tail) << c.kept;
    }
}

TEST(ScrieOpcb, WritesThePayloadAsOneCp1250Line) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OPCB.txt"));

    PayloadSource doc = fullOrder();
    doc.d1[D1::platitor] = QString::fromUtf8("ŞTEFĂNESCU ȘTEFAN");
    ASSERT_TRUE(scrie_OPCB(QDir(dir.path()), doc));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes, text::toCp1250(text_CB(doc)) + "\r\n");

    QString error;
    EXPECT_FALSE(scrie_OPCB(QDir(dir.filePath("none")), fullOrder(), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace tavo::printing
