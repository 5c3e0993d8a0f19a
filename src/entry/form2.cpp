#include "entry/form2.h"

#include "checks/dates.h"
#include "entry/form2_texts.h"
#include "entry/incarc.h"

namespace tavo {

void Form2::openOn(const QDate& today, D1 dateField) {
    Calendar1 = today;
    dateField_ = dateField;
    visible = true;
}

void Form2::Calendar1_Click(const QDate& day) {
    Calendar1 = day;
    // The same year rule as a typed date: nothing before 2015.
    QString text = checks::dateToText(day);
    if (day.year() < 2015 || day.year() > 2999) {
        ui_.message(form2_texts::dateOutOfRange);
        text.clear();
    }
    if (dateField_)
        entry_.d1[*dateField_] = text;
    dateField_.reset();
    entry_.setFocus(QStringLiteral("but_exit"));
    visible = false;
}

void Form2::Command1_Click() {
    entry_.d1[D1::data_emiterii].clear();
    entry_.d1[D1::data_debitarii].clear();
    visible = false;
}

ui::ControlTable Form2::controls() {
    ui::ControlTable table;
    table.window = QStringLiteral("Form2");
    table.shown = [this] { return visible; };
    table.close = [this] {
        visible = false;
        return false;
    };
    table.controls = {
        ui::Control(QStringLiteral("Calendar1"), ui::ControlKind::Calendar)
            .shows([this] { return checks::dateToText(Calendar1); })
            // A double click is two picks: the first one has already closed the calendar.
            .onPick([this](const QDate& day) {
                if (visible)
                    Calendar1_Click(day);
            }),
        ui::button(QStringLiteral("Command1"), [this] { Command1_Click(); }),
    };
    return table;
}

}  // namespace tavo
