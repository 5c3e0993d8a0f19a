#pragma once

#include "entry/form2.h"
#include "gui/model_view.h"

class QCalendarWidget;

namespace tavo::gui {

// The calendar on the desktop: shows the Form2 model and forwards the day the
// user picks to it; no behaviour of its own.
class Form2View : public ModelView {
    Q_OBJECT
  public:
    explicit Form2View(Form2& model, QWidget* parent = nullptr);

    // Shows the model's date when it changed: the month the user browses
    // stays, until the calendar opens again.
    void refresh() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Form2& model_;
    QCalendarWidget* Calendar1_;
    QDate shown_;
};

}  // namespace tavo::gui
