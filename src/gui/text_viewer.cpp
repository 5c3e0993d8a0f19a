#include "gui/text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/cp1250.h"
#include "text/text_file.h"

namespace tavo::gui {

TextViewer::TextViewer(const QString& path, bool editable, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(path), edit_(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setReadOnly(!editable);

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QString content = text::fromCp1250(file.readAll());
        content.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        edit_->setPlainText(content);
        loaded_ = true;
    } else {
        edit_->setPlainText(QStringLiteral("Fisierul '%1' nu poate fi citit.").arg(path));
        edit_->setReadOnly(true);
    }

    auto* buttons = new QHBoxLayout;
    auto* printButton = new QPushButton(QStringLiteral("Listare"), this);
    connect(printButton, &QPushButton::clicked, this, &TextViewer::print);
    buttons->addWidget(printButton);
    if (editable && loaded_) {
        auto* saveButton = new QPushButton(QStringLiteral("Salvare"), this);
        connect(saveButton, &QPushButton::clicked, this, &TextViewer::save);
        buttons->addWidget(saveButton);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    resize(900, 600);
}

QString TextViewer::text() const {
    return edit_->toPlainText();
}

void TextViewer::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        edit_->print(&printer);
}

void TextViewer::save() {
    QString error;
    if (!text::writeLines(path_, text::splitLines(edit_->toPlainText()), &error)) {
        QMessageBox::warning(this, QString(),
                             QStringLiteral("Fisierul nu a putut fi salvat (%1).").arg(error));
    }
}

}  // namespace tavo::gui
