#pragma once

#include <array>

#include "entry/form_nrevid.h"
#include "gui/model_view.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tavo::gui {

class ListCombo;

// The registration-number builder on the desktop: shows the Form_NREVID
// model and forwards the user's events to it; no behaviour of its own.
class FormNrevidView : public ModelView {
    Q_OBJECT
  public:
    explicit FormNrevidView(Form_NREVID& model, QWidget* parent = nullptr);

    void refresh() override;

  private:
    QLineEdit* field(const QString& name, int limit);
    // The result: the obligation's names, the IBAN and the registration number.
    QGridLayout* makeResult();

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
