#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "../helpers.h"
#include "export/agency_file.h"
#include "text/text_file.h"

using namespace tavo::exporting;
using tavo::text::writeSynced;

namespace {

// The BICs of whole IBANs are in tests/e2e/agency-file.case.
TEST(AgencyFile, BicOfACutIban) {
    // What the IBAN has is kept; a listed bank's suffix needs the whole bank code.
    EXPECT_EQ(bic_agentie(u"RO49CAI"), "CAIROBU");
    EXPECT_EQ(bic_agentie(u"RO49BTRLX"), "BTRLRO22");
}

// Besides the names of tests/e2e/agency-file.case.
TEST(AgencyFile, NamesKeptInsideTheFolderOrRefused) {
    for (const char* name : {"APIA_OPT_123.TXT", "A.B.TXT", "NUME CU SPATII.TXT", ".ASCUNS",
                             "COM10.TXT", "CONSOLE.TXT", "NULL.TXT", "_OPT_.TXT"}) {
        EXPECT_FALSE(refusedAgencyName(QString::fromUtf8(name))) << name;
    }
    EXPECT_FALSE(refusedAgencyName(QStringLiteral("ŞCOALA_OPT_1.TXT")));
    for (const char* name :
         {"/ETC/X", "A..B.TXT", "A<B", "A>B", "C:X.TXT", "A\"B", "A|B", "A*.TXT", "A\tB",
          "A\x7f"
          "B",
          ".", "...", " ", "X.TXT ", "CON", "NUL .TXT", "LPT9.TXT", "COM1"}) {
        EXPECT_TRUE(refusedAgencyName(QString::fromUtf8(name))) << name;
    }
    EXPECT_TRUE(refusedAgencyName(QStringLiteral("A") + QChar(0) + QStringLiteral("B")));
    // Linux counts bytes: 128 letters Ş take 256.
    EXPECT_FALSE(refusedAgencyName(QString(255, QLatin1Char('A'))));
    EXPECT_TRUE(refusedAgencyName(QString(256, QLatin1Char('A'))));
    EXPECT_TRUE(refusedAgencyName(QString(128, QChar(0x015E))));
}

TEST(AgencyFile, CopyReplacesAnEarlierFileByteForByteOrSaysWhyNot) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QString error;
    // No tabela.txt to copy.
    EXPECT_FALSE(copyAgencyFile(folder, QStringLiteral("A.TXT"), &error));
    EXPECT_FALSE(error.isEmpty());

    folder.mkpath(QStringLiteral("agentie/UN DIRECTOR"));
    const QByteArray table("#1#,01/01/2023,1,#\x8a\xfe#\r\n", 20);
    ASSERT_TRUE(writeSynced(folder.filePath("agentie/tabela.txt"), table));
    const QString earlier = folder.filePath("agentie/APIA_OPT_1.TXT");
    ASSERT_TRUE(writeSynced(earlier, "an earlier, longer export that must not leave a tail\r\n"));
    ASSERT_TRUE(copyAgencyFile(folder, QStringLiteral("APIA_OPT_1.TXT"), &error))
        << error.toStdString();
    EXPECT_EQ(tavo::readBytes(earlier), table);

    error.clear();
    EXPECT_FALSE(copyAgencyFile(folder, QStringLiteral("UN DIRECTOR"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("agentie")))
                  .entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"APIA_OPT_1.TXT", "tabela.txt"}));
}

}  // namespace
