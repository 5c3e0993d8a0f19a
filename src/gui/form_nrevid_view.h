#pragma once

#include <array>

#include "entry/form_nrevid.h"
#include "gui/assistant_view.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tavo::gui {

class ListCombo;

// The registration-number builder on the desktop: shows the Form_NREVID
// model and forwards the user's events to it; no behaviour of its own.
class FormNrevidView : public AssistantView {
    Q_OBJECT
  public:
    explicit FormNrevidView(Form_NREVID& model, QWidget* parent = nullptr);

    void refresh() override;

  protected:
    QString modelFocus() const override { return model_.focus; }
    void setModelFocus(const QString& control) override { model_.setFocus(control); }
    void closeEvent(QCloseEvent* event) override;

  private:
    ListCombo* list(const QString& name, void (Form_NREVID::*handler)(int));
    QLineEdit* field(const QString& name, int limit, QString Form_NREVID::*text);

    Form_NREVID& model_;
    ListCombo* Benef1_;
    std::array<QRadioButton*, 4> Option_{};
    QLabel* et1_;
    ListCombo* oblig1_;
    ListCombo* oblig2_;
    ListCombo* categ_fisc_;
    QLineEdit* data_decizie_;
    QLabel* et_serie_sasiu_;
    QLineEdit* serie_sasiu_;
    QLabel* denL_;
    QLabel* denS_;
    QLabel* codIBAN_;
    QLabel* nrev_;
};

}  // namespace tavo::gui
