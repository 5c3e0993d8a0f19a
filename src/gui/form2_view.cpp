#include "gui/form2_view.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "entry/form2_texts.h"

namespace tavo::gui {

Form2View::Form2View(Form2& model, QWidget* parent)
    : QWidget(parent), model_(model), Calendar1_(new QCalendarWidget(this)) {
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

    // A click on a day picks it; so do Enter and a double click.
    connect(Calendar1_, &QCalendarWidget::clicked, this, &Form2View::pick);
    connect(Calendar1_, &QCalendarWidget::activated, this, &Form2View::pick);
    connect(Command1, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        afterEvent();
    });
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

void Form2View::pick(const QDate& day) {
    // A double click is two events: the first one has already closed the calendar.
    if (!model_.visible)
        return;
    model_.Calendar1_Click(day);
    afterEvent();
}

void Form2View::afterEvent() {
    refresh();
    if (windowsChanged)
        windowsChanged();
}

void Form2View::closeEvent(QCloseEvent* event) {
    event->accept();
    model_.visible = false;
    afterEvent();
}

}  // namespace tavo::gui
