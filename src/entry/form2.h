#pragma once

#include <QDate>
#include <optional>

#include "store/field_names.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Incarc;

// The calendar "Calendar": picks the issue date or the debit date of the
// entry window, the one it was opened for.
class Form2 {
  public:
    Form2(Ui& ui, Incarc& entry) : ui_(ui), entry_(entry) {}

    QDate Calendar1;  // the calendar's value
    bool visible = false;

    // Opens on today's date, for the entry window's date field `dateField`.
    void openOn(const QDate& today, D1 dateField);
    // The date field the calendar fills; none when it was not opened for one.
    std::optional<D1> dateField() const { return dateField_; }
    // The user picks a day: it goes into the date field, and the picker closes.
    void Calendar1_Click(const QDate& day);
    // "Anulare data": empties both dates of the entry window and closes.
    void Command1_Click();

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    Ui& ui_;
    Incarc& entry_;
    std::optional<D1> dateField_;
};

}  // namespace tavo
