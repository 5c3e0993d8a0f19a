#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <map>

#include "../helpers.h"
#include "printing/text_image.h"

using namespace tavo::printing;
using tavo::B1;
using tavo::D1;

namespace {

// A payment order with every field and label filled.
TextImageValues fullOrder() {
    TextImageValues v;
    v.d1 = tavo::fieldsOf<tavo::kD1Count>(
        "745,1234.50,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,BCR BRASOV,"
        "BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,TREZ BRASOV,20230131000000000000017,"
        "IMPOZIT PE PROFIT,15/01/2025,AB12CD34EF5,IND,20/01/2025,1234567890");
    v.b1 = {QStringLiteral("1.234,50"), QStringLiteral("unamiedouasutetreizecisipatrulei,50bani"),
            QStringLiteral("RNCBROBU"), QStringLiteral("BANCA COMERCIALA ROMANA"),
            QStringLiteral("TREZROBU"), QStringLiteral("TREZORERIE BRASOV"),
            QStringLiteral("(1)")};
    return v;
}

}  // namespace

// Lines of one copy, by their place (whole copies are in tests/e2e/text-image.case).
TEST(TextImage, OneCopyLineByLine) {
    const QString hundred = QString(96, QLatin1Char('B')) + QStringLiteral("BANK");
    struct Case {
        const char* name;
        std::function<void(TextImageValues&)> change;
        std::map<int, QString> lines;
    } cases[] = {
        {"payment order, every field",
         [](TextImageValues&) {},
         {{22, "Data debitarii: 20/01/2025                            |"}, {28, "(1)"}}},
        {"bank names cut to their first 100 characters",
         [&](TextImageValues& v) {
             v.b1[B1::banca_platitor] = hundred + QStringLiteral(" SUCURSALA");
             v.b1[B1::banca_beneficiar] = hundred + QStringLiteral("X");
         },
         {{8, "De la: " + hundred}, {15, "La: " + hundred}}},
        {"values wider than their columns widen them",
         [](TextImageValues& v) {
             v.d1[D1::nr_OP] = QStringLiteral("AB1234567890");
             v.b1[B1::suma_afisata] = QStringLiteral("123.456.789.012.345.678,90");
             v.d1[D1::IBAN_platitor] = QStringLiteral("RO46RNCB008900000000000123");
             v.d1[D1::IBAN_beneficiar] = QStringLiteral("RO21TREZ13120A010101XXXXYY");
             v.d1[D1::data_emiterii] = QStringLiteral("15/01/20255");
         },
         {{0,
           "ORDIN DE PLATA       Nr.AB1234567890                           PLATITI  "
           "123.456.789.012.345.678,90   LEI, Adica"},
          {7, "Cod IBAN platitor: RO46RNCB008900000000000123    Codul BIC: RNCBROBU"},
          {14, "Cod IBAN beneficiar: RO21TREZ13120A010101XXXXYY    Codul BIC: TREZROBU"},
          {21, "Data emiterii:  15/01/20255                            |"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextImageValues v = fullOrder();
        c.change(v);
        const QStringList lines = copie_text(v, QString());
        EXPECT_EQ(lines.size(), 29);
        for (const auto& [line, text] : c.lines) EXPECT_EQ(lines.value(line), text) << line;
    }
}

// What LKELM.txt holds is in tests/e2e (text-image, text-command, package-*).
TEST(TextImage, LkelmIsWrittenInCp1250) {
    QTemporaryDir dir;
    TextImageValues v = fullOrder();
    v.b1[B1::suma_litere] = QStringLiteral("doisprezecelei,Ş");
    QString error;
    ASSERT_TRUE(vizu_OP(QDir(dir.path()), v, &error)) << error.toStdString();
    EXPECT_EQ(tavo::readBytes(dir.filePath("LKELM.txt")).count("doisprezecelei,\xAA\r\n"), 2);
}
