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

// A window that needs at least 500 x 400 to show what it holds.
class RoomyWindow : public QWidget {
  public:
    QSize minimumSizeHint() const override { return {500, 400}; }
};

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    // A window partly off its screen is moved (and cut) to lie on it.
    void clamping() {
        const struct {
            const char* name;
            QRect rect, screen, expected;
        } rows[] = {
            {"inside", {100, 100, 300, 200}, kSmall, {100, 100, 300, 200}},
            {"past the lower right corner", {900, 700, 300, 200}, kSmall, {724, 568, 300, 200}},
            {"past the upper left corner", {-50, -20, 300, 200}, kSmall, {0, 0, 300, 200}},
            {"larger than the screen", {10, 10, 1100, 900}, kSmall, {0, 0, 1024, 768}},
            {"second screen", {2200, 900, 300, 200}, kRight, {2004, 824, 300, 200}},
            {"under a panel at the top", {0, 0, 300, 200}, {0, 30, 1920, 1050}, {0, 30, 300, 200}},
        };
        for (const auto& row : rows)
            QVERIFY2(clampedTo(row.rect, row.screen) == row.expected, row.name);
    }

    void centring() {
        // As much room on the left as on the right, above as below.
        QCOMPARE(centredOver(QSize(300, 200), kSmall), QRect(362, 284, 300, 200));
        QCOMPARE(centredOver(QSize(300, 200), kRight), QRect(1514, 412, 300, 200));
    }

    void titleBar() {
        const struct {
            const char* name;
            QRect rect;
            bool covers;
        } rows[] = {
            {"on the client area's top row", {200, 80, 300, 200}, false},
            {"over the close box", {850, 60, 300, 200}, true},
            {"beside the frame", {900, 0, 100, 100}, false},
            {"ending just above the frame", {100, 0, 300, 50}, false},
            {"ending on the frame's top row", {100, 0, 300, 51}, true},
        };
        for (const auto& row : rows)
            QVERIFY2(coversTitleBar(row.rect, QRect(100, 50, 800, 600), 80) == row.covers,
                     row.name);
    }

    void besideTheOwner() {
        const QSize a(400, 300), b(500, 400), c(500, 700), d(300, 1200);
        const struct {
            const char* name;
            QSize size;
            QRect ownerFrame;
            int clientTop;
            QRect screen, expected;
        } rows[] = {
            {"on the right", a, {0, 0, 800, 600}, 25, kWide, {800, 0, 400, 300}},
            {"left only", a, {1000, 100, 800, 600}, 125, kWide, {600, 100, 400, 300}},
            {"lifted onto the screen", a, {0, 900, 800, 180}, 925, kWide, {800, 780, 400, 300}},
            {"no room: over, centred", b, {0, 0, 1024, 740}, 25, kSmall, {262, 183, 500, 400}},
            {"short owner: below title", b, {12, 0, 1000, 200}, 30, kSmall, {262, 30, 500, 400}},
            {"cut below the title", c, {0, 100, 1024, 668}, 130, kSmall, {262, 130, 500, 638}},
            {"taller than the screen", d, {0, 0, 800, 600}, 25, kWide, {250, 25, 300, 1055}},
        };
        for (const auto& row : rows) {
            const QRect place = besideOwner(row.size, row.ownerFrame, row.clientTop, row.screen);
            QVERIFY2(place == row.expected, row.name);
            QVERIFY2(row.screen.contains(place), row.name);
            QVERIFY2(!coversTitleBar(place, row.ownerFrame, row.clientTop), row.name);
        }
    }

    void remembered() {
        const struct {
            const char* name;
            QRect remembered;
            MaybeRect expected;
        } rows[] = {
            {"on the first screen", {100, 100, 400, 300}, QRect(100, 100, 400, 300)},
            {"partly past the second screen", {2100, 100, 400, 300}, QRect(1904, 100, 400, 300)},
            {"mostly on the second screen", {900, 100, 400, 300}, QRect(1024, 100, 400, 300)},
            {"mostly on the first screen", {700, 100, 400, 300}, QRect(624, 100, 400, 300)},
            {"larger than its screen", {0, 0, 2000, 900}, QRect(1024, 0, 1280, 900)},
            {"on a screen since unplugged", {2400, 100, 400, 300}, {}},
            {"above every screen", {100, -500, 400, 300}, {}},
            {"below the smaller screen only", {100, 800, 400, 300}, {}},
            {"nothing remembered", {}, {}},
        };
        for (const auto& row : rows)
            QVERIFY2(rememberedPlace(row.remembered, {kSmall, kRight}) == row.expected, row.name);
    }

    void aWindowKeepsItsPlaceWhenHiddenAndBetweenRuns() {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        rememberWindowPlacesBetweenRuns();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

        QWidget main;
        keepWindowPlace(main, QStringLiteral("windows/main"), WindowRole::Main);
        main.resize(300, 200);
        main.show();
        QCOMPARE(main.geometry(), clampedTo(centredOver({300, 200}, screen), screen));
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

    // A window opens no smaller than its content needs, whatever size it was
    // given or had in the last run; where it was, moved only to stay on the screen.
    void aWindowOpensAtLeastAsLargeAsItsContent() {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        rememberWindowPlacesBetweenRuns();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo"))
            .setValue(QStringLiteral("windows/roomy"), QRect(40, 50, 200, 100));
        RoomyWindow remembered;
        keepWindowPlace(remembered, QStringLiteral("windows/roomy"), WindowRole::Main);
        remembered.show();
        QCOMPARE(remembered.geometry(), clampedTo(QRect(40, 50, 500, 400), screen));

        RoomyWindow fresh;
        keepWindowPlace(fresh, QStringLiteral("windows/fresh"), WindowRole::Main);
        fresh.resize(200, 100);
        fresh.show();
        QCOMPARE(fresh.geometry(), clampedTo(centredOver({500, 400}, screen), screen));
        rememberWindowPlacesBetweenRuns(false);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
