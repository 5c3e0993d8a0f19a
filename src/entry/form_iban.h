#pragma once

#include <QDir>
#include <QString>

#include "beneficiary/iban_lists.h"
#include "beneficiary/reference_lists.h"
#include "entry/list_choice.h"
#include "entry/program_state.h"
#include "text/text_helpers.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Incarc;

// The beneficiary assistant "Completare sectiune BENEFICIAR": fills the
// beneficiary section of the entry window from a treasury unit and an
// obligation (way 1) or from a treasury IBAN and a registration number (way
// 2), and writes the lists of a unit's IBANs. Plain state under the window's
// control names; its lists are `lists.Form_IBAN`, the rows chosen in them its own.
class Form_IBAN {
  public:
    Form_IBAN(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists,
              Incarc& entry);

    // --- controls ---
    bool Option1 = true;   // way 1: treasury unit and obligation
    bool Option2 = false;  // way 2: IBAN and registration number
    bool Frame3Visible = true;
    bool Command5Visible = true;
    bool Frame2Visible = false;
    bool Command9Visible = false;
    QString codIBAN;
    QString nrEVID;
    QString focus;
    bool visible = false;

    ListChoice Benef1;  // "Trezoreria :" the treasury unit
    ListChoice oblig1;  // the obligation of the first way
    // The bank of the last beneficiary IBAN the entry window looked up; not shown.
    ListChoice Banci1;

    static constexpr int kCodIbanLimit = 24;
    static constexpr int kNrEvidLimit = 23;

    // What typing or pasting leaves in `control` (codIBAN or nrEVID):
    // `beforeCaret` ends with what was just typed or pasted, `afterCaret`
    // follows the caret. codIBAN drops blanks first (an IBAN copied in groups
    // fits whole); then the typed limit (`limit`, or the field's own when
    // negative) cuts what was typed.
    static text::TypedText typedText(const QString& control, const QString& beforeCaret,
                                     const QString& afterCaret = QString(), int limit = -1);

    // --- events ---
    // Shows the window with the frame and button of the chosen way.
    void showWindow();
    // "1. Se alege trezoreria si obiectul platii" (1) or "2. Se da 'Cod IBAN'..." (2).
    void Option_Click(int way);
    void setFocus(const QString& control);
    void key_Enter(const QString& control);
    void Command5_Click();  // "Completare sectiune BENEFICIAR" of the first way
    void Command9_Click();  // "Completare sectiune BENEFICIAR" of the second way
    // A list button: writes the list of the chosen unit and opens it.
    void lista_Click(beneficiary::IbanList list);
    void Command8_Click();  // "Informatii"
    void hideWindow() { visible = false; }

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    void codIBAN_LostFocus();
    void nrEVID_LostFocus();
    void oblig1_GotFocus();
    // The entry window after a completion: its checks run, the assistant hides.
    void afterFilling();

    QDir folder_;
    Ui& ui_;
    ProgramState& state_;
    beneficiary::ReferenceLists& lists_;
    Incarc& entry_;
};

}  // namespace tavo
