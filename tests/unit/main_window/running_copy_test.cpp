#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "main_window/running_copy.h"

TEST(RunningCopy, OneCopyPerWorkingFolder) {
    QTemporaryDir first, second;
    tavo::RunningCopy a, b, c;
    ASSERT_TRUE(a.acquire(QDir(first.path())));
    EXPECT_FALSE(b.acquire(QDir(first.path())));
    EXPECT_TRUE(c.acquire(QDir(second.path())));
}

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
