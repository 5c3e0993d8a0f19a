#include "cli/scripted_window.h"

#include <algorithm>

namespace tavo::cli {

using ui::Control;
using ui::ControlKind;

ScriptedWindow::ScriptedWindow(ui::ControlTable table, Refusals refusals)
    : table_(std::move(table)), refusals_(std::move(refusals)) {}

void ScriptedWindow::requireShown() const {
    if (!table_.isShown())
        throw ScriptError(translate("Script", "the window %1 is %2").arg(name(), refusals_.closed));
}

void ScriptedWindow::unknown(const QString& control) const {
    throw ScriptError(
        translate("Script", "%1 has no control '%2' for this command").arg(name(), control));
}

void ScriptedWindow::hidden(const QString& control) const {
    if (!refusals_.namesHiddenControls)
        unknown(control);
    throw ScriptError(translate("Script", "%1 is hidden").arg(control));
}

// A window none of whose controls takes the action refuses it before asking
// whether it is shown.
template <typename Handler>
const Control& ScriptedWindow::reach(const QString& control, Handler Control::*handler) const {
    if (std::ranges::none_of(table_.controls,
                             [handler](const Control& c) { return bool(c.*handler); }))
        unknown(control);
    requireShown();
    const Control* found = table_.find(control);
    if (!found || !(found->*handler))
        unknown(control);
    if (!found->isVisible())
        hidden(control);
    return *found;
}

// The controls the user acts on: those that take the focus, and the others
// that have a click of their own.
const Control& ScriptedWindow::reachAny(const QString& control, bool whenHidden) const {
    requireShown();
    const Control* found = table_.find(control);
    if (!found || !found->takesActions() || (!table_.setFocus && !found->click))
        unknown(control);
    if (!whenHidden && !found->isVisible())
        hidden(control);
    return *found;
}

void ScriptedWindow::type(const QString& control, const QString& text) {
    const Control& target = reach(control, &Control::type);
    table_.moveFocus(control);
    target.type(text);
    table_.moveFocus(QString());
}

void ScriptedWindow::put(const QString& control, const QString& text) {
    if (std::ranges::none_of(table_.controls, [](const Control& c) { return bool(c.change); }))
        unknown(control);
    requireShown();
    const Control* found = table_.find(control);
    if (!found || !found->change)
        unknown(control);
    found->change(text);
}

void ScriptedWindow::focus(const QString& control) {
    if (!table_.setFocus)
        unknown(control);
    reachAny(control, false);
    table_.moveFocus(control);
}

void ScriptedWindow::leave(const QString& control) {
    if (!table_.setFocus)
        unknown(control);
    reachAny(control, true);
    if (table_.focused() == control)
        table_.moveFocus(QString());
}

// Enter, and Ctrl+Z in a window that has it; no other key.
void ScriptedWindow::key(const QString& control, const QString& key) {
    const bool undo =
        key == QLatin1String("Ctrl+Z") &&
        std::ranges::any_of(table_.controls, [](const Control& c) { return bool(c.undo); });
    const Control& target = reach(control, undo ? &Control::undo : &Control::enter);
    if (!undo && key != QLatin1String("Enter"))
        unknown(control + ' ' + key);
    table_.moveFocus(control);
    if (undo)
        target.undo();
    else
        target.enter();
}

// A click on a control that takes the focus moves it there first.
void ScriptedWindow::click(const QString& control) {
    const Control& target = reachAny(control, false);
    table_.moveFocus(control);
    if (target.click)
        target.click();
}

void ScriptedWindow::select(const QString& control, int index) {
    const Control& target = reach(control, &Control::select);
    const qsizetype rows = target.items ? target.items().size() : 0;
    if (index >= rows)
        throw ScriptError(translate("Script", "%1 has %2 items").arg(control).arg(rows));
    target.select(index);
}

QStringList ScriptedWindow::items(const QString& control) const {
    const Control* found = table_.find(control);
    if (!found || !found->items)
        unknown(control);
    if (!found->isVisible())
        hidden(control);
    return found->items();
}

void ScriptedWindow::pick(const QString& control, const QString& date) {
    if (std::ranges::none_of(table_.controls, [](const Control& c) { return bool(c.pick); }))
        unknown(control + ' ' + date);
    const Control& target = reach(control, &Control::pick);
    const QDate day = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    if (!day.isValid())
        throw ScriptError(translate("Script", "'%1' is not a day dd/mm/yyyy").arg(date));
    target.pick(day);
}

bool ScriptedWindow::close() {
    requireShown();
    return table_.close && table_.close();
}

QStringList ScriptedWindow::show() const {
    QStringList lines;
    for (const Control& control : table_.controls) {
        lines.append(control.name +
                     (control.isVisible() ? QStringLiteral("=") : QStringLiteral(" (hidden)=")) +
                     (control.value ? control.value() : QString()));
    }
    return lines;
}

}  // namespace tavo::cli
