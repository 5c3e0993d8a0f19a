#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <cmath>

#include "gui/incarc_form_widget.h"
#include "gui/incarc_view.h"
#include "printing/form_drawing.h"

// The entry window's zoom: the drawing, the fields and their fonts, and the
// scroll room, from 75 % to 200 %.
namespace tavo::gui {

void IncarcView::place(QWidget* widget, const QRect& box, int pixelSize, int inset) {
    placed_.push_back({widget, box, inset, pixelSize});
    placeAtZoom(placed_.back());
}

void IncarcView::placeAtZoom(const Placed& placed) {
    QFont font = placed.widget->font();
    font.setPixelSize(atZoom(placed.pixelSize));
    placed.widget->setFont(font);
    if (!placed.box.isNull()) {
        const int in = placed.inset;
        placed.widget->setGeometry(toPixels(placed.box, zoom_ / 100.0).adjusted(in, in, -in, -in));
    }
}

int IncarcView::atZoom(int pixels) const {
    return int(std::lround(pixels * zoom_ / 100.0));
}

// Only the pixels change: the drawing's place and the scroll bars stay in
// twips. The field with the focus keeps it, and its caret.
void IncarcView::setZoom(int percent) {
    percent = nextZoom(percent, 0);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    saveZoom(zoom_);
    Frame8_->setZoom(zoom_ / 100.0);
    for (const Placed& placed : placed_) placeAtZoom(placed);
    for (int k = kFirstLabel; k <= kLastLabel; ++k)
        fitFont(*b1_[size_t(k)], atZoom(b1PixelSize_[size_t(k)]));
    fitScrollBars();
    refresh();
}

// The horizontal bar reaches the form's right edge however large it is drawn.
void IncarcView::fitScrollBars() {
    const double twipsPerPixel = kTwipsPerPixel * 100.0 / zoom_;
    const int shownWide = int(area_->width() * twipsPerPixel);
    model_.HScroll1Max = std::max(3000, printing::form::kWidth + 240 - shownWide);
    model_.HScroll1_Change(model_.HScroll1);
    HScroll1_->setRange(0, model_.HScroll1Max);
    HScroll1_->setPageStep(shownWide);
    VScroll1_->setPageStep(int(area_->height() * twipsPerPixel));
}

void IncarcView::makeZoomKeys() {
    const auto keys = [this](QKeySequence::StandardKey standard, QList<QKeySequence> more,
                             int steps) {
        QList<QKeySequence> all = QKeySequence::keyBindings(standard);
        for (const QKeySequence& key : more) {
            if (!all.contains(key))
                all.append(key);
        }
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(all);
        connect(shortcut, &QShortcut::activated, this,
                [this, steps] { setZoom(steps == 0 ? 100 : nextZoom(zoom_, steps)); });
    };
    keys(QKeySequence::ZoomIn,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)},
         1);
    keys(QKeySequence::ZoomOut,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)},
         -1);
    keys(QKeySequence::UnknownKey,
         {QKeySequence(Qt::CTRL | Qt::Key_0),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)},
         0);
}

void IncarcView::wheelEvent(QWheelEvent* event) {
    const int turn = event->angleDelta().y();
    if (!(event->modifiers() & Qt::ControlModifier) || turn == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    setZoom(nextZoom(zoom_, turn > 0 ? 1 : -1));
    event->accept();
}

}  // namespace tavo::gui
