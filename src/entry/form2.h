#pragma once

#include <QDate>

#include "entry/program_state.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Incarc;

// The calendar "Calendar": picks the issue date or the debit date of the
// entry window, the one named by camp_calendar.
class Form2 {
  public:
    Form2(Ui& ui, ProgramState& state, Incarc& entry) : ui_(ui), state_(state), entry_(entry) {}

    QDate Calendar1;  // the calendar's value
    bool visible = false;

    // Opens on today's date.
    void openOn(const QDate& today);
    // The user picks a day: it goes into the date field, and the picker closes.
    void Calendar1_Click(const QDate& day);
    // "Anulare data": empties both dates of the entry window and closes.
    void Command1_Click();

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    Ui& ui_;
    ProgramState& state_;
    Incarc& entry_;
};

}  // namespace tavo
