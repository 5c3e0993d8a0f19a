// The desktop's progress dialog for long runs, and the viewer's printing of
// fixed-width reports.
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/qt_ui.h"
#include "gui/text_viewer.h"

using namespace tavo;

class QtUiTest : public QObject {
    Q_OBJECT

  private slots:
    void oprireStopsTheRunAndANewRunStartsAfresh() {
        QWidget window;
        window.show();
        gui::QtUi ui(QDir::temp());
        ui.setParent(&window);
        QVERIFY(ui.progress(1, 3, "1 din 3"));
        auto* dialog = window.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->findChild<QPushButton*>()->text(), QStringLiteral("Oprire"));
        dialog->cancel();
        QVERIFY(!ui.progress(2, 3, "2 din 3"));
        QVERIFY(!window.findChild<QProgressDialog*>());

        QVERIFY(ui.progress(1, 2, "1 din 2"));
        QVERIFY(ui.progress(2, 2, "2 din 2"));
        QVERIFY(!window.findChild<QProgressDialog*>());
    }

    // A text image's lines are 109 characters wide: the ends must reach the paper.
    void aWideReportPrintsWhole() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("report.pdf"));
        const QString wide = "ORDIN DE PLATA" + QString(86, ' ') + "LEI, Adica";
        gui::printFixedWidth(printer, wide + "\r\n" + QString(109, '=') + "\r\n");

        QProcess process;
        process.start(pdftotext, {"-layout", dir.filePath("report.pdf"), "-"});
        QVERIFY(process.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        QVERIFY(lines.size() >= 2);
        QVERIFY2(lines[0].trimmed().endsWith("LEI, Adica"), qPrintable(lines[0]));
        QCOMPARE(lines[1].trimmed(), QString(109, '='));
    }
};

QTEST_MAIN(QtUiTest)
#include "qt_ui_test.moc"
