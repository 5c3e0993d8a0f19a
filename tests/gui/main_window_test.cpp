// The main window offscreen, and a second copy on the same working folder
// ringing the running copy, which brings forward the window the user was in.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <cstring>
#include <functional>
#include <future>

#include "gui/front_window_request.h"
#include "gui/window_places.h"
#include "gui_fixture.h"

// A socket a killed copy leaves behind, and a folder reached through a
// symbolic link, are POSIX matters: on Windows the doorbell is a named pipe,
// gone with its process.
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
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
#endif

void click(QWidget& window, const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

// Whether `widget` is placed by a layout of its parent.
bool laidOut(QLayout* layout, const QWidget* widget) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || laidOut(item->layout(), widget))
            return true;
    }
    return false;
}

// What is wrong with how `window` shows what it holds: a size under its
// minimum, or a control outside it or smaller than it needs; empty when nothing.
QString cutOff(QWidget& window) {
    const QSize minimum = window.minimumSizeHint();
    if (window.width() < minimum.width() || window.height() < minimum.height())
        return QStringLiteral("window %1x%2 under %3x%4")
            .arg(window.width())
            .arg(window.height())
            .arg(minimum.width())
            .arg(minimum.height());
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&window))
            continue;
        const QString name = child->metaObject()->className() + (" " + child->objectName());
        if (!window.rect().contains(QRect(child->mapTo(&window, QPoint(0, 0)), child->size())))
            return name + " outside the window";
        if (!laidOut(child->parentWidget()->layout(), child))
            continue;
        QSize needed = child->minimumSizeHint().boundedTo(child->maximumSize());
        if (child->hasHeightForWidth())
            needed.setHeight(child->heightForWidth(child->width()));
        if (child->width() < needed.width() || child->height() < needed.height())
            return name + " smaller than it needs";
    }
    return {};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Enter and leaving NrO run its rules; the search narrows the list, whose
    // row 0 is then the document found; the summary's button writes Borderou.txt.
    void showsTheStoredDocumentsAndFollowsTheFocusRules() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({"1,45,1,A,1,A,,,B,1,RO,,,O,15/01/2023,,,,,OP",
                            "2,46,1,A,1,A,,,B,1,RO,,,O,16/01/2023,,,,,FV",
                            "3,47,1,A,1,A,,,B,1,RO,,,O,17/01/2023,,,,,OP"}));
        gui::IntrodView& view = desk.windows.introdView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* nrO = view.findChild<QLineEdit*>("NrO");
        auto* ordine = view.findChild<QComboBox*>("Ordine");
        QCOMPARE(ordine->count(), 3);
        QCOMPARE(ordine->itemText(1), QStringLiteral("    2,46,FV"));
        QCOMPARE(view.findChild<QLabel*>("Label3")->text(),
                 QStringLiteral("(s-au incarcat 3 OP/FV-uri)"));
        QCOMPARE(nrO->text(), QStringLiteral("4"));

        testing::typeOver(nrO, "2");
        QTest::keyClick(nrO, Qt::Key_Return);
        QVERIFY(!nrO->hasFocus());
        QVERIFY(view.findChild<QRadioButton*>("Option2")->isChecked());
        testing::typeOver(nrO, "9");
        view.findChild<QWidget*>("B_sterg")->setFocus();
        QCOMPARE(nrO->text(), QStringLiteral("4"));

        auto* cauta = view.findChild<QLineEdit*>("Cauta");
        QTest::keyClicks(cauta, "fv");
        QCOMPARE(ordine->count(), 1);
        emit ordine->activated(0);
        QCOMPARE(nrO->text(), QStringLiteral("2"));
        cauta->clear();
        QCOMPARE(ordine->count(), 3);

        QVERIFY(desk.shown.isEmpty());
        for (const char* answer : {"1", "15/01/2023-17/01/2023", "1"}) desk.ui.queueAnswer(answer);
        view.findChild<QPushButton*>("Command6")->click();
        QVERIFY(!desk.ui.hasQueuedAnswers());
        QVERIFY(QFile::exists(desk.folder.filePath("Borderou.txt")));
        QCOMPARE(desk.shown.last(), QStringLiteral("OPEN Borderou.txt"));
    }

    // "Model import" writes the model table once; "Import OP/FV" checks the
    // table chosen, opens its report and, on Da, the list shows the documents.
    void theImportButtonsBringATableIntoTheList() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({testing::kOrder}));
        gui::IntrodView& view = desk.windows.introdView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.findChild<QPushButton*>("B_model")->click();
        QCOMPARE(desk.shown.last(), QStringLiteral("OPEN model-import.csv"));
        view.findChild<QPushButton*>("B_model")->click();
        QVERIFY(
            desk.shown.last().startsWith("MSG exclamation||Fisierul 'model-import.csv' exista"));

        for (const char* answer : {"model-import.csv", "yes"}) desk.ui.queueAnswer(answer);
        view.findChild<QPushButton*>("B_import")->click();
        QVERIFY(!desk.ui.hasQueuedAnswers());
        QVERIFY(desk.shown.contains("OPEN import-raport.txt"));
        QCOMPARE(view.findChild<QComboBox*>("Ordine")->count(), 3);
        QCOMPARE(view.findChild<QLineEdit*>("NrO")->text(), QStringLiteral("4"));
        QCOMPARE(text::readLines(desk.folder.filePath("import-raport.txt")).value_or(QStringList()),
                 (QStringList{"ROW 2 OK 2", "ROW 3 OK 3", "IMPORT accepted 2, refused 0"}));
    }

    // "Export OP/FV" writes the stored documents of every payer and period
    // into the table named, for Excel when asked so.
    void theExportButtonWritesTheStoredDocuments() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({testing::kOrder, testing::kSlip}));
        gui::IntrodView& view = desk.windows.introdView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (const char* answer : {"", "", "plati.csv", "yes"}) desk.ui.queueAnswer(answer);
        view.findChild<QPushButton*>("B_export")->click();
        QVERIFY(!desk.ui.hasQueuedAnswers());
        QCOMPARE(desk.shown.last(),
                 QStringLiteral("MSG information||Au fost exportate 2 documente in 'plati.csv'."));
        QFile table(desk.folder.filePath("plati.csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QByteArray bytes = table.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFnr_ordine;nr_OP;suma;"));
        QCOMPARE(bytes.count("\r\n"), 3);
    }

    // Typing in "Caută" says how many documents it finds, beside it; Enter
    // or Down there opens the list it narrowed, whose row then opens.
    void theSearchSaysWhatItFoundAndOpensTheList() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({testing::kOrder, testing::kSlip}));
        gui::IntrodView& view = desk.windows.introdView();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* cauta = view.findChild<QLineEdit*>("Cauta");
        auto* count = view.findChild<QLabel*>("CautaNumar");
        auto* ordine = view.findChild<QComboBox*>("Ordine");
        QCOMPARE(count->text(), QString());
        QVERIFY(count->isVisible());
        QCOMPARE(count->parentWidget(), cauta->parentWidget());

        testing::focusField(cauta);
        QTest::keyClicks(cauta, "nicaieri");
        QCOMPARE(count->text(), QStringLiteral("niciun document"));
        QTest::keyClick(cauta, Qt::Key_Down);
        QVERIFY(!ordine->view()->isVisible());

        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter}) {
            testing::typeOver(cauta, "1.500,00");
            QCOMPARE(count->text(), QStringLiteral("1 din 2"));
            QTest::keyClick(cauta, key);
            QTRY_VERIFY(ordine->view()->isVisible());
            QCOMPARE(ordine->count(), 1);
            ordine->hidePopup();
            QTRY_VERIFY(!ordine->view()->isVisible());
        }
        // Beside the field, right of it, on its row.
        QVERIFY(count->x() >= cauta->x() + cauta->width());
        QVERIFY(count->geometry().intersects(QRect(0, cauta->y(), view.width(), cauta->height())));

        testing::typeOver(cauta, "beta");
        QCOMPARE(count->text(), QStringLiteral("1 din 2"));
        QTest::keyClick(cauta, Qt::Key_Down);
        QTRY_VERIFY(ordine->view()->isVisible());
        QTest::keyClick(ordine->view(), Qt::Key_Return);
        QTRY_VERIFY(!ordine->view()->isVisible());
        QCOMPARE(view.findChild<QLineEdit*>("NrO")->text(), QStringLiteral("2"));
        QVERIFY(view.findChild<QRadioButton*>("Option2")->isChecked());
        QCOMPARE(view.findChild<QLabel*>("Label3")->text(),
                 QStringLiteral("(s-au incarcat 2 OP/FV-uri)"));
    }

    // At its first showing the main window holds all of itself, with the
    // application's font and a larger one, and when the place remembered from
    // the last run is smaller; made narrower, it stays at its minimum.
    void showsAllOfItselfAtItsFirstShowing() {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        const QFont font = QApplication::font();
        const struct {
            const char* what;
            double fontScale;
            QRect remembered;
        } rows[] = {
            {"the application's font", 1, {}},
            {"a larger font", 1.5, {}},
            {"a much larger font", 2, {}},
            {"a smaller place remembered", 1, {40, 40, 300, 150}},
        };
        for (const auto& row : rows) {
            QFont scaled = font;
            scaled.setPointSizeF(font.pointSizeF() * row.fontScale);
            QApplication::setFont(scaled);
            gui::rememberWindowPlacesBetweenRuns(row.remembered.isValid());
            QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo"))
                .setValue("windows/introd", row.remembered);
            {
                testing::WorkingFolder desk;
                QVERIFY(desk.start({testing::kOrder, testing::kSlip}));
                gui::IntrodView& view = desk.windows.introdView();
                QVERIFY(QTest::qWaitForWindowExposed(&view));
                QCOMPARE(view.font().pointSizeF(), scaled.pointSizeF());
                QVERIFY2(cutOff(view).isEmpty(), qPrintable(row.what + (": " + cutOff(view))));
                view.resize(100, 100);
                QVERIFY2(cutOff(view).isEmpty(), qPrintable(row.what + (": " + cutOff(view))));
                view.hide();
            }
            gui::rememberWindowPlacesBetweenRuns(false);
        }
        QApplication::setFont(font);
    }

    void bringsForwardTheWindowTheUserWasIn() {
        testing::WorkingFolder desk;
        QVERIFY(desk.start({}));
        gui::Windows& windows = desk.windows;
        FrontWindowRequest doorbell;
        connect(&doorbell, &FrontWindowRequest::frontWindowRequested, this,
                [&windows] { windows.bringToFront(); });
        QVERIFY(doorbell.listen(desk.folder));
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
            QVERIFY2(ring(desk.folder), row.what);
            QTRY_VERIFY2(QApplication::activeWindow() == row.front, row.what);
            QVERIFY2(!row.front->isMinimized(), row.what);
        }
    }

#ifdef Q_OS_UNIX
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
#endif

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
        QCOMPARE(order.join(' '),
                 QStringLiteral(
                     "NrO Option1 Option2 B_start Command1 Ordine Cauta B_list_CB B_list "
                     "B_OPuri Command2 Command6 Command10 Command4 B_agentii B_import B_model B_export "
                     "Command3 "
                     "Command5 Command7 Command9 Command8 B_sterg"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
