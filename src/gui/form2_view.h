#pragma once

#include <QWidget>
#include <functional>

#include "entry/form2.h"

class QCalendarWidget;

namespace tavo::gui {

// The calendar on the desktop: shows the Form2 model and forwards the day the
// user picks to it; no behaviour of its own.
class Form2View : public QWidget {
    Q_OBJECT
  public:
    explicit Form2View(Form2& model, QWidget* parent = nullptr);

    // Shows the model's date when it changed: the month the user browses
    // stays, until the calendar opens again.
    void refresh();

    // Called after every event forwarded to the model.
    std::function<void()> windowsChanged;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void pick(const QDate& day);
    void afterEvent();

    Form2& model_;
    QCalendarWidget* Calendar1_;
    QDate shown_;
};

}  // namespace tavo::gui
