// The desktop's dialogs: questions answered only by their buttons, Qt's own
// texts in Romanian, the progress dialog, and printing from every window.
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <memory>
#include <utility>

#include "gui/qt_ui.h"
#include "gui/romanian.h"
#include "gui/text_viewer.h"
#include "text/text_file.h"

using namespace tavo;

namespace {

QString answerName(Answer answer) {
    return QStringList{"yes", "no", "cancel"}.at(int(answer));
}

// Deals with each modal dialog that comes up while the test waits in a call:
// notes its text, does `first` to the first one (Escape, its close box), and
// answers whatever is still up with "Da" or OK.
class DialogWatch {
  public:
    explicit DialogWatch(std::function<void(QWidget*)> first = {}) : first_(std::move(first)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

    QStringList seen;  // the texts of the dialogs, "stayed up" after a first one that did

  private:
    // Called every 10 ms: deals with a modal dialog not seen before.
    void look() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == handled_)
            return;
        handled_ = dialog;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        seen << (box ? box->text() : QStringLiteral("input"));
        if (first_) {
            std::exchange(first_, nullptr)(dialog);
            if (!dialog->isVisible())
                return;
            seen << "stayed up";
        }
        if (!box)
            static_cast<QDialog*>(dialog)->accept();
        else if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            box->button(QMessageBox::Ok)->click();
    }

    std::function<void(QWidget*)> first_;
    QTimer timer_;
    QPointer<QWidget> handled_;
};

QPushButton* buttonTexted(QWidget& window, const QString& text) {
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The text of a PDF file as laid out, by pdftotext (empty when it is not installed).
QString pdfText(const QString& path) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QProcess process;
    if (!pdftotext.isEmpty())
        process.start(pdftotext, {"-layout", path, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The entries of a context menu as the user reads them.
QStringList entries(QMenu* menu) {
    const std::unique_ptr<QMenu> owned(menu);
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().remove('&').section('\t', 0, 0);
    }
    return texts;
}

}  // namespace

class QtUiTest : public QObject {
    Q_OBJECT

  private slots:
    // "Oprire" on the progress dialog stops the run.
    void oprireStopsTheRunAndANewRunStartsAfresh() {
        QWidget window;
        window.show();
        gui::QtUi ui(QDir::temp());
        ui.setParent(&window);
        QVERIFY(ui.progress(1, 3, "1 din 3"));
        auto* dialog = window.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        dialog->cancel();
        QVERIFY(!ui.progress(2, 3, "2 din 3"));
        QVERIFY(!window.findChild<QProgressDialog*>());

        QVERIFY(ui.progress(1, 2, "1 din 2"));
        QVERIFY(ui.progress(2, 2, "2 din 2"));
        QVERIFY(!window.findChild<QProgressDialog*>());
    }

    // Escape and the close box never answer a question that has no Cancel.
    void questionsAreAnsweredOnlyByTheirButtons() {
        const auto question = [](Buttons buttons) {
            return [buttons](gui::QtUi& ui) {
                return answerName(ui.ask("Salvati ?", buttons, QString()));
            };
        };
        const auto inputBox = [](gui::QtUi& ui) {
            return ui.input("Cod fiscal", "13548146", QString()).value_or("cancel");
        };
        const struct {
            const char* name;
            std::function<QString(gui::QtUi&)> open;
            QStringList seen;
            QString answer;
        } rows[] = {
            {"yes/no", question(Buttons::YesNo), {"Salvati ?", "stayed up"}, "yes"},
            {"yes/no/cancel", question(Buttons::YesNoCancel), {"Salvati ?"}, "cancel"},
            {"input", inputBox, {"input"}, "cancel"},
        };
        QWidget window;
        window.show();
        gui::QtUi ui(QDir::temp());
        ui.setParent(&window);
        const std::function<void(QWidget*)> dismissals[] = {
            [](QWidget* dialog) {
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog,
                                Qt::Key_Escape);
            },
            [](QWidget* dialog) { dialog->windowHandle()->close(); }};
        for (const auto& row : rows) {
            for (const auto& dismiss : dismissals) {
                DialogWatch watch(dismiss);
                const QString answer = row.open(ui);
                QVERIFY2(watch.seen == row.seen, row.name);
                QVERIFY2(answer == row.answer, row.name);
            }
        }
    }

    // Documents and the viewer's reports print the same way: without a
    // default printer, into a PDF file in listari/, and a message says where.
    // A report's lines are 109 characters wide: their ends must reach the paper.
    void printingWithoutAPrinterWritesAPdfInListari() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        const bool canRead = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        struct Row {
            const char* name;
            std::function<void(gui::QtUi&, const QDir&)> print;
            QString printed;
        };
        const std::vector<Row> rows = {
            {"viewer",
             [](gui::QtUi& ui, const QDir& folder) {
                 const QString wide = "ORDIN DE PLATA" + QString(86, ' ') + "LEI, Adica";
                 QVERIFY(text::writeLines(folder.filePath("Borderou.txt"), {wide}));
                 ui.openText("Borderou.txt");
                 gui::TextViewer* viewer = nullptr;
                 for (QWidget* widget : QApplication::topLevelWidgets())
                     viewer = viewer ? viewer : qobject_cast<gui::TextViewer*>(widget);
                 QVERIFY(viewer);
                 const std::unique_ptr<gui::TextViewer> closed(viewer);
                 buttonTexted(*viewer, "Listare")->click();
             },
             "ORDIN DE PLATA +LEI, Adica"},
            {"document",
             [](gui::QtUi& ui, const QDir&) {
                 ui.print({1, [](QPainter& painter, int) {
                               painter.setFont(QFont("DejaVu Sans", 12));
                               painter.drawText(QPointF(1440, 1440), "ORDIN DE PLATA 45");
                           }});
             },
             "ORDIN DE PLATA 45"},
        };
        for (const Row& row : rows) {
            QTemporaryDir dir;
            const QDir folder(dir.path());
            gui::QtUi ui(folder);
            DialogWatch watch;
            row.print(ui, folder);
            const QStringList pdfs = QDir(folder.filePath("listari")).entryList({"*.pdf"});
            QVERIFY2(pdfs.size() == 1, row.name);
            // As the system writes paths: with "\\" on Windows.
            const QString path = QDir::toNativeSeparators(folder.filePath("listari/" + pdfs[0]));
            QCOMPARE(watch.seen, QStringList({"Nu exista o imprimanta implicita. Documentul a "
                                              "fost salvat in fisierul '" +
                                              path + "'."}));
            QVERIFY2(!canRead || pdfText(path).contains(QRegularExpression(row.printed)), row.name);
        }
    }

    // An editable viewer's Save writes the text back in CP1250 with CR LF; a
    // read-only one has no Save and keeps the file as it is.
    void viewerSavesOnlyWhenEditable() {
        for (const bool editable : {true, false}) {
            QTemporaryDir dir;
            const QString path = QDir(dir.path()).filePath("sugestii.txt");
            QVERIFY(text::writeLines(path, {"Ştefan", "linia 2"}));
            gui::TextViewer viewer(path, editable, {});
            auto* edit = viewer.findChild<QPlainTextEdit*>();
            QCOMPARE(edit->toPlainText(), QStringLiteral("Ştefan\nlinia 2\n"));
            QCOMPARE(edit->isReadOnly(), !editable);
            edit->setPlainText("Ştefan\nlinia 3\nţ");
            QPushButton* save = buttonTexted(viewer, "Salvare");
            QCOMPARE(save != nullptr, editable);
            if (save)
                save->click();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), editable ? text::joinLines({"Ştefan", "linia 3", "ţ"})
                                              : text::joinLines({"Ştefan", "linia 2"}));
        }
    }

    // A table saved for a spreadsheet (UTF-8, byte-order mark) reads as UTF-8,
    // the mark not shown.
    void viewerReadsASpreadsheetTableAsUtf8() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("model-import.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "\xEF\xBB\xBFsuma;platitor\r\n1500,00;\xC8\x98"
            "COALA\r\n");
        file.close();
        gui::TextViewer viewer(path, false, {});
        QCOMPARE(viewer.findChild<QPlainTextEdit*>()->toPlainText(),
                 QStringLiteral("suma;platitor\n1500,00;ȘCOALA\n"));
    }

    // On an English system the buttons, the fields' menus and the calendar
    // still read Romanian. Last: it changes the language for the whole run.
    void qtTextsAreRomanianWhateverTheSystemLanguage() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCalendarWidget calendar;  // made before: it follows the change
        calendar.setCurrentPage(2023, 1);
        gui::installRomanian(*static_cast<QApplication*>(QCoreApplication::instance()));

        QCOMPARE(calendar.findChild<QToolButton*>("qt_calendar_monthbutton")->text(),
                 QStringLiteral("ianuarie"));

        gui::QtUi ui(QDir::temp());
        // The buttons of the dialog `open` brings up, sorted.
        const auto buttonsOf = [](const std::function<void()>& open) {
            QStringList texts;
            DialogWatch watch([&texts](QWidget* dialog) {
                for (auto* button : dialog->findChildren<QPushButton*>())
                    texts << button->text().remove('&');
                static_cast<QDialog*>(dialog)->reject();
            });
            open();
            texts.sort();
            return texts;
        };
        QCOMPARE(buttonsOf([&] { ui.ask("Salvati ?", Buttons::YesNoCancel, QString()); }),
                 QStringList({"Anulare", "Da", "Nu"}));
        QCOMPARE(buttonsOf([&] { ui.input("Cod fiscal", QString(), QString()); }),
                 QStringList({"Anulare", "OK"}));
        const QStringList menu = {"Anulare", "Refacere", "Decupare",        "Copiere",
                                  "Lipire",  "Stergere", "Selectare totala"};
        QLineEdit line;
        QPlainTextEdit lines;
        QCOMPARE(entries(line.createStandardContextMenu()), menu);
        QCOMPARE(entries(lines.createStandardContextMenu()), menu);
    }
};

QTEST_MAIN(QtUiTest)
#include "qt_ui_test.moc"
