// "Listare OP/ FV" end to end: stored documents printed headless to PDF, the
// page rasterised as a printer would and every PDF417 symbol on it read back.
// A form is accepted at the counter only if its symbol gives back the payload,
// byte for byte, so the payload is rebuilt here from the stored line.
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "../helpers.h"
#include "main_window/program.h"
#include "printing/printed_page.h"
#include "text/cp1250.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

constexpr int kDpi = 300;

struct Document {
    const char* what;
    QString line;  // as stored in ordine.txt
    QString BIC_platitor, BIC_beneficiar;
    QStringList shown;     // texts each copy of the page must carry
    QStringList notShown;  // texts the page must not carry
};

const QString kNote = QStringLiteral("(1-OP cu valoare de declaratie)");
const QString kPayerIbanCaption = QStringLiteral("Cod IBAN plătitor");
const QString kDebitCaption = QStringLiteral("Data debitării");
const QString kTitleOP = QStringLiteral("ORDIN DE PLATA");
const QString kTitleFV = QStringLiteral("Foaie de vărsământ");

const std::vector<Document> kDocuments = {
    {"payment order, every field",
     "1,745,1500.50,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,SUC. BRASOV,"
     "BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,,20123010000150125100024,IMPOZIT PE PROFIT,"
     "15/01/2025,,ABC12345678,A1B,1234567890,OP",
     "RNCBROBU",
     "TREZROBU",
     {"745", "1.500,50", "ALFA SRL", "RO46RNCB0089000000000001", "RO21TREZ13120A010101XXXX", "(1)",
      kNote, kPayerIbanCaption, kTitleOP, "20123010000150125100024", "ABC12345678", "1234567890",
      "RNCBROBU", "TREZROBU"},
     {kTitleFV, kDebitCaption}},
    // A payer IBAN left on a slip's line is neither printed nor encoded.
    {"deposit slip, no trailing fields",
     "2,FV46,200,BETA SRL,4221306,STR. MICA 2,RO46RNCB0089000000000001,,DGFP BRASOV,4221306,"
     "RO21TREZ13120A010101XXXX,,,TAXA AUTO,16/01/2025,,,,,FV",
     "",
     "TREZROBU",
     {"FV46", "BETA SRL", "RO21TREZ13120A010101XXXX", "(2)", kTitleFV, "douasutelei"},
     {"RO46RNCB", kPayerIbanCaption, kNote, kTitleOP, kDebitCaption}},
    {"state-domain agency, debit date only",
     "3,47,75.50,AGENTIA DOMENIILOR STATULUI,14818116,STR. LUNGA 3,RO29TREZ1315069XXX000001,,"
     "BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,,20123010000150125000023,REDEVENTA,"
     "17/01/2025,20/01/2025,,,,OP",
     "TREZROBU",
     "TREZROBU",
     {"75,50", "AGENTIA DOMENIILOR STATULUI", "RO29TREZ1315069XXX000001", "20/01/2025", "(3)",
      kDebitCaption},
     {kNote}},
    // Everything the cleaners let through; the object is longer than the payload takes.
    {"every character the cleaners keep",
     "4,A.1 b2,1234567.89,S.C. (A-B) = >X/Y 7 SRL,13548146,STR. (VECHE) 1-3 / BL. A = > 9 ap.2,"
     "RO46RNCB0089000000000001,,Beneficiar (mic)  doi,4221306,RO21TREZ13120A010101XXXX,,,"
     "Plata (taxa) 1/2 - a=b > c  Dublu spatiu si un text lung de peste saptezeci xyz,"
     "18/01/2025,,ZZZZZZZZZZZ,,1234567890,OP",
     "RNCBROBU",
     "TREZROBU",
     {"A.1 b2", "1.234.567,89", "S.C. (A-B) = >X/Y 7 SRL", "(4)"},
     {kNote}},
};

// The payload of a stored line, field by field: texts between "#", the rest
// bare; the commitment, programme code and debit date only when one is given.
QString payloadOf(const Document& d) {
    const QStringList f = d.line.split(QLatin1Char(','));
    const QString payerIban = f[19] == QLatin1String("FV") ? QString() : f[6];
    QString payload =
        QStringLiteral("#%1#,%2,#%3#,%4,#%5#,#%6#,#%7#,#%8#,%9,#%10#,#%11#,%12,#%13#,%14")
            .arg(f[1], f[2], f[3], f[4], f[5], payerIban, d.BIC_platitor, f[8], f[9], f[10],
                 d.BIC_beneficiar, f[12], f[13].left(70), f[14]);
    if (!(f[15] + f[16] + f[17] + f[18]).trimmed().isEmpty())
        payload += QStringLiteral(",#%1#,#%2#,#%3#,%4").arg(f[16], f[17], f[18], f[15]);
    return payload;
}

struct Printed {
    QStringList shown;  // what the program showed
    QByteArray opcb;
    QString pdf;
};

Printed listare(const QTemporaryDir& dir, int number, bool twoCopies) {
    const QDir folder(dir.path());
    QStringList stored;
    for (const Document& d : kDocuments) stored += d.line;
    EXPECT_TRUE(text::writeLines(folder.filePath("ordine.txt"), stored));

    Printed printed;
    ScriptedUi ui(folder, QDir(folder.filePath("listari")),
                  [&](const QString& line) { printed.shown += line; });
    Program program(folder, ui);
    EXPECT_TRUE(program.start());
    Introd& main = program.introd();
    main.setFocus("NrO");
    main.NrO = QString::number(number);
    main.setFocus("");
    ui.queueAnswer(twoCopies ? "yes" : "no");
    main.B_list_CB_Click();
    EXPECT_FALSE(ui.hasQueuedAnswers());
    EXPECT_TRUE(main.visible);
    printed.opcb = readBytes(folder.filePath("OPCB.txt"));
    printed.pdf = folder.filePath("listari/print-0001.pdf");
    return printed;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray bytesOf(const ZXing::Result& result) {
    const ZXing::ByteArray& bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

ZXing::ImageView viewOf(const QImage& image) {
    return {image.constBits(), image.width(), image.height(), ZXing::ImageFormat::Lum,
            int(image.bytesPerLine())};
}

// The picture box of copy `copy` on the page, in pixels, with some white around it.
QRect barcodeBox(int copy) {
    const QRect twips = printing::form::kBarcode.translated(
        printing::kPageLeft, printing::kPageTop + copy * printing::form::kCopyHeight);
    const auto px = [](int t) { return t * kDpi / 1440; };
    return QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()))
        .adjusted(-15, -15, 15, 15);
}

TEST(PrintedPage, BarcodesReadBackAsThePayload) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftoppm.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP()
            << "pdftoppm/pdftotext not found: install poppler-utils (tools/install-deps.sh)";
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::PDF417)
                           .setTryHarder(true)
                           .setTryRotate(false);

    for (int number = 1; number <= int(kDocuments.size()); ++number) {
        const Document& d = kDocuments[size_t(number - 1)];
        const QByteArray payload = text::toCp1250(payloadOf(d));
        for (const int copies : {2, 1}) {
            SCOPED_TRACE(testing::Message() << d.what << ", " << copies << " copies");
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            const Printed printed = listare(dir, number, copies == 2);
            ASSERT_EQ(printed.shown.size(), 2) << printed.shown.join('\n').toStdString();
            EXPECT_EQ(printed.shown[1], "PRINT 1 -> listari/print-0001.pdf");
            EXPECT_EQ(printed.opcb.toStdString(), (payload + "\r\n").toStdString());
            ASSERT_TRUE(QFile::exists(printed.pdf));

            const QString png = dir.filePath("page");
            run(pdftoppm,
                {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", printed.pdf, png});
            const QImage page = QImage(png + ".png").convertToFormat(QImage::Format_Grayscale8);
            ASSERT_FALSE(page.isNull());

            // Every symbol of the page, wherever it stands.
            const ZXing::Results all = ZXing::ReadBarcodes(viewOf(page), hints);
            EXPECT_EQ(int(all.size()), copies);
            for (const ZXing::Result& result : all)
                EXPECT_EQ(bytesOf(result).toStdString(), payload.toStdString());
            // Each copy's symbol in its own box; none under a single copy.
            for (int copy = 0; copy < 2; ++copy) {
                const QImage box = page.copy(barcodeBox(copy));
                const ZXing::Result result = ZXing::ReadBarcode(viewOf(box), hints);
                EXPECT_EQ(result.isValid(), copy < copies) << "copy " << copy;
                if (result.isValid()) {
                    EXPECT_EQ(bytesOf(result).toStdString(), payload.toStdString())
                        << "copy " << copy;
                }
            }

            const QString text = run(pdftotext, {"-layout", printed.pdf, "-"});
            for (const QString& value : d.shown)
                EXPECT_EQ(text.count(value), copies) << value.toStdString();
            for (const QString& value : d.notShown)
                EXPECT_FALSE(text.contains(value)) << value.toStdString();
        }
    }
}

// A blank form carries its own title only; the debit date box is on the
// payment order's form, not on the deposit slip's.
TEST(PrintedPage, BlankFormsCarryTheirTitleAndBoxes) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext not found: install poppler-utils (tools/install-deps.sh)";
    const struct {
        QStringList answers;
        QStringList shown, notShown;
    } forms[] = {
        {{"yes"}, {kTitleOP, kDebitCaption, kPayerIbanCaption}, {kTitleFV}},
        {{"no", "yes"}, {kTitleFV}, {kTitleOP, kDebitCaption, kPayerIbanCaption}},
    };
    for (const auto& form : forms) {
        RecordingUi r;
        const QDir folder(r.dir.path());
        Program program(folder, r.ui);
        program.start();
        for (const QString& answer : form.answers) r.ui.queueAnswer(answer);
        program.introd().Command2_Click();
        EXPECT_FALSE(r.ui.hasQueuedAnswers());
        const QString text =
            run(pdftotext, {"-layout", folder.filePath("listari/print-0001.pdf"), "-"});
        for (const QString& value : form.shown)
            EXPECT_EQ(text.count(value), 1) << value.toStdString();
        for (const QString& value : form.notShown)
            EXPECT_FALSE(text.contains(value)) << value.toStdString();
    }
}

}  // namespace
}  // namespace tavo
