#include "gui/qt_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "gui/text_viewer.h"
#include "main_window/reference_texts.h"
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

}  // namespace

void QtUi::message(const QString& text, Icon icon, const QString& title) {
    QMessageBox box(qtIcon(icon), title, plain(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtUi::ask(const QString& text, Buttons buttons, const QString& title) {
    QMessageBox::StandardButtons choices = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        choices |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, title, plain(text), choices, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
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

void QtUi::openText(const QString& relativePath) {
    // The user writes in Sugestii.txt; a folder carried from Windows may hold it as sugestii.txt.
    const bool editable =
        relativePath.compare(QLatin1String(reference_texts::kSugestii), Qt::CaseInsensitive) == 0;
    auto* viewer = new TextViewer(folder_.filePath(relativePath), editable);
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
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QPageSize::A4));
        drawPages(printer, job);
        return;
    }
    // No printer: the pages go to a PDF file that the user can print later.
    folder_.mkpath(QStringLiteral("listari"));
    const QString name =
        QStringLiteral("listare-%1-%2.pdf")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
            .arg(++pdfCount_);
    const QString path = folder_.filePath(QStringLiteral("listari/") + name);
    writePdf(path, job);
    message(QStringLiteral("Nu exista o imprimanta implicita. Documentul a fost salvat in "
                           "fisierul '%1'.")
                .arg(path),
            Icon::Information, QString());
}

}  // namespace tavo::gui
