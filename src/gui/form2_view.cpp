#include "gui/form2_view.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "entry/form2_texts.h"

namespace tavo::gui {

Form2View::Form2View(Form2& model, QWidget* parent)
    : ModelView(model.controls(), parent), model_(model), Calendar1_(new QCalendarWidget(this)) {
    setWindowTitle(form2_texts::fereastra);
    Calendar1_->setObjectName(QStringLiteral("Calendar1"));
    Calendar1_->setGridVisible(true);
    Calendar1_->setFirstDayOfWeek(Qt::Monday);
    auto* Command1 = new QPushButton(form2_texts::Command1, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Calendar1_);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectControls();
    refresh();
}

void Form2View::refresh() {
    if (model_.Calendar1 == shown_ || !model_.Calendar1.isValid())
        return;
    shown_ = model_.Calendar1;
    Calendar1_->setSelectedDate(shown_);
    Calendar1_->setCurrentPage(shown_.year(), shown_.month());
}

void Form2View::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        shown_ = QDate();
        refresh();
    }
}

}  // namespace tavo::gui
