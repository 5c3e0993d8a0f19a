#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "../helpers.h"
#include "store/reference_texts.h"
#include "text/cp1250.h"
#include "text/text_file.h"

using namespace tavo::reference_texts;

namespace {

// Every shipped text reaches the working folder whole: each character is one
// the code page holds (a "?" in its place would be a lost letter), and the
// lines end in CR LF.
TEST(ReferenceTexts, ShippedTextsKeepEveryLetterInTheCodePage) {
    for (const QString& name : nume()) {
        SCOPED_TRACE(name.toStdString());
        QString expected = QString::fromUtf8(tavo::readBytes(":/texts/" + name));
        expected.replace(QChar(0x0219), QChar(0x015F)).replace(QChar(0x021B), QChar(0x0163));
        expected.replace(QChar(0x0218), QChar(0x015E)).replace(QChar(0x021A), QChar(0x0162));
        expected.replace(QLatin1Char('\n'), QLatin1String("\r\n"));

        const QByteArray stored = continut(name);
        ASSERT_GT(stored.size(), 200);
        EXPECT_TRUE(stored.endsWith("\r\n"));
        EXPECT_EQ(tavo::text::fromCp1250(stored), expected);
    }
    EXPECT_TRUE(continut(QStringLiteral("nu_exista.txt")).isEmpty());
}

TEST(ReferenceTexts, StartUpWritesOnlyTheMissingTexts) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(tavo::text::writeSynced(folder.filePath("legi.txt"), "legile mele\r\n"));
    folder.mkdir(QStringLiteral("Versiuni.txt"));  // even a folder of that name stays

    EXPECT_TRUE(copyReferenceTexts(folder).isEmpty());
    EXPECT_EQ(tavo::readBytes(folder.filePath(QStringLiteral("legi.txt"))), "legile mele\r\n");
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("Versiuni.txt"))).isDir());
    EXPECT_EQ(tavo::readBytes(folder.filePath(QStringLiteral("instr.txt"))),
              continut(QStringLiteral("instr.txt")));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Sugestii.txt"))));
    EXPECT_TRUE(folder.entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());

    // A folder that cannot be written names every text it could not write.
    EXPECT_EQ(copyReferenceTexts(QDir(folder.filePath(QStringLiteral("lipseste")))), nume());
}

TEST(ReferenceTexts, SuggestionsComeFromTheFoldersModelOrElseTheShippedOne) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    EXPECT_EQ(prepareSuggestions(folder), QStringLiteral("Sugestii.txt"));
    EXPECT_EQ(tavo::readBytes(folder.filePath(QStringLiteral("Sugestii.txt"))),
              continut(QStringLiteral("Sugestii1.txt")));

    QTemporaryDir other;
    const QDir withModel(other.path());
    ASSERT_TRUE(tavo::text::writeSynced(withModel.filePath("sugestii1.TXT"),
                                        "model \x9a\r\nfara sfarsit de rand"));
    EXPECT_EQ(prepareSuggestions(withModel), QStringLiteral("Sugestii.txt"));
    EXPECT_EQ(tavo::readBytes(withModel.filePath(QStringLiteral("Sugestii.txt"))),
              "model \x9a\r\nfara sfarsit de rand");

    QString error;
    EXPECT_TRUE(
        prepareSuggestions(QDir(withModel.filePath(QStringLiteral("lipseste"))), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
