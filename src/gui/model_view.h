#pragma once

#include <QWidget>
#include <functional>

#include "ui/control_table.h"

namespace tavo::gui {

// What every window view shares: its widgets connected to the model's table
// of controls by name, the keyboard focus followed into the model (leaving a
// field runs its checks) and back, and after every event the model's state
// shown and the desktop told, so that it shows the windows the models want.
class ModelView : public QWidget {
    Q_OBJECT
  public:
    ~ModelView() override;

    // Shows the model's state in the controls.
    virtual void refresh() = 0;
    // Puts the keyboard focus where the model has it.
    void showFocus();

    // Called after every event forwarded to the model.
    std::function<void()> windowsChanged;

    // The model's controls that no widget of this window shows and that the
    // view does not show in a way of its own: a fault of the view, each one
    // also logged as a warning under tavo.gui.binding.
    const QStringList& unboundControls() const { return unbound_; }

  protected:
    ModelView(ui::ControlTable table, QWidget* parent);

    const ui::ControlTable& controls() const { return table_; }
    // Connects each widget named after a control (its object name) to the
    // control's handlers: a button's click, a field's edits and Enter, a
    // list's choice, a calendar's day. A control without a widget is unbound,
    // unless `shownOtherwise` says the view shows it another way (drawn, or
    // on paper only).
    void connectControls(const std::function<bool(const QString&)>& shownOtherwise = {});
    // A user's action on `control`: it takes the focus (the field left is
    // checked), then `handler` runs.
    void press(const QString& control, const std::function<void()>& handler);
    // After an event: the model's state shown, the keyboard focus where the
    // model has it, and the desktop told.
    void afterEvent();
    // The widget of this window that shows `control`, and the control of a widget.
    QWidget* widgetFor(const QString& control) const;
    QString controlFor(QWidget* widget) const;
    // The keyboard focus leaves a control when the model has the focus on
    // none that can take it (the main window).
    bool releasesFocus = false;

    // The close box: the model's, then what it changed shown.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectControl(const ui::Control& control, QWidget* widget);
    void onFocusChanged(QWidget* now);

    ui::ControlTable table_;
    QStringList unbound_;
    QMetaObject::Connection focusConnection_;
    bool followingFocus_ = false;
};

}  // namespace tavo::gui
