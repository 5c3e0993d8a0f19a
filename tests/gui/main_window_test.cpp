// The main window offscreen: the stored documents it lists and its focus
// rules; and a copy started again on the same working folder ringing the
// running copy, which brings its window forward: the one the user was in,
// over other programs.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
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

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The list, its count, the next free number; Enter and leaving NrO; search; summary.
    void showsTheStoredDocumentsAndFollowsTheFocusRules() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({"1,45,1,A,1,A,,,B,1,RO,,,O,15/01/2023,,,,,OP",
                            "2,46,1,A,1,A,,,B,1,RO,,,O,16/01/2023,,,,,FV",
                            "3,47,1,A,1,A,,,B,1,RO,,,O,17/01/2023,,,,,OP"}));
        gui::IntrodView& view = desk.windows.introdView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QStringList& shown = desk.shown;
        ScriptedUi& ui = desk.ui;

        auto* nrO = view.findChild<QLineEdit*>("NrO");
        auto* ordine = view.findChild<QComboBox*>("Ordine");
        auto* label3 = view.findChild<QLabel*>("Label3");
        auto* option2 = view.findChild<QRadioButton*>("Option2");
        auto* start = view.findChild<QPushButton*>("B_start");
        auto* sterg = view.findChild<QPushButton*>("B_sterg");
        QVERIFY(nrO && ordine && label3 && option2 && start && sterg);
        QCOMPARE(ordine->count(), 3);
        QCOMPARE(ordine->itemText(1), QStringLiteral("    2,46,FV"));
        QCOMPARE(ordine->currentIndex(), -1);
        QCOMPARE(label3->text(), QStringLiteral("(s-au incarcat 3 OP/FV-uri)"));
        QCOMPARE(nrO->text(), QStringLiteral("4"));

        // Typing 2 and pressing Enter runs the leave rules: document 2 is an FV.
        nrO->setFocus();
        QTRY_VERIFY(nrO->hasFocus());
        nrO->selectAll();
        QTest::keyClicks(nrO, "2");
        QTest::keyClick(nrO, Qt::Key_Return);
        QVERIFY(!nrO->hasFocus());
        QCOMPARE(nrO->text(), QStringLiteral("2"));
        QVERIFY(option2->isChecked());

        // A number beyond the documents becomes the next free one when the field is left.
        nrO->setFocus();
        QTRY_VERIFY(nrO->hasFocus());
        nrO->selectAll();
        QTest::keyClicks(nrO, "9");
        sterg->setFocus();
        QCOMPARE(nrO->text(), QStringLiteral("4"));
        QVERIFY(shown.isEmpty());

        // The search narrows the list as it is typed; the document found is
        // chosen as in the whole list; emptied, the list is whole again.
        auto* cauta = view.findChild<QLineEdit*>("Cauta");
        QVERIFY(cauta);
        QTest::keyClicks(cauta, "fv");
        QCOMPARE(ordine->count(), 1);
        QCOMPARE(ordine->itemText(0), QStringLiteral("    2,46,FV"));
        emit ordine->activated(0);
        QCOMPARE(nrO->text(), QStringLiteral("2"));
        cauta->clear();
        QCOMPARE(ordine->count(), 3);

        // The summary's button writes Borderou.txt and opens it.
        ui.queueAnswer("1");
        ui.queueAnswer("15/01/2023-17/01/2023");
        ui.queueAnswer("1");
        view.findChild<QPushButton*>("Command6")->click();
        QVERIFY(!ui.hasQueuedAnswers());
        QVERIFY(QFile::exists(desk.folder.filePath("Borderou.txt")));
        QCOMPARE(shown.last(), QStringLiteral("OPEN Borderou.txt"));
    }

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

    // Tab goes through the window as it reads: the documents, the reports,
    // the texts, then the deletion standing apart.
    void tabFollowsTheReadingOrder() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({}));
        QStringList order;
        QWidget* start = desk.windows.introdView().findChild<QWidget*>("NrO");
        for (QWidget* w = start; order.size() < 40; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty() &&
                !w->objectName().startsWith(QLatin1String("qt_")))
                order.append(w->objectName());
            if (w->nextInFocusChain() == start)
                break;
        }
        QCOMPARE(
            order.join(' '),
            QStringLiteral("NrO Option1 Option2 B_start Command1 Ordine Cauta B_list_CB B_list "
                           "B_OPuri Command2 Command6 Command10 Command4 B_agentii Command3 "
                           "Command5 Command7 Command9 Command8 B_sterg"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
