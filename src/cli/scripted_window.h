#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

#include "cli/language.h"
#include "ui/control_table.h"

namespace tavo::cli {

// A script line that cannot be played (unknown control, bad argument).
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// How a window refuses what a user cannot reach.
struct Refusals {
    // The window's state when it is not shown: "not open", "hidden".
    QString closed = translate("Script", "not open");
    // A hidden control is "X is hidden"; otherwise it is no control of the window.
    bool namesHiddenControls = false;
};

// The script's handle on one window model: the user's actions by control
// name, played through the window's table of controls. An action reaches only
// the controls that have a handler for it, while the window is shown and the
// control visible (a user cannot reach it either); `put` sets a field's text
// whether it is visible or not.
class ScriptedWindow {
  public:
    explicit ScriptedWindow(ui::ControlTable table, Refusals refusals = Refusals());

    QString name() const { return table_.window; }
    void type(const QString& control, const QString& text);
    void put(const QString& control, const QString& text);
    void focus(const QString& control);
    void leave(const QString& control);
    void key(const QString& control, const QString& key);
    void click(const QString& control);
    void select(const QString& control, int index);
    // The items of a list, for `items CONTROL` and `select CONTROL =PREFIX`.
    QStringList items(const QString& control) const;
    // The user picks a day (dd/mm/yyyy) in a calendar.
    void pick(const QString& control, const QString& date);
    // The window's close box; true when this ends the program.
    bool close();
    // `NAME=TEXT` or `NAME (hidden)=TEXT`, one line per control.
    QStringList show() const;

  private:
    template <typename Handler>
    const ui::Control& reach(const QString& control, Handler ui::Control::*handler) const;
    const ui::Control& reachAny(const QString& control, bool whenHidden) const;
    void requireShown() const;
    [[noreturn]] void unknown(const QString& control) const;
    [[noreturn]] void hidden(const QString& control) const;

    ui::ControlTable table_;
    Refusals refusals_;
};

}  // namespace tavo::cli
