#include "gui/incarc_form_widget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace tavo::gui {

QRect toPixels(const QRect& twips, double zoom) {
    const auto px = [zoom](int value) {
        return int(std::lround(value * zoom / double(kTwipsPerPixel)));
    };
    const int left = px(twips.left());
    const int top = px(twips.top());
    return QRect(left, top, px(twips.left() + twips.width()) - left,
                 px(twips.top() + twips.height()) - top);
}

int nextZoom(int percent, int steps) {
    if (steps > 0) {
        const auto it = std::ranges::upper_bound(kZoomSteps, percent);
        return it == kZoomSteps.end() ? kZoomSteps.back() : *it;
    }
    if (steps < 0) {
        const auto it = std::ranges::lower_bound(kZoomSteps, percent);
        return it == kZoomSteps.begin() ? kZoomSteps.front() : *std::prev(it);
    }
    return std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
}

namespace {
QSettings userSettings() {
    return QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo"));
}
const QString kZoomKey = QStringLiteral("entry/zoom");
}  // namespace

int savedZoom() {
    bool ok = false;
    const int percent = userSettings().value(kZoomKey, 100).toInt(&ok);
    return ok ? nextZoom(percent, 0) : 100;
}

void saveZoom(int percent) {
    userSettings().setValue(kZoomKey, percent);
}

QFont formFont(int pixelSize, bool bold) {
    QFont font(printing::formFontFamily());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void fitFont(QLabel& label, int pixelSize) {
    QFont font = label.font();
    const int width = label.contentsRect().width();
    for (int size = pixelSize; size >= 7; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label.text()) <= width)
            break;
    }
    label.setFont(font);
}

FormPicture::FormPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame8"));
    setZoom(1.0);
}

void FormPicture::setZoom(double zoom) {
    zoom_ = zoom;
    setFixedSize(
        toPixels(QRect(0, 0, printing::form::kWidth, printing::form::kHeight), zoom).size());
    update();
}

void FormPicture::setLook(const printing::FormLook& look) {
    if (look.type == look_.type && look.hints == look_.hints && look.debitDate == look_.debitDate) {
        return;
    }
    look_ = look;
    update();
}

void FormPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom_ / kTwipsPerPixel, zoom_ / kTwipsPerPixel);
    printing::drawForm(painter, look_);
}

TwoLineField::TwoLineField(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // Tab moves to the next field, as in the one-line fields.
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { keepToLimit(position, added); });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!programText_)
            emit edited(toPlainText());
    });
}

void TwoLineField::setProgramText(const QString& text) {
    programText_ = true;
    setPlainText(text);
    programText_ = false;
}

void TwoLineField::keyPressEvent(QKeyEvent* event) {
    // Enter, with or without Shift or Ctrl, never puts a line break in the field.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// Whatever the user's edit added beyond the limit is taken out again at once,
// in the same undo step, so typing stops at the limit and a long paste is cut.
void TwoLineField::keepToLimit(int position, int added) {
    if (programText_ || added <= 0)
        return;
    const int excess = int(toPlainText().size()) - limit_;
    if (excess <= 0)
        return;
    // The document's own count ends with the closing paragraph mark.
    const int end = std::min(position + added, document()->characterCount() - 1);
    QTextCursor cut(document());
    cut.joinPreviousEditBlock();
    cut.setPosition(end - std::min(excess, added));
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.endEditBlock();
}

}  // namespace tavo::gui
