#include "gui/model_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QScopedValueRollback>

#include "gui/incarc_form_widget.h"

namespace tavo::gui {

Q_LOGGING_CATEGORY(lcBinding, "tavo.gui.binding")

ModelView::ModelView(ui::ControlTable table, QWidget* parent)
    : QWidget(parent), table_(std::move(table)) {
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { onFocusChanged(now); });
}

// The focus moves while the window is being destroyed: by then it is no
// longer this view that hears of it.
ModelView::~ModelView() {
    disconnect(focusConnection_);
}

void ModelView::connectControls(const std::function<bool(const QString&)>& shownOtherwise) {
    unbound_.clear();
    for (const ui::Control& control : table_.controls) {
        if (QWidget* widget = widgetFor(control.name)) {
            connectControl(control, widget);
        } else if (!shownOtherwise || !shownOtherwise(control.name)) {
            unbound_.append(control.name);
            qCWarning(lcBinding, "%s: no widget for the control '%s'", qPrintable(table_.window),
                      qPrintable(control.name));
        }
    }
}

void ModelView::connectControl(const ui::Control& control, QWidget* widget) {
    const ui::Control* c = &control;  // the table does not change after it is made
    // An edit reaches the model; the text the model itself shows there does not.
    const auto edited = [this, c](const QString& text) {
        if (c->value && text == c->value())
            return;
        c->change(text);
        refresh();
    };
    const auto enter = [this, c] { press(c->name, c->enter); };
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && c->click) {
        connect(button, &QAbstractButton::clicked, this, [this, c] { press(c->name, c->click); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (c->change)
            connect(edit, &QLineEdit::textChanged, this, edited);
        if (c->enter)
            connect(edit, &QLineEdit::returnPressed, this, enter);
    } else if (auto* twoLines = qobject_cast<TwoLineField*>(widget)) {
        if (c->change)
            connect(twoLines, &TwoLineField::edited, this, edited);
        if (c->enter)
            connect(twoLines, &TwoLineField::enterPressed, this, enter);
    } else if (auto* list = qobject_cast<QComboBox*>(widget); list && c->select) {
        connect(list, &QComboBox::activated, this, [this, c](int row) {
            c->select(row);
            afterEvent();
        });
    } else if (auto* calendar = qobject_cast<QCalendarWidget*>(widget); calendar && c->pick) {
        // A click on a day picks it; so do Enter and a double click.
        const auto pick = [this, c](const QDate& day) {
            c->pick(day);
            afterEvent();
        };
        connect(calendar, &QCalendarWidget::clicked, this, pick);
        connect(calendar, &QCalendarWidget::activated, this, pick);
    }
}

void ModelView::press(const QString& control, const std::function<void()>& handler) {
    table_.moveFocus(control);
    handler();
    afterEvent();
}

void ModelView::afterEvent() {
    refresh();
    showFocus();
    if (windowsChanged)
        windowsChanged();
}

void ModelView::showFocus() {
    if (!table_.isShown() || !table_.focus)
        return;
    QWidget* target = widgetFor(table_.focused());
    if (target && target->isVisible() && target->isEnabled()) {
        if (!target->hasFocus())
            target->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* current = focusWidget(); releasesFocus && current && current->hasFocus()) {
        // The model's focus is on a control that cannot take it (a disabled
        // button): the keyboard focus leaves the control that had it.
        current->clearFocus();
    }
}

void ModelView::onFocusChanged(QWidget* now) {
    // Another window or application taking the focus leaves the field as it
    // is: a user copying an IBAN from elsewhere comes back to it unchecked.
    if (!now || now->window() != this || followingFocus_ || !table_.setFocus)
        return;
    const QString control = controlFor(now);
    if (control == table_.focused())
        return;
    // Leaving a field may show a message; the focus moving to it and back
    // is not the user's.
    {
        const QScopedValueRollback following(followingFocus_, true);
        table_.setFocus(control);
    }
    afterEvent();
}

QWidget* ModelView::widgetFor(const QString& control) const {
    if (control.isEmpty())
        return nullptr;
    // The windows this one opens may be its children: their controls are not
    // its own (this view may not be a window yet while it is being made).
    for (QWidget* widget : findChildren<QWidget*>(control)) {
        QWidget* owner = widget->parentWidget();
        while (owner != this && !owner->isWindow()) owner = owner->parentWidget();
        if (owner == this)
            return widget;
    }
    return nullptr;
}

QString ModelView::controlFor(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            return w->objectName();
    }
    return QString();
}

void ModelView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (table_.close)
        table_.close();
    afterEvent();
}

}  // namespace tavo::gui
