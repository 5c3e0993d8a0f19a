#pragma once

#include <QWidget>
#include <functional>

namespace tavo::gui {

// What the windows that the entry window opens share on the desktop: the
// keyboard focus followed into the model (leaving a field runs its checks) and
// back, and the desktop told after every event, so that it shows the windows
// the models want.
class AssistantView : public QWidget {
    Q_OBJECT
  public:
    ~AssistantView() override;

    // Shows the model's state in the controls.
    virtual void refresh() = 0;

    // Called after every event forwarded to the model.
    std::function<void()> windowsChanged;

  protected:
    explicit AssistantView(QWidget* parent);

    // The model's focus: the control's name, empty for none.
    virtual QString modelFocus() const = 0;
    virtual void setModelFocus(const QString& control) = 0;

    // A button pressed: it takes the focus (the field left is checked), then `handler` runs.
    void press(const QString& control, const std::function<void()>& handler);
    // After an event: the model's state shown, the keyboard focus where the
    // model has it, and the desktop told.
    void afterEvent();

  private:
    void onFocusChanged(QWidget* now);
    QString controlFor(QWidget* widget) const;

    QMetaObject::Connection focusConnection_;
    bool followingFocus_ = false;
};

}  // namespace tavo::gui
