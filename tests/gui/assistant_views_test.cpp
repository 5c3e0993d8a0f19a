// The windows the entry window opens, offscreen: the beneficiary assistant
// and the calendar, each writing into the entry window's fields.
#include <QCalendarWidget>
#include <QComboBox>
#include <QRegularExpression>
#include <QTableView>

#include "gui/list_combo.h"
#include "gui_fixture.h"

using namespace tavo;
using namespace tavo::testing;

namespace {

// Types into a list as a user does: the list goes to the first row with the letters.
void typeInto(QComboBox* list, const QString& letters) {
    focusField(list);
    QTest::keyClicks(list, letters);
}

// Clicks the day of the month shown, in the calendar's grid of days.
void clickDay(QCalendarWidget* calendar, int day) {
    auto* grid = calendar->findChild<QTableView*>();
    QAbstractItemModel* days = grid->model();
    for (int row = 1; row < days->rowCount(); ++row) {
        for (int column = 0; column < days->columnCount(); ++column) {
            const QModelIndex cell = days->index(row, column);
            if (cell.data().toInt() == day) {
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(cell).center());
                return;
            }
        }
    }
    QFAIL("no such day in the calendar");
}

}  // namespace

class AssistantViewsTest : public QObject {
    Q_OBJECT

  private slots:
    // Typed letters go to the first row holding them, searched from the row
    // shown (the first row when none is); a pause longer than the keyboard's
    // interval starts a new text.
    void longListsFollowTheLettersTyped() {
        QApplication::setKeyboardInputInterval(500);
        QWidget window;
        gui::ListCombo list(QStringLiteral("list"), &window);
        list.setRows({"ALBA", "BRASOV", "BRAILA", "CLUJ"}, -1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const struct {
            bool pauseFirst;
            const char* letters;
            int row;
        } steps[] = {
            {true, "a", 0}, {false, "x", 0}, {true, "bra", 1}, {false, "i", 2},
            {true, "c", 3}, {false, "l", 3}, {true, "a", 0},   {true, "ras", 1},
        };
        for (const auto& step : steps) {
            if (step.pauseFirst)
                QTest::qWait(600);
            typeInto(&list, QLatin1String(step.letters));
            QCOMPARE(list.currentIndex(), step.row);
        }
        const struct {
            const char* typed;
            int from, row;
        } found[] = {{"a", -1, 0},  {"bra", 1, 1}, {"bra", 2, 2},
                     {"bra", 3, 1}, {"ov", 0, 1},  {"zz", 0, -1}};
        for (const auto& f : found) QCOMPARE(list.findTyped(QLatin1String(f.typed), f.from), f.row);
    }

    void fillTheEntryWindowAndHide() {
        WorkingFolder desk;
        Program& program = desk.program;
        gui::Windows& windows = desk.windows;
        program.incarc().todayForTests = [] { return QDate(2023, 3, 15); };
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = windows.incarcView();

        // Way 1 of the assistant: a unit and an obligation, found by typing
        // part of their names, make the beneficiary IBAN.
        QTest::mouseClick(entry.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        gui::FormIbanView& assistant = windows.formIbanView();
        QVERIFY(assistant.isVisible());
        QVERIFY(assistant.isWindow());
        QVERIFY(QTest::qWaitForWindowActive(&assistant));
        auto* units = assistant.findChild<QComboBox*>("Benef1");
        auto* obligations = assistant.findChild<QComboBox*>("oblig1");
        QVERIFY(units->isVisible() && obligations->isVisible());
        QVERIFY(!assistant.findChild<QLineEdit*>("codIBAN")->isVisible());
        typeInto(units, QStringLiteral("bucuresti"));
        QVERIFY(units->currentText().startsWith(QStringLiteral("TREZ700--")));
        QVERIFY(program.formIban().Benef1().selectedRow().startsWith(QStringLiteral("TREZ700--")));
        typeInto(obligations, QStringLiteral("tva - decont"));
        QCOMPARE(program.formIban().oblig1().selected(), 48);
        QCOMPARE(obligations->currentIndex(), 48);
        QVERIFY(!desk.shown.join('\n').contains(QStringLiteral("MSG")));

        QTest::mouseClick(assistant.findChild<QPushButton*>("Command5"), Qt::LeftButton);
        QVERIFY(!assistant.isVisible());
        QVERIFY(entry.isVisible());
        const QString iban = textOf(field(entry, 9));
        QVERIFY2(QRegularExpression(QStringLiteral("^RO\\d\\dTREZ70020A100101XTVA$"))
                     .match(iban)
                     .hasMatch(),
                 qPrintable(iban));
        QCOMPARE(program.incarc().d1[9], iban);
        QCOMPARE(textOf(field(entry, 12)), QStringLiteral("TVA - decont lunar/trim./sem./anual"));

        // The calendar: a day clicked becomes the issue date, and "Iesire" has the focus.
        QTest::mouseClick(entry.findChild<QPushButton*>("B_cal"), Qt::LeftButton);
        gui::Form2View& calendarView = windows.form2View();
        QVERIFY(calendarView.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&calendarView));
        auto* calendar = calendarView.findChild<QCalendarWidget*>("Calendar1");
        QCOMPARE(calendar->selectedDate(), QDate(2023, 3, 15));
        clickDay(calendar, 20);
        QVERIFY(!calendarView.isVisible());
        QCOMPARE(textOf(field(entry, 13)), QStringLiteral("20/03/2023"));
        QCOMPARE(program.state.camp_calendar, 0);
        QCOMPARE(entry.focusWidget(), entry.findChild<QPushButton*>("but_exit"));

        // Leaving the entry window takes its open windows with it.
        QTest::mouseClick(entry.findChild<QPushButton*>("Command6"), Qt::LeftButton);
        QVERIFY(windows.formNrevidView().isVisible());
        desk.ui.queueAnswer(QStringLiteral("no"));
        QVERIFY(entry.close());
        QVERIFY(!windows.formNrevidView().isVisible());
        QVERIFY(windows.introdView().isVisible());
        QVERIFY(!desk.ui.hasQueuedAnswers());
    }
};

QTEST_MAIN(AssistantViewsTest)
#include "assistant_views_test.moc"
