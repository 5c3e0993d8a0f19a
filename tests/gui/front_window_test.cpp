// A copy started again on a working folder rings the running copy, which
// brings its window forward: the one the user was in, over other programs.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <cstring>
#include <functional>
#include <future>

#include "gui/front_window_request.h"
#include "gui_fixture.h"

using namespace tavo;
using gui::FrontWindowRequest;

namespace {

// Rings from another thread, as a second copy would, while this one answers.
bool ring(const QDir& folder, int timeoutMs = 2000) {
    auto answered =
        std::async(std::launch::async, [&] { return FrontWindowRequest::send(folder, timeoutMs); });
    while (answered.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    return answered.get();
}

// The socket file a killed copy leaves: bound once, no one listening on it.
void leaveDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    ::close(fd);
}

void click(QWidget& window, const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

}  // namespace

class FrontWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void bringsForwardTheWindowTheUserWasIn() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({}));
        const QDir& folder = desk.folder;
        gui::Windows& windows = desk.windows;
        FrontWindowRequest doorbell;
        QSignalSpy rung(&doorbell, &FrontWindowRequest::frontWindowRequested);
        connect(&doorbell, &FrontWindowRequest::frontWindowRequested, this,
                [&windows] { windows.bringToFront(); });
        QVERIFY(doorbell.listen(folder));
        QWidget otherProgram;
        otherProgram.show();
        QMessageBox box(QMessageBox::Question, "", "?", QMessageBox::Yes | QMessageBox::No,
                        &windows.formIbanView());

        gui::IntrodView& main = windows.introdView();
        gui::IncarcView& entry = windows.incarcView();
        const struct {
            const char* what;
            std::function<void()> open;
            QWidget* front;
            bool minimised;
        } rows[] = {
            {"the main window, minimised", [&] { main.activateWindow(); }, &main, true},
            {"the entry window, opened from it", [&] { click(main, "B_start"); }, &entry, false},
            {"the assistant, opened over the entry window", [&] { click(entry, "Command1"); },
             &windows.formIbanView(), false},
            {"a message box over the assistant", [&] { box.open(); }, &box, false},
        };
        for (const auto& row : rows) {
            row.open();
            QTRY_VERIFY2(QApplication::activeWindow() == row.front, row.what);
            otherProgram.activateWindow();
            QTRY_VERIFY2(QApplication::activeWindow() == &otherProgram, row.what);
            if (row.minimised)
                row.front->showMinimized();
            const qsizetype before = rung.count();
            QVERIFY2(ring(folder), row.what);
            QCOMPARE(rung.count(), before + 1);
            QTRY_VERIFY2(QApplication::activeWindow() == row.front, row.what);
            QVERIFY2(!row.front->isMinimized(), row.what);
        }
    }

    void ringsOnlyItsOwnFolderEvenOverADeadSocket() {
        QTemporaryDir dir, otherDir;
        const QDir folder(dir.path()), other(otherDir.path());
        leaveDeadSocket(FrontWindowRequest::serverName(folder));
        // No copy answers: the second copy gives up within its time.
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!FrontWindowRequest::send(folder, 300));
        QVERIFY(timer.elapsed() < 2000);

        FrontWindowRequest doorbell, otherDoorbell;
        QSignalSpy rung(&doorbell, &FrontWindowRequest::frontWindowRequested);
        QSignalSpy otherRung(&otherDoorbell, &FrontWindowRequest::frontWindowRequested);
        QVERIFY(doorbell.listen(folder));
        QVERIFY(otherDoorbell.listen(other));
        QVERIFY(ring(folder));
        // The same folder reached through a link is the same doorbell.
        const QString link = QDir(otherDir.path()).filePath("link");
        QVERIFY(QFile::link(dir.path(), link));
        QVERIFY(ring(QDir(link)));
        QCOMPARE(rung.count(), 2);
        QCOMPARE(otherRung.count(), 0);
    }
};

QTEST_MAIN(FrontWindowTest)
#include "front_window_test.moc"
