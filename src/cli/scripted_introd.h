#pragma once

#include "cli/scripted_window.h"
#include "main_window/introd.h"

namespace tavo::cli {

// The main window as a script plays it.
class ScriptedIntrod : public ScriptedWindow {
  public:
    explicit ScriptedIntrod(Introd& window) : w_(window) {}

    QString name() const override { return QStringLiteral("Introd"); }
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
    bool isControl(const QString& control) const;

    Introd& w_;
};

}  // namespace tavo::cli
