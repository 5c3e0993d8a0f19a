#include "gui/qt_ui.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "gui/text_viewer.h"
#include "gui/window_places.h"
#include "platform/printer_state.h"
#include "store/reference_texts.h"
#include "ui/page_output.h"

namespace tavo::gui {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString plain(const QString& text) {
    QString out = text;
    return out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A question without Cancel: the user must choose one of its buttons. Escape
// and the close box would otherwise count as No, and "Salvati ?" dismissed
// that way would drop the document without a word.
class ButtonsOnlyQuestion : public QMessageBox {
  public:
    ButtonsOnlyQuestion(const QString& title, const QString& text, StandardButtons buttons,
                        QWidget* parent)
        : QMessageBox(QMessageBox::Question, title, text, buttons, parent,
                      Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (!clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

}  // namespace

void QtUi::message(const QString& text, Icon icon, const QString& title) {
    showMessage(parent_, text, icon, title);
}

void QtUi::showMessage(QWidget* over, const QString& text, Icon icon, const QString& title) {
    QMessageBox box(qtIcon(icon), title, plain(text), QMessageBox::Ok, over);
    box.exec();
}

Answer QtUi::ask(const QString& text, Buttons buttons, const QString& title) {
    int chosen = QMessageBox::Cancel;
    if (buttons == Buttons::YesNo) {
        ButtonsOnlyQuestion box(title, plain(text), QMessageBox::Yes | QMessageBox::No, parent_);
        chosen = box.exec();
    } else {
        // Escape and the close box choose Cancel.
        QMessageBox box(QMessageBox::Question, title, plain(text),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
        chosen = box.exec();
    }
    switch (chosen) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<QString> QtUi::input(const QString& prompt, const QString& defaultAnswer,
                                   const QString& title) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, title, plain(prompt), QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QString> QtUi::chooseFile(const QString& prompt, const QString& folder,
                                        const QString& title) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent_, title.isEmpty() ? plain(prompt) : title, folder,
                                     QStringLiteral("Tabele (*.csv *.txt);;Toate fisierele (*)"));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtUi::chooseSaveFile(const QString& prompt, const QString& folder,
                                            const QString& suggested, const QString& title) {
    const QString chosen = QFileDialog::getSaveFileName(
        parent_, title.isEmpty() ? plain(prompt) : title, QDir(folder).filePath(suggested),
        QStringLiteral("Tabele (*.csv);;Toate fisierele (*)"));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

void QtUi::openText(const QString& relativePath) {
    // The user writes in Sugestii.txt; a folder carried from Windows may hold it as sugestii.txt.
    const bool editable =
        relativePath.compare(QLatin1String(reference_texts::kSugestii), Qt::CaseInsensitive) == 0;
    auto* viewer = new TextViewer(
        folder_.filePath(relativePath), editable,
        [this](const PrinterDrawing& draw, QWidget* over) { printOnPrinter(draw, over); });
    // Over the window it was opened from.
    keepWindowPlace(*viewer, QStringLiteral("windows/viewer"), WindowRole::OverOwner, parent_);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

bool QtUi::progress(int done, int total, const QString& text) {
    // A dialog left from another run (one that stopped early) is not this run's.
    if (progress_ && (done < progress_->value() || total != progress_->maximum()))
        delete progress_;
    if (!progress_) {
        progress_ = new QProgressDialog(text, QStringLiteral("Oprire"), 0, total, parent_);
        progress_->setWindowModality(parent_ ? Qt::WindowModal : Qt::ApplicationModal);
        progress_->setMinimumDuration(300);
        progress_->setAutoReset(false);
        progress_->setAutoClose(false);
        progress_->setValue(0);
    }
    progress_->setLabelText(text);
    progress_->setValue(done);
    // The dialog repaints, and the user's "Oprire" is heard, between two steps.
    QCoreApplication::processEvents();
    const bool goOn = !progress_->wasCanceled();
    if (!goOn || done >= total)
        delete progress_;
    return goOn;
}

void QtUi::print(const PrintJob& job) {
    printOnPrinter([&job](QPrinter& printer) { printOnA4(printer, job); });
}

void QtUi::printOnPrinter(const PrinterDrawing& draw, QWidget* over) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    QString why = QStringLiteral("Nu exista o imprimanta implicita.");
    if (!printerInfo.isNull()) {
        // A queue that refuses jobs would drop the pages without a word, and a
        // stopped one would keep them: they go to a PDF file instead.
        if (platform::printerRefusal(printerInfo.printerName()).isEmpty()) {
            QPrinter printer(printerInfo, QPrinter::HighResolution);
            draw(printer);
            return;
        }
        why = QStringLiteral(
                  "Imprimanta implicita '%1' nu primeste acum lucrari (este oprita "
                  "sau le refuza).")
                  .arg(printerInfo.printerName());
    }
    // No printer to take them: the pages go to a PDF file that the user can print later.
    folder_.mkpath(QStringLiteral("listari"));
    const QString name =
        QStringLiteral("listare-%1-%2.pdf")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
            .arg(++pdfCount_);
    const QString path = folder_.filePath(QStringLiteral("listari/") + name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    draw(printer);
    showMessage(over ? over : parent_.data(),
                why + QStringLiteral(" Documentul a fost salvat in fisierul '%1'.")
                          .arg(QDir::toNativeSeparators(path)),
                Icon::Information, QString());
}

}  // namespace tavo::gui
