// The main window opened offscreen on a working folder with three documents.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/introd_view.h"
#include "main_window/introd.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

using namespace tavo;

class IntrodViewTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheStoredDocumentsAndFollowsTheFocusRules() {
        QTemporaryDir dir;
        QVERIFY(text::writeLines(QDir(dir.path()).filePath("ordine.txt"),
                                 {"1,45,1,A,1,A,,,B,1,RO,,,O,15/01/2023,,,,,OP",
                                  "2,46,1,A,1,A,,,B,1,RO,,,O,16/01/2023,,,,,FV",
                                  "3,47,1,A,1,A,,,B,1,RO,,,O,17/01/2023,,,,,OP"}));
        QStringList shown;
        ScriptedUi ui(QDir(dir.path()), QDir(dir.path()),
                      [&](const QString& line) { shown.append(line); });
        ProgramState state;
        Introd model(QDir(dir.path()), ui, state);
        gui::IntrodView view(model);
        view.show();
        model.start();
        view.refresh();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

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
        QVERIFY(QFile::exists(QDir(dir.path()).filePath("Borderou.txt")));
        QCOMPARE(shown.last(), QStringLiteral("OPEN Borderou.txt"));
    }

    // Tab goes through the window as it reads: the documents, the reports,
    // the texts, then the deletion standing apart.
    void tabFollowsTheReadingOrder() {
        QTemporaryDir dir;
        ScriptedUi ui(QDir(dir.path()), QDir(dir.path()), [](const QString&) {});
        ProgramState state;
        Introd model(QDir(dir.path()), ui, state);
        gui::IntrodView view(model);
        QStringList order;
        QWidget* start = view.findChild<QWidget*>("NrO");
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

QTEST_MAIN(IntrodViewTest)
#include "introd_view_test.moc"
