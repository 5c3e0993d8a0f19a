#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../helpers.h"
#include "text/text_file.h"

using namespace tavo::text;

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

// fsync of this test binary: fails with EIO while `failingFsync` is set, as a
// disk that cannot keep the data does.
namespace {
bool failingFsync = false;
}
extern "C" int fsync(int fd) {
    if (failingFsync) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

TEST(TextFile, AFailedSyncLeavesTheTargetAndRemovesTheTemp) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(replaceFile(folder.filePath("a.txt"), folder.filePath("a.tmp"), "old"));
    QString error;
    failingFsync = true;
    const bool replaced =
        replaceFile(folder.filePath("a.txt"), folder.filePath("a.tmp"), "new", &error);
    failingFsync = false;
    EXPECT_FALSE(replaced);
    EXPECT_EQ(error, folder.filePath("a.tmp") + ": " + QString::fromLocal8Bit(strerror(EIO)));
    QFile file(folder.filePath("a.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
    EXPECT_FALSE(QFile::exists(folder.filePath("a.tmp")));
}
