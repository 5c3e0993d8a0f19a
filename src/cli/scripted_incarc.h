#pragma once

#include "cli/scripted_window.h"
#include "entry/incarc.h"

namespace tavo::cli {

// The entry window as a script plays it. Its controls answer only while the
// window is open, as on the desktop.
class ScriptedIncarc : public ScriptedWindow {
  public:
    explicit ScriptedIncarc(Incarc& window) : w_(window) {}

    QString name() const override { return QStringLiteral("Incarc"); }
    void type(const QString& control, const QString& text) override;
    void put(const QString& control, const QString& text) override;
    void focus(const QString& control) override;
    void leave(const QString& control) override;
    void key(const QString& control, const QString& key) override;
    void click(const QString& control) override;
    void select(const QString& control, int index) override;
    QStringList items(const QString& control) const override;
    bool close() override;
    QStringList show() const override;

  private:
    // The field a control names, refused when the window is closed or the
    // field hidden (a user cannot reach it either).
    int field(const QString& control) const;
    void requireOpen() const;

    Incarc& w_;
};

}  // namespace tavo::cli
