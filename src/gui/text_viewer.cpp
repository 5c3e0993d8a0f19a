#include "gui/text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "text/cp1250.h"
#include "text/text_file.h"

namespace tavo::gui {

void printFixedWidth(QPrinter& printer, const QString& report) {
    constexpr qreal kLargest = 9;
    constexpr qreal kSmallest = 5;
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QStringList lines = text::splitLines(report);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto widest = [&] {
        const QFontMetricsF metrics(font, &printer);
        qreal width = 0;
        for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    font.setPointSizeF(kLargest);
    while (font.pointSizeF() > kSmallest && widest() > page.width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const int perPage = std::max(1, int(page.height() / metrics.lineSpacing()));
    for (int i = 0; i < int(lines.size()); ++i) {
        if (i > 0 && i % perPage == 0)
            printer.newPage();
        painter.drawText(QPointF(0, metrics.ascent() + (i % perPage) * metrics.lineSpacing()),
                         lines[i]);
    }
}

TextViewer::TextViewer(const QString& path, bool editable, Printing printing, QWidget* parent)
    : QWidget(parent, Qt::Window),
      path_(path),
      printing_(std::move(printing)),
      edit_(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setReadOnly(!editable);

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        // The program's texts are CP1250; a table saved for a spreadsheet (the
        // model of the import) is UTF-8 and starts with a byte-order mark.
        const QByteArrayView bom("\xEF\xBB\xBF");
        QString content = bytes.startsWith(bom) ? QString::fromUtf8(bytes.sliced(bom.size()))
                                                : text::fromCp1250(bytes);
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
    if (!printing_)
        return;
    const QString report = edit_->toPlainText();
    printing_([&report](QPrinter& printer) { printFixedWidth(printer, report); }, this);
}

void TextViewer::save() {
    QString error;
    if (!text::writeLines(path_, text::splitLines(edit_->toPlainText()), &error)) {
        QMessageBox::warning(this, QString(),
                             QStringLiteral("Fisierul nu a putut fi salvat (%1).").arg(error));
    }
}

}  // namespace tavo::gui
