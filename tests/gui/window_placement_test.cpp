// Where the windows open: the rules over rectangles, and a window that keeps
// its place when hidden and shown again and from one run to the next.
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "gui/window_placement.h"
#include "gui/window_places.h"

using namespace tavo::gui;

namespace {

using MaybeRect = std::optional<QRect>;

const QRect kSmall(0, 0, 1024, 768);
// A second, larger screen on the right of the first.
const QRect kRight(1024, 0, 1280, 1024);
const QRect kWide(0, 0, 1920, 1080);

}  // namespace

Q_DECLARE_METATYPE(MaybeRect)

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void clamping_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("inside") << QRect(100, 100, 300, 200) << kSmall << QRect(100, 100, 300, 200);
        QTest::newRow("past the lower right corner")
            << QRect(900, 700, 300, 200) << kSmall << QRect(724, 568, 300, 200);
        QTest::newRow("past the upper left corner")
            << QRect(-50, -20, 300, 200) << kSmall << QRect(0, 0, 300, 200);
        QTest::newRow("larger than the screen")
            << QRect(10, 10, 1100, 900) << kSmall << QRect(0, 0, 1024, 768);
        QTest::newRow("second screen")
            << QRect(2200, 900, 300, 200) << kRight << QRect(2004, 824, 300, 200);
        QTest::newRow("under a panel at the top")
            << QRect(0, 0, 300, 200) << QRect(0, 30, 1920, 1050) << QRect(0, 30, 300, 200);
    }
    void clamping() {
        QFETCH(QRect, rect);
        QFETCH(QRect, screen);
        QFETCH(QRect, expected);
        QCOMPARE(tavo::gui::clampedTo(rect, screen), expected);
    }

    void centring() {
        // As much room on the left as on the right, above as below.
        QCOMPARE(tavo::gui::centredOver(QSize(300, 200), kSmall), QRect(362, 284, 300, 200));
        QCOMPARE(tavo::gui::centredOver(QSize(300, 200), QRect(1024, 0, 1280, 1024)),
                 QRect(1514, 412, 300, 200));
    }

    void titleBar_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("covers");
        QTest::newRow("on the client area's top row") << QRect(200, 80, 300, 200) << false;
        QTest::newRow("over the close box") << QRect(850, 60, 300, 200) << true;
        QTest::newRow("beside the frame") << QRect(900, 0, 100, 100) << false;
        QTest::newRow("ending just above the frame") << QRect(100, 0, 300, 50) << false;
        QTest::newRow("ending on the frame's top row") << QRect(100, 0, 300, 51) << true;
    }
    void titleBar() {
        QFETCH(QRect, rect);
        QFETCH(bool, covers);
        QCOMPARE(tavo::gui::coversTitleBar(rect, QRect(100, 50, 800, 600), 80), covers);
    }

    void besideTheOwner_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("ownerFrame");
        QTest::addColumn<int>("clientTop");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        const QSize assistant(400, 300);
        QTest::newRow("room on the right")
            << assistant << QRect(0, 0, 800, 600) << 25 << kWide << QRect(800, 0, 400, 300);
        QTest::newRow("room on the left only")
            << assistant << QRect(1000, 100, 800, 600) << 125 << kWide << QRect(600, 100, 400, 300);
        QTest::newRow("beside, lifted to stay on the screen")
            << assistant << QRect(0, 900, 800, 180) << 925 << kWide << QRect(800, 780, 400, 300);
        QTest::newRow("no room beside: over, centred") << QSize(500, 400) << QRect(0, 0, 1024, 740)
                                                       << 25 << kSmall << QRect(262, 183, 500, 400);
        QTest::newRow("no room beside, short owner: below its title bar")
            << QSize(500, 400) << QRect(12, 0, 1000, 200) << 30 << kSmall
            << QRect(262, 30, 500, 400);
        QTest::newRow("taller than the room below the title bar: cut")
            << QSize(500, 700) << QRect(0, 100, 1024, 668) << 130 << kSmall
            << QRect(262, 130, 500, 638);
        QTest::newRow("taller than the screen: never beside")
            << QSize(300, 1200) << QRect(0, 0, 800, 600) << 25 << kWide
            << QRect(250, 25, 300, 1055);
    }
    void besideTheOwner() {
        QFETCH(QSize, size);
        QFETCH(QRect, ownerFrame);
        QFETCH(int, clientTop);
        QFETCH(QRect, screen);
        QFETCH(QRect, expected);
        const QRect place = tavo::gui::besideOwner(size, ownerFrame, clientTop, screen);
        QCOMPARE(place, expected);
        QVERIFY(screen.contains(place));
        QVERIFY(!tavo::gui::coversTitleBar(place, ownerFrame, clientTop));
    }

    void remembered_data() {
        QTest::addColumn<QRect>("remembered");
        QTest::addColumn<MaybeRect>("expected");
        QTest::newRow("on the first screen")
            << QRect(100, 100, 400, 300) << MaybeRect(QRect(100, 100, 400, 300));
        QTest::newRow("partly past the second screen's edge")
            << QRect(2100, 100, 400, 300) << MaybeRect(QRect(1904, 100, 400, 300));
        QTest::newRow("mostly on the second screen")
            << QRect(900, 100, 400, 300) << MaybeRect(QRect(1024, 100, 400, 300));
        QTest::newRow("mostly on the first screen")
            << QRect(700, 100, 400, 300) << MaybeRect(QRect(624, 100, 400, 300));
        QTest::newRow("larger than its screen")
            << QRect(0, 0, 2000, 900) << MaybeRect(QRect(1024, 0, 1280, 900));
        QTest::newRow("on a screen since unplugged") << QRect(2400, 100, 400, 300) << MaybeRect();
        QTest::newRow("above every screen") << QRect(100, -500, 400, 300) << MaybeRect();
        QTest::newRow("below the smaller screen only") << QRect(100, 800, 400, 300) << MaybeRect();
        QTest::newRow("nothing remembered") << QRect() << MaybeRect();
    }
    void remembered() {
        QFETCH(QRect, remembered);
        QFETCH(MaybeRect, expected);
        QCOMPARE(tavo::gui::rememberedPlace(remembered, {kSmall, kRight}), expected);
    }

    void aWindowKeepsItsPlaceWhenHiddenAndBetweenRuns() {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QVERIFY(QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo"))
                    .fileName()
                    .startsWith(home.path()));
        rememberWindowPlacesBetweenRuns();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

        QWidget main;
        keepWindowPlace(main, QStringLiteral("windows/main"), WindowRole::Main);
        main.resize(300, 200);
        main.show();
        QCOMPARE(main.geometry(),
                 tavo::gui::clampedTo(tavo::gui::centredOver({300, 200}, screen), screen));
        main.setGeometry(40, 50, 320, 210);
        main.hide();
        // Shown again, it is where it was, wherever the window manager would put it.
        main.move(400, 300);
        main.show();
        QCOMPARE(main.geometry(), QRect(40, 50, 320, 210));
        main.hide();

        // The next run: a new window under the same name opens where the last one was.
        QWidget again;
        keepWindowPlace(again, QStringLiteral("windows/main"), WindowRole::Main);
        again.show();
        QCOMPARE(again.geometry(), QRect(40, 50, 320, 210));
        again.hide();

        // A window that belongs to it and has no place yet opens over it.
        QWidget owned;
        keepWindowPlace(owned, QStringLiteral("windows/owned"), WindowRole::OverOwner, &again);
        owned.resize(100, 60);
        again.show();
        owned.show();
        QCOMPARE(owned.geometry(), QRect(150, 125, 100, 60));
        rememberWindowPlacesBetweenRuns(false);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
