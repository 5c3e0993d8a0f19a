// The main window opened offscreen on a working folder with three documents.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "gui_fixture.h"

using namespace tavo;

class IntrodViewTest : public QObject {
    Q_OBJECT

  private slots:
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
};

QTEST_MAIN(IntrodViewTest)
#include "introd_view_test.moc"
