#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/text_file.h"

using namespace tavo::text;

TEST(TextFile, ReplaceFileWritesTheWholeContentAndLeavesNoTemp) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(replaceFile(folder.filePath("a.txt"), folder.filePath("a.tmp"), "one\r\n"));
    ASSERT_TRUE(replaceFile(folder.filePath("a.txt"), folder.filePath("a.tmp"), "two\r\n"));
    QFile file(folder.filePath("a.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "two\r\n");
    EXPECT_FALSE(QFile::exists(folder.filePath("a.tmp")));
}

TEST(TextFile, AFailedRenameLeavesTheTargetAndRemovesTheTemp) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    // A folder with a file in it cannot be renamed over, not even by root.
    ASSERT_TRUE(folder.mkpath("a.txt/kept"));
    QString error;
    EXPECT_FALSE(replaceFile(folder.filePath("a.txt"), folder.filePath("a.tmp"), "new", &error));
    EXPECT_TRUE(error.startsWith(folder.filePath("a.txt") + ": ")) << error.toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath("a.txt/kept")));
    EXPECT_FALSE(QFile::exists(folder.filePath("a.tmp")));
}
