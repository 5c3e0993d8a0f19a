#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../helpers.h"
#include "text/text_file.h"

// A disk that fails fsync is made by standing in for the C library's fsync,
// which Linux alone lets a test do.
#ifdef Q_OS_LINUX
#include <sys/syscall.h>
#include <unistd.h>

using namespace tavo::text;

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

// A replacement that fails at the rename (a folder with a file in it cannot be
// renamed over, not even by root) or at the fsync leaves the target and no temp.
TEST(TextFile, AFailedReplaceLeavesTheTargetAndRemovesTheTemp) {
    for (const bool atSync : {false, true}) {
        SCOPED_TRACE(atSync ? "fsync" : "rename");
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString target = folder.filePath("a.txt"), temp = folder.filePath("a.tmp");
        ASSERT_TRUE(atSync ? replaceFile(target, temp, "old") : folder.mkpath("a.txt/kept"));
        QString error;
        failingFsync = atSync;
        const bool replaced = replaceFile(target, temp, "new", &error);
        failingFsync = false;
        EXPECT_FALSE(replaced);
        EXPECT_EQ(error, (atSync ? temp : target) + ": " +
                             QString::fromLocal8Bit(strerror(atSync ? EIO : EISDIR)));
        if (atSync)
            EXPECT_EQ(tavo::readBytes(target), "old");
        else
            EXPECT_TRUE(QFile::exists(folder.filePath("a.txt/kept")));
        EXPECT_FALSE(QFile::exists(temp));
    }
}
#endif
