// A second start on a folder where a copy runs: the desktop hands over, a
// command is refused.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "tavo_run.h"

namespace {

// Reads the standard error of `tavo` until it has a line holding `text`.
bool waitForError(QProcess& tavo, QByteArray& seen, const char* text) {
    const QDeadlineTimer deadline(30000);
    while (!seen.contains(text)) {
        if (deadline.hasExpired() || !tavo.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        seen += tavo.readAllStandardError();
    }
    return true;
}

}  // namespace

TEST(SecondCopy, TheDesktopHandsOverAndACommandIsRefused) {
    QTemporaryDir dir, runtime;
    // The socket of the first copy, killed at the end, goes with this folder.
    const QStringList environment{"XDG_RUNTIME_DIR=" + runtime.path()};
    QProcess first;
    first.setReadChannel(QProcess::StandardError);
    crash::start(first, dir.path(), {},
                 environment + QStringList{"QT_LOGGING_RULES=tavo.front-window.info=true"});
    QByteArray firstErr;
    ASSERT_TRUE(waitForError(first, firstErr, "listening on")) << firstErr.toStdString();

    const crash::Run desktop = crash::run(dir.path(), {}, {}, environment);
    EXPECT_EQ(desktop.exitCode, 0) << desktop.err.toStdString();
    EXPECT_TRUE(waitForError(first, firstErr, "front window requested")) << firstErr.toStdString();

    const crash::Run list = crash::run(dir.path(), {"list"}, {}, environment);
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_EQ(
        list.err,
        QStringLiteral("tavo: another copy of the program is working in %1\n").arg(dir.path()));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}
