// The entry window opened offscreen from the main window, and the windows it
// opens: the beneficiary assistant and the calendar, writing into its fields.
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <map>

#include "gui/list_combo.h"
#include "gui/romanian.h"
#include "gui_fixture.h"
#include "printing/shipped_fonts.h"

using namespace tavo;
using namespace tavo::testing;

namespace {

// The colour a field shows in its corner, away from the text.
QColor colourOf(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->width() - 2, widget->height() - 2);
}

// Selects the field's text and pastes `text` over it with Ctrl+V.
void pasteInto(QLineEdit* edit, const QString& text) {
    focusField(edit);
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keySequence(edit, QKeySequence::Paste);
}

// Types into a list as a user does: the list goes to the first row with the letters.
void typeInto(QComboBox* list, const QString& letters) {
    focusField(list);
    QTest::keyClicks(list, letters);
}

}  // namespace

class IncarcViewTest : public QObject {
    Q_OBJECT

  private slots:
    // The zoom kept between runs goes to a test folder, never the user's.
    void initTestCase() {
        // The faces of the Windows folder, where the tests run beside them.
        printing::loadShippedFonts();
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo"))
            .remove(QStringLiteral("entry/zoom"));
    }

    void typesIntoTheFormAndSavesOnClose() {
        WorkingFolder desk;
        QVERIFY(desk.start({kOrder, kSlip}) && desk.open("1"));
        gui::IncarcView& entry = desk.windows.incarcView();
        Incarc& model = desk.program.incarc();
        QVERIFY(!desk.windows.introdView().isVisible());
        const std::pair<int, QString> loaded[] = {
            {0, "45"}, {2, "ALFA SRL"}, {9, "RO61TREZ1315069XXX000000"}, {13, "15/01/2023"}};
        for (const auto& [k, text] : loaded) QCOMPARE(textOf(field(entry, k)), text);
        QVERIFY(field(entry, 5)->isVisible());
        QVERIFY(!field(entry, 16)->isVisible());

        // Typing stops at the limit; a longer text put by the program is shown whole.
        const std::tuple<int, QString, QString> typed[] = {{0, "123456789012345", "1234567890"},
                                                           {2, QString(40, 'A'), QString(30, 'A')}};
        for (const auto& [k, keys, expected] : typed) {
            typeOver(field(entry, k), keys);
            QCOMPARE(textOf(field(entry, k)), expected);
            QCOMPARE(model.d1[size_t(k)], expected);
        }
        model.d1[D1::nr_evidenta] = QString(30, '2');
        entry.refresh();
        QCOMPARE(textOf(field(entry, 11)), QString(30, '2'));
        model.d1[D1::nr_evidenta].clear();
        entry.refresh();

        // The field being typed in is white, the others light yellow.
        focusField(field(entry, 4));
        QCOMPARE(model.focus, QStringLiteral("d1(4)"));
        QCOMPARE(colourOf(field(entry, 4)), QColor(Qt::white));
        for (int k : {0, 2, 3}) QCOMPARE(colourOf(field(entry, k)), QColor(255, 255, 192));

        auto* payerIban = qobject_cast<QLineEdit*>(field(entry, 5));
        payerIban->setCursorPosition(0);
        // Enter never breaks a line: it moves on, to the payer IBAN of a payment order.
        QTest::keyClick(field(entry, 4), Qt::Key_Return);
        QTRY_VERIFY(field(entry, 5)->hasFocus());
        QCOMPARE(model.focus, QStringLiteral("d1(5)"));
        QTRY_COMPARE(payerIban->cursorPosition(), 24);
        QVERIFY(!payerIban->hasSelectedText());
        QCOMPARE(textOf(field(entry, 4)), QStringLiteral("STR. MARE 1 BRASOV"));

        // A click into the beneficiary IBAN starts a new beneficiary section.
        QTest::mouseClick(field(entry, 9), Qt::LeftButton);
        QTRY_VERIFY(field(entry, 9)->hasFocus());
        QCOMPARE(textOf(field(entry, 7)), QString());
        QCOMPARE(model.d1[D1::beneficiar], QString());

        // "Salvati ?" called off, from "Iesire" clicked and from the close box:
        // the form stays, nothing written, the focus back in the field it was in.
        const auto storedLines = [&desk] {
            return text::readLines(desk.folder.filePath("ordine.txt")).value();
        };
        const QStringList stored = storedLines();
        for (const bool closeBox : {false, true}) {
            desk.ui.queueAnswer(QStringLiteral("cancel"));
            if (closeBox)
                QVERIFY(!entry.close());
            else
                QTest::mouseClick(entry.findChild<QPushButton*>("but_exit"), Qt::LeftButton);
            QCOMPARE(desk.shown.last(), QStringLiteral("ASK yesnocancel||Salvati ? -> cancel"));
            QVERIFY(entry.isVisible());
            QTRY_VERIFY(field(entry, 9)->hasFocus());
            QCOMPARE(model.focus, QStringLiteral("d1(9)"));
            QCOMPARE(storedLines(), stored);
        }

        // The close box asks to save the edited document, then the main window is back.
        desk.ui.queueAnswer(QStringLiteral("yes"));
        QVERIFY(entry.close());
        QVERIFY(desk.shown.contains(QStringLiteral("ASK yesnocancel||Salvati ? -> yes")));
        QVERIFY(!entry.isVisible());
        QVERIFY(desk.windows.introdView().isVisible());
        const QStringList lines = text::readLines(desk.folder.filePath("ordine.txt")).value();
        QCOMPARE(lines.size(), 2);
        const QStringList saved = lines[0].split(',');
        QCOMPARE(saved[1], QStringLiteral("1234567890"));
        QCOMPARE(saved[3], QString(30, 'A'));
        QCOMPARE(saved[8], QString());  // the beneficiary emptied by the click
        QCOMPARE(lines[1], kSlip);
    }

    // A deposit slip has no payer IBAN: Enter in the address goes to the
    // beneficiary. Enter in the date of the document goes to "Iesire", which Enter presses.
    void enterMovesOnInADepositSlip() {
        WorkingFolder desk;
        QVERIFY(desk.start({kOrder, kSlip}) && desk.open("2"));
        gui::IncarcView& entry = desk.windows.incarcView();
        QTRY_VERIFY(field(entry, 0)->hasFocus());
        QVERIFY(!field(entry, 5)->isVisible());
        focusField(field(entry, 4));
        QTest::keyClick(field(entry, 4), Qt::Key_Enter);
        QTRY_VERIFY(field(entry, 7)->hasFocus());
        focusField(field(entry, 13));
        QTest::keyClick(field(entry, 13), Qt::Key_Return);
        auto* exit = entry.findChild<QPushButton*>("but_exit");
        QTRY_VERIFY(exit->hasFocus());
        desk.ui.queueAnswer(QStringLiteral("no"));
        QTest::keyClick(exit, Qt::Key_Return);
        QVERIFY(!entry.isVisible());
        QVERIFY(desk.windows.introdView().isVisible());
        QVERIFY(!desk.ui.hasQueuedAnswers());
    }

    // An IBAN copied from a statement, in groups with a no-break space, is
    // pasted whole into each IBAN field and passes the checks when left.
    void pastesAGroupedIbanWhole() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        const QString noBreak(QChar(0x00A0));
        const struct {
            int k;
            QString pasted, iban;
            int bicLabel;
        } pastes[] = {
            {5, "RO46 RNCB" + noBreak + "0089 0000 0000 0001", "RO46RNCB0089000000000001", 2},
            {9, " RO21" + noBreak + "TREZ 1312 0A01 0101 XXXX ", "RO21TREZ13120A010101XXXX", 4},
        };
        for (const auto& p : pastes) {
            auto* edit = qobject_cast<QLineEdit*>(field(entry, p.k));
            pasteInto(edit, p.pasted);
            QCOMPARE(edit->text(), p.iban);
            QCOMPARE(edit->cursorPosition(), 24);
            focusField(field(entry, 0));
            QCOMPARE(desk.program.incarc().d1[size_t(p.k)], p.iban);
            QVERIFY(!desk.program.incarc().b1[size_t(p.bicLabel)].isEmpty());
        }

        QTest::mouseClick(entry.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        gui::FormIbanView& assistant = desk.windows.formIbanView();
        QVERIFY(QTest::qWaitForWindowActive(&assistant));
        QTest::mouseClick(assistant.findChild<QWidget*>("Option2"), Qt::LeftButton);
        auto* codIBAN = assistant.findChild<QLineEdit*>("codIBAN");
        QVERIFY(codIBAN->isVisible());
        pasteInto(codIBAN, "RO21" + noBreak + "TREZ" + noBreak + "1312 0A01 0101 XXXX");
        focusField(assistant.findChild<QLineEdit*>("nrEVID"));
        QCOMPARE(desk.program.formIban().codIBAN, QStringLiteral("RO21TREZ13120A010101XXXX"));
        QCOMPARE(codIBAN->text(), desk.program.formIban().codIBAN);
        QCOMPARE(desk.shown, QStringList());
    }

    // The focus going to another window leaves the field being typed in
    // unchecked (the user may be copying from there); coming back and leaving
    // it checks it.
    void anotherWindowLeavesTheFieldUnchecked() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        const Incarc& model = desk.program.incarc();
        const QString wrong = QStringLiteral("RO00RNCB0089000000000001");
        typeOver(field(entry, 5), wrong);

        QWidget other;
        auto* line = new QLineEdit(&other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        line->setFocus();
        QTRY_VERIFY(line->hasFocus());
        QCOMPARE(model.focus, QStringLiteral("d1(5)"));
        QCOMPARE(model.d1[D1::IBAN_platitor], wrong);
        QCOMPARE(desk.shown, QStringList());

        entry.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        focusField(field(entry, 0));
        QCOMPARE(model.focus, QStringLiteral("d1(0)"));
        QCOMPARE(model.d1[D1::IBAN_platitor], QString());
        QCOMPARE(desk.shown.size(), 1);
    }

    // A field that the checks empty says why in the status line, until it is
    // typed in again. Ctrl+Z, or "Anulare" of the field's menu, brings back
    // what was typed, all of it selected; leaving it checks it again.
    void bringsBackWhatACheckEmptied() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        const Incarc& model = desk.program.incarc();
        gui::RomanianQtTexts romanian;
        QCoreApplication::installTranslator(&romanian);
        auto* hint = entry.findChild<QLabel*>("hint");
        auto* amount = qobject_cast<QLineEdit*>(field(entry, 1));
        const auto leave = [&] { focusField(field(entry, 0)); };
        // The field's menu, and its "Anulare".
        const auto undoOfMenu = [&]() -> QAction* {
            focusField(amount);
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    amount->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(amount, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu ? menu->actions().value(0) : nullptr;
        };
        const QString amountHint = QStringLiteral("Suma: scrieti 1500 sau 1500,50");
        QCOMPARE(hint->text(), QString());
        typeOver(amount, QStringLiteral("15OO"));
        leave();
        QCOMPARE(amount->text(), QString());
        QCOMPARE(hint->text(), amountHint);
        // Another field typed in and left keeps the hint.
        typeOver(field(entry, 0), QStringLiteral("46"));
        focusField(field(entry, 2));
        QCOMPARE(hint->text(), amountHint);

        focusField(amount);
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(amount->text(), QStringLiteral("15OO"));
        QCOMPARE(amount->selectedText(), QStringLiteral("15OO"));
        QCOMPARE(model.d1[D1::suma], QStringLiteral("15OO"));
        leave();
        QCOMPARE(amount->text(), QString());

        QAction* undo = undoOfMenu();
        QVERIFY(undo);
        QCOMPARE(undo->text().section('\t', 0, 0), QStringLiteral("&Anulare"));
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QApplication::activePopupWidget()->close();
        QCOMPARE(amount->selectedText(), QStringLiteral("15OO"));
        QCOMPARE(hint->text(), amountHint);

        // Typing over it corrects it: the hint goes, and a right amount
        // leaves nothing to bring back.
        QTest::keyClicks(amount, QStringLiteral("1500,5"));
        QCOMPARE(hint->text(), QString());
        leave();
        QCOMPARE(amount->text(), QStringLiteral("1500.50"));
        undo = undoOfMenu();
        QVERIFY(undo && !undo->isEnabled());
        QApplication::activePopupWidget()->close();
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(amount->text(), QStringLiteral("1500.50"));
        QCoreApplication::removeTranslator(&romanian);
        QCOMPARE(desk.shown, QStringList());
    }

    // The keys and Ctrl with the wheel zoom the whole form by steps; the field
    // being typed in keeps the focus and the caret; the horizontal bar reaches
    // the right edge at every zoom, in twips; the zoom is kept for next time.
    void zoomsTheWholeForm() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        QCOMPARE(entry.zoom(), 100);
        auto* picture = entry.findChild<QWidget*>("Frame8");
        auto* iban = qobject_cast<QLineEdit*>(field(entry, 5));
        const QSize picture100 = picture->size();
        const QRect iban100 = iban->geometry();
        const int font100 = iban->font().pixelSize();
        focusField(iban);
        iban->setCursorPosition(4);
        const auto ctrl = Qt::ControlModifier;
        const auto pad = ctrl | Qt::KeypadModifier;
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int zoom;
        } steps[] = {
            {Qt::Key_Plus, ctrl, 110},  {Qt::Key_Equal, ctrl, 125}, {Qt::Key_Plus, pad, 150},
            {Qt::Key_Minus, ctrl, 125}, {Qt::Key_0, ctrl, 100},     {Qt::Key_Minus, ctrl, 90},
            {Qt::Key_Minus, ctrl, 75},  {Qt::Key_Minus, ctrl, 75},  {Qt::Key_Plus, ctrl, 90},
            {Qt::Key_Plus, ctrl, 100},  {Qt::Key_Plus, ctrl, 110},  {Qt::Key_Plus, ctrl, 125},
            {Qt::Key_Plus, ctrl, 150},  {Qt::Key_Plus, ctrl, 175},  {Qt::Key_Plus, ctrl, 200},
            {Qt::Key_Plus, ctrl, 200}};
        auto* bar = entry.findChild<QScrollBar*>("HScroll1");
        auto* area = picture->parentWidget();
        const Incarc& model = desk.program.incarc();
        for (const auto& step : steps) {
            QTest::keyClick(iban, step.key, step.modifiers);
            QCOMPARE(entry.zoom(), step.zoom);
            const double scale = step.zoom / 100.0;
            QVERIFY(qAbs(picture->width() - picture100.width() * scale) <= 1);
            QVERIFY(qAbs(picture->height() - picture100.height() * scale) <= 1);
            QVERIFY(qAbs(iban->x() - iban100.x() * scale) <= 2);
            QVERIFY(qAbs(iban->width() - iban100.width() * scale) <= 3);
            QVERIFY(qAbs(iban->font().pixelSize() - font100 * scale) <= 1);
            QVERIFY(iban->hasFocus());
            QCOMPARE(iban->cursorPosition(), 4);
            bar->setValue(bar->maximum());
            QCOMPARE(model.HScroll1, bar->maximum());
            QCOMPARE(model.Frame8Left, 120 - bar->maximum());
            QVERIFY(picture->geometry().right() <= area->width());
            bar->setValue(0);
            QCOMPARE(picture->x(), qRound(10 * scale));
        }
        QCOMPARE(gui::IncarcView(desk.program.incarc()).zoom(), 200);

        // Ctrl with the wheel over a two-line field zooms the form, not the field.
        auto* payer = qobject_cast<QPlainTextEdit*>(field(entry, 2));
        const QPoint middle = payer->viewport()->rect().center();
        QWheelEvent wheel(middle, payer->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, -120),
                          Qt::NoButton, ctrl, Qt::NoScrollPhase, false);
        QApplication::sendEvent(payer->viewport(), &wheel);
        QCOMPARE(entry.zoom(), 175);
        QTest::keyClick(iban, Qt::Key_0, ctrl);
    }

    // A code typed to its field's limit shows whole, in as large a font as
    // lets it: one pixel larger would not fit, or it is already the font of
    // the longer one-line fields of the same height.
    void oneLineFieldsShowACodeWhole() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        std::map<int, int> largest;  // by field height: the font of a longer text's field
        std::vector<QLineEdit*> codes;
        for (int k = 0; k < Incarc::kFields; ++k) {
            if (auto* edit = qobject_cast<QLineEdit*>(field(entry, k))) {
                if (Incarc::typingLimit(k) > 30)
                    largest[edit->height()] = edit->font().pixelSize();
                else
                    codes.push_back(edit);
            }
        }
        QVERIFY(!largest.empty() && !codes.empty());
        for (QLineEdit* edit : codes) {
            const QString widest(Incarc::typingLimit(Incarc::fieldIndex(edit->objectName())), 'B');
            const auto fits = [&](int pixels) {
                QFont font = edit->font();
                font.setPixelSize(pixels);
                return QFontMetrics(font).horizontalAdvance(widest) + 8 <= edit->width();
            };
            const int size = edit->font().pixelSize();
            QVERIFY2(fits(size), qPrintable(edit->objectName()));
            const auto same = largest.find(edit->height());
            if (same != largest.end())
                QVERIFY2(size == same->second || !fits(size + 1), qPrintable(edit->objectName()));
        }
    }

    void tabFollowsTheFormsOrder() {
        WorkingFolder desk;
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = desk.windows.incarcView();
        QWidget* first = field(entry, 0);
        QList<int> visited;
        for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
            const int k = Incarc::fieldIndex(w->objectName());
            if (k >= 0)
                visited.append(Incarc::ordineTab(k));
        }
        QCOMPARE(visited.size(), Incarc::kFields - 1);
        for (int i = 0; i < visited.size(); ++i) QCOMPARE(visited[i], i + 2);
    }

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

        // In the open list the letters move its current row, to the first row too.
        list.setCurrentIndex(2);
        list.showPopup();
        QTest::qWait(600);
        for (const auto& [letters, row] : {std::pair{"cl", 3}, {"ba", 0}}) {
            QTest::keyClicks(list.view(), QLatin1String(letters));
            QCOMPARE(list.view()->currentIndex().row(), row);
            QTest::qWait(600);
        }
        list.hidePopup();
    }

    // Way 1 of the assistant: a unit and an obligation, found by typing part
    // of their names, make the beneficiary IBAN. Then the calendar.
    void fillTheEntryWindowAndHide() {
        WorkingFolder desk;
        Program& program = desk.program;
        gui::Windows& windows = desk.windows;
        program.incarc().todayForTests = [] { return QDate(2023, 3, 15); };
        QVERIFY(desk.openOrder());
        gui::IncarcView& entry = windows.incarcView();

        QTest::mouseClick(entry.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        gui::FormIbanView& assistant = windows.formIbanView();
        QVERIFY(QTest::qWaitForWindowActive(&assistant));
        QVERIFY(!assistant.findChild<QLineEdit*>("codIBAN")->isVisible());
        typeInto(assistant.findChild<QComboBox*>("Benef1"), QStringLiteral("bucuresti"));
        typeInto(assistant.findChild<QComboBox*>("oblig1"), QStringLiteral("tva - decont"));
        QTest::mouseClick(assistant.findChild<QPushButton*>("Command5"), Qt::LeftButton);
        QVERIFY(!assistant.isVisible());
        QCOMPARE(desk.shown, QStringList());
        const QString iban = textOf(field(entry, 9));
        QVERIFY2(QRegularExpression(QStringLiteral("^RO\\d\\dTREZ70020A100101XTVA$"))
                     .match(iban)
                     .hasMatch(),
                 qPrintable(iban));
        QCOMPARE(program.incarc().d1[D1::IBAN_beneficiar], iban);
        QCOMPARE(textOf(field(entry, 12)), QStringLiteral("TVA - decont lunar/trim./sem./anual"));

        // The calendar: a day clicked becomes the date of the document, and "Iesire" has the focus.
        QTest::mouseClick(entry.findChild<QPushButton*>("B_cal"), Qt::LeftButton);
        gui::Form2View& calendarView = windows.form2View();
        QVERIFY(QTest::qWaitForWindowExposed(&calendarView));
        auto* calendar = calendarView.findChild<QCalendarWidget*>("Calendar1");
        QCOMPARE(calendar->selectedDate(), QDate(2023, 3, 15));
        emit calendar->clicked(QDate(2023, 3, 20));
        QVERIFY(!calendarView.isVisible());
        QCOMPARE(textOf(field(entry, 13)), QStringLiteral("20/03/2023"));
        QVERIFY(!program.form2().dateField());
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

QTEST_MAIN(IncarcViewTest)
#include "incarc_view_test.moc"
