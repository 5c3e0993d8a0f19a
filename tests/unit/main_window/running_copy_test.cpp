#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "main_window/running_copy.h"

// The empty lock of a copy killed before it wrote its number, and a folder
// made read-only with chmod, are matters of the POSIX lock (QLockFile with a
// flock); the Windows lock holds no number and is let go by the system.
#ifdef Q_OS_UNIX
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TEST(RunningCopy, TakesOverALockLeftByACopyThatDied) {
    QTemporaryDir dir;
    QFile lock(QDir(dir.path()).filePath(tavo::RunningCopy::lockName));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // The lock file of a process that no longer runs (pid 999999999, this host).
    lock.write("999999999\ntavo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    tavo::RunningCopy copy;
    EXPECT_TRUE(copy.acquire(QDir(dir.path())));
}

#ifdef Q_OS_UNIX
TEST(RunningCopy, TakesOverAnEmptyLockButNotOneThatIsHeld) {
    QTemporaryDir dir;
    QFile lock(QDir(dir.path()).filePath(tavo::RunningCopy::lockName));
    // Empty: its copy was killed after creating it, before writing its number.
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // A copy taking the lock holds it while the file is still empty.
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    tavo::RunningCopy copy;
    EXPECT_FALSE(copy.acquire(QDir(dir.path())));
    lock.close();
    EXPECT_TRUE(copy.acquire(QDir(dir.path())));
}

TEST(RunningCopy, RunsInAFolderItMayNotWrite) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes in any folder";
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path());
    ASSERT_EQ(::chmod(path.constData(), 0555), 0);
    tavo::RunningCopy copy;
    EXPECT_TRUE(copy.acquire(QDir(dir.path())));
    ::chmod(path.constData(), 0755);
}
#endif
