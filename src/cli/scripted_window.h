#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace tavo::cli {

// A script line that cannot be played (unknown control, bad argument).
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// The script's handle on one window model: the user's actions by control name.
// Each window supports the actions that make sense for its controls and
// throws ScriptError for the others.
class ScriptedWindow {
  public:
    virtual ~ScriptedWindow() = default;

    virtual QString name() const = 0;
    virtual void type(const QString& control, const QString& text) = 0;
    virtual void put(const QString& control, const QString& text) = 0;
    virtual void focus(const QString& control) = 0;
    virtual void leave(const QString& control) = 0;
    virtual void key(const QString& control, const QString& key) = 0;
    virtual void click(const QString& control) = 0;
    virtual void select(const QString& control, int index) = 0;
    // The items of a list, for `items CONTROL` and `select CONTROL =PREFIX`.
    virtual QStringList items(const QString& control) const = 0;
    // The user picks a day in a calendar.
    virtual void pick(const QString& control, const QString& date) {
        unknown(control + ' ' + date);
    }
    // The window's close box; true when this ends the program.
    virtual bool close() = 0;
    // `NAME=TEXT` or `NAME (hidden)=TEXT`, one line per control.
    virtual QStringList show() const = 0;

  protected:
    [[noreturn]] void unknown(const QString& control) const {
        throw ScriptError(
            QStringLiteral("%1 has no control '%2' for this command").arg(name(), control));
    }
};

}  // namespace tavo::cli
