#pragma once

#include "entry/form_iban.h"
#include "gui/model_view.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavo::gui {

class ListCombo;

// The beneficiary assistant on the desktop: shows the Form_IBAN model and
// forwards the user's events to it; no behaviour of its own.
class FormIbanView : public ModelView {
    Q_OBJECT
  public:
    explicit FormIbanView(Form_IBAN& model, QWidget* parent = nullptr);

    void refresh() override;

  private:
    QGroupBox* makeFrame3();
    QGroupBox* makeFrame2();
    QWidget* makeListButtons(QWidget* parent);

    Form_IBAN& model_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QGroupBox* Frame3_ = nullptr;
    ListCombo* Benef1_ = nullptr;
    ListCombo* oblig1_ = nullptr;
    QPushButton* Command5_;
    QGroupBox* Frame2_ = nullptr;
    QLineEdit* codIBAN_ = nullptr;
    QLineEdit* nrEVID_ = nullptr;
    QPushButton* Command9_;
};

}  // namespace tavo::gui
