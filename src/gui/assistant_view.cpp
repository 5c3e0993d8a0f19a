#include "gui/assistant_view.h"

#include <QApplication>
#include <QScopedValueRollback>

namespace tavo::gui {

AssistantView::AssistantView(QWidget* parent) : QWidget(parent) {
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { onFocusChanged(now); });
}

// The focus moves while the window is being destroyed: by then it is no
// longer this view that hears of it.
AssistantView::~AssistantView() {
    disconnect(focusConnection_);
}

void AssistantView::press(const QString& control, const std::function<void()>& handler) {
    setModelFocus(control);
    handler();
    afterEvent();
}

void AssistantView::afterEvent() {
    refresh();
    if (isVisible()) {
        QWidget* target = modelFocus().isEmpty() ? nullptr : findChild<QWidget*>(modelFocus());
        if (target && target->isVisible() && target->isEnabled() && !target->hasFocus())
            target->setFocus(Qt::OtherFocusReason);
    }
    if (windowsChanged)
        windowsChanged();
}

void AssistantView::onFocusChanged(QWidget* now) {
    // Another window taking the focus leaves the field as it is: the user may
    // be copying an IBAN from elsewhere.
    if (!now || now->window() != this || followingFocus_)
        return;
    const QString control = controlFor(now);
    if (control == modelFocus())
        return;
    // Leaving a field may show a message; the focus moving to it and back
    // is not the user's.
    {
        const QScopedValueRollback following(followingFocus_, true);
        setModelFocus(control);
    }
    afterEvent();
}

QString AssistantView::controlFor(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            return w->objectName();
    }
    return QString();
}

}  // namespace tavo::gui
