#pragma once

#include "cli/scripted_window.h"
#include "entry/form2.h"
#include "entry/form_iban.h"
#include "entry/form_nrevid.h"

namespace tavo::cli {

// The windows the entry window opens, as a script plays them. Like on the
// desktop, their controls answer only while the window is shown.
class ScriptedAssistant : public ScriptedWindow {
  public:
    void type(const QString& control, const QString&) override { unknown(control); }
    void put(const QString& control, const QString&) override { unknown(control); }
    void focus(const QString& control) override { unknown(control); }
    void leave(const QString& control) override { unknown(control); }
    void key(const QString& control, const QString&) override { unknown(control); }
    void click(const QString& control) override { unknown(control); }
    void select(const QString& control, int) override { unknown(control); }
    QStringList items(const QString& control) const override { unknown(control); }
    bool close() override;

  protected:
    virtual bool shown() const = 0;
    virtual void hide() = 0;
    void requireShown() const;
    // Selects row `index` of a list, refused beyond its rows.
    static void checkRow(const beneficiary::ReferenceList& list, const QString& name, int index);
};

class ScriptedFormIban : public ScriptedAssistant {
  public:
    explicit ScriptedFormIban(Form_IBAN& window) : w_(window) {}
    QString name() const override { return QStringLiteral("Form_IBAN"); }
    void type(const QString& control, const QString& text) override;
    void put(const QString& control, const QString& text) override;
    void focus(const QString& control) override;
    void leave(const QString& control) override;
    void key(const QString& control, const QString& key) override;
    void click(const QString& control) override;
    void select(const QString& control, int index) override;
    QStringList items(const QString& control) const override;
    QStringList show() const override;

  private:
    bool shown() const override { return w_.visible; }
    void hide() override { w_.ascunde(); }
    QString* field(const QString& control);
    Form_IBAN& w_;
};

class ScriptedFormNrevid : public ScriptedAssistant {
  public:
    explicit ScriptedFormNrevid(Form_NREVID& window) : w_(window) {}
    QString name() const override { return QStringLiteral("Form_NREVID"); }
    void type(const QString& control, const QString& text) override;
    void put(const QString& control, const QString& text) override;
    void focus(const QString& control) override;
    void leave(const QString& control) override;
    void key(const QString& control, const QString& key) override;
    void click(const QString& control) override;
    void select(const QString& control, int index) override;
    QStringList items(const QString& control) const override;
    QStringList show() const override;

  private:
    bool shown() const override { return w_.visible; }
    void hide() override { w_.visible = false; }
    QString* field(const QString& control);
    beneficiary::ReferenceList& list(const QString& control) const;
    Form_NREVID& w_;
};

class ScriptedForm2 : public ScriptedAssistant {
  public:
    explicit ScriptedForm2(Form2& window) : w_(window) {}
    QString name() const override { return QStringLiteral("Form2"); }
    void click(const QString& control) override;
    void pick(const QString& control, const QString& date) override;
    QStringList show() const override;

  private:
    bool shown() const override { return w_.visible; }
    void hide() override { w_.visible = false; }
    Form2& w_;
};

}  // namespace tavo::cli
