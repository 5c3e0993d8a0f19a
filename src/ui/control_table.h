#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace tavo::ui {

// What a control is: it says which of the user's actions reach it.
enum class ControlKind {
    TextField,  // typed into; Enter may have a rule
    Button,     // clicked; takes the focus
    Option,     // an option button: clicked; takes the focus
    List,       // rows to choose from
    Calendar,   // a day to pick
    Label,      // a text the window shows; no action reaches it
    Frame,      // a group of controls; no action reaches it
    ScrollBar,  // moved by the view; no action of a script reaches it
};

// One control of a window: its name as scripts and the focus name it
// ("NrO", "d1(3)", "but_exit"), what it is, what it shows and the model's
// handlers of the user's actions on it. A handler left empty means that the
// action does nothing on this control.
struct Control {
    Control(QString controlName, ControlKind controlKind)
        : name(std::move(controlName)), kind(controlKind) {}

    QString name;
    ControlKind kind;
    // The text the control shows (a field's text, a list's chosen row, an
    // option's 1 or 0); empty function: none.
    std::function<QString()> value;
    // Whether the control is on the window now; empty function: always. A
    // hidden control is out of the user's reach.
    std::function<bool()> visible;
    std::function<void()> click;
    // The user types `text` into the field, replacing what it held.
    std::function<void(const QString& text)> type;
    // The field now holds `text` (an edit on the desktop, a script's `put`).
    std::function<void(const QString& text)> change;
    // The Enter key in the control.
    std::function<void()> enter;
    // Ctrl+Z in the control.
    std::function<void()> undo;
    // The user chooses row `row` of the list (-1: none).
    std::function<void(int row)> select;
    std::function<QStringList()> items;
    // The user picks a day in the calendar.
    std::function<void(const QDate& day)> pick;

    // The table of a window reads as a list of these, one line per handler.
    Control& shows(std::function<QString()> f) { return set(value, std::move(f)); }
    Control& shownWhen(std::function<bool()> f) { return set(visible, std::move(f)); }
    Control& onClick(std::function<void()> f) { return set(click, std::move(f)); }
    Control& onType(std::function<void(const QString&)> f) { return set(type, std::move(f)); }
    Control& onChange(std::function<void(const QString&)> f) { return set(change, std::move(f)); }
    // Typing replaces the text as an edit does.
    Control& onEdit(const std::function<void(const QString&)>& f) {
        type = f;
        return set(change, f);
    }
    Control& onEnter(std::function<void()> f) { return set(enter, std::move(f)); }
    Control& onUndo(std::function<void()> f) { return set(undo, std::move(f)); }
    Control& onSelect(std::function<void(int)> f) { return set(select, std::move(f)); }
    Control& listing(std::function<QStringList()> f) { return set(items, std::move(f)); }
    Control& onPick(std::function<void(const QDate&)> f) { return set(pick, std::move(f)); }

    bool isVisible() const { return !visible || visible(); }
    // Labels, frames and scroll bars are shown; the user does not act on them.
    bool takesActions() const {
        return kind != ControlKind::Label && kind != ControlKind::Frame &&
               kind != ControlKind::ScrollBar;
    }

  private:
    template <typename Handler>
    Control& set(Handler& handler, Handler f) {
        handler = std::move(f);
        return *this;
    }
};

// A button whose click runs `click`.
inline Control button(const QString& name, std::function<void()> click) {
    return Control(name, ControlKind::Button).onClick(std::move(click));
}

// A label (or, with `kind`, a frame or a scroll bar) showing `value`.
inline Control label(const QString& name, std::function<QString()> value = {},
                     ControlKind kind = ControlKind::Label) {
    return Control(name, kind).shows(std::move(value));
}

// A window's controls, in the order `show` lists them, with the window's
// focus and close box: what its Qt view and its script adapter are built from.
struct ControlTable {
    QString window;  // "Introd", "Incarc", "Form_IBAN"...
    std::vector<Control> controls;
    // Whether the window is shown; empty function: always.
    std::function<bool()> shown;
    // The control with the focus (empty for none), and moving it, with the
    // lost-focus rules of the control left; empty functions: the window
    // keeps no focus.
    std::function<QString()> focus;
    std::function<void(const QString& control)> setFocus;
    // The window's close box; true when that ends the program.
    std::function<bool()> close;

    const Control* find(const QString& name) const {
        for (const Control& control : controls) {
            if (control.name == name)
                return &control;
        }
        return nullptr;
    }
    bool isShown() const { return !shown || shown(); }
    void moveFocus(const QString& control) const {
        if (setFocus)
            setFocus(control);
    }
    QString focused() const { return focus ? focus() : QString(); }
};

}  // namespace tavo::ui
