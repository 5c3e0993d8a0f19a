#pragma once

#include <QString>

#include "beneficiary/reference_lists.h"
#include "entry/list_choice.h"
#include "entry/program_state.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Incarc;

// The registration-number builder "Formare cont IBAN si Nr.de evidenta a
// platii": composes the 23-character payment registration number and the
// treasury IBAN of a tax decision or a contravention report, and writes them
// into the entry window's beneficiary section. Its lists are `lists.Form_NREVID`,
// the rows chosen in them its own.
class Form_NREVID {
  public:
    Form_NREVID(Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists, Incarc& entry);

    // --- controls ---
    int tip =
        22;  // the chosen document type: 20 (Option1), 22 (Option2), 26 (Option3), 27 (Option4)
    QString data_decizie;
    QString serie_sasiu;
    QString denL, denS;  // long and short name of the chosen obligation
    QString nrev;        // the registration number in groups
    QString codIBAN;     // the IBAN in groups
    QString oblig1Tip;   // the tool tip of the obligation lists
    QString focus;
    bool visible = false;

    // What the chosen type shows.
    bool oblig1Visible() const { return tip == 20 || tip == 27; }
    bool oblig2Visible() const { return tip == 22; }
    bool serieVisible() const { return tip == 26; }
    bool et1Visible() const { return tip != 26; }

    ListChoice Benef1;      // "Alegeti trezoreria :"
    ListChoice oblig1;      // the tax obligation, long names
    ListChoice oblig3;      // the same obligation, short names; not shown
    ListChoice oblig2;      // the fine
    ListChoice categ_fisc;  // "Alegeti categoria fiscala"

    static constexpr int kDataLimit = 6;
    static constexpr int kSerieLimit = 4;

    // The type of an option button (1 to 4) and back.
    static int optionType(int option);

    // At start the fine-document type is chosen, with its category "01 - debit".
    void resetToStart();

    // --- events ---
    void showWindow() { visible = true; }
    // The document type buttons "(20) Decizie de impunere..." to "(27) Decizie de amanare...".
    void Option_Click(int option);
    void Benef1_Click(int row);      // the list "Alegeti trezoreria :"
    void oblig1_Click(int row);      // the list of tax obligations, types 20 and 27
    void oblig2_Click(int row);      // the list of fines, type 22
    void categ_fisc_Click(int row);  // the list "Alegeti categoria fiscala"
    void setFocus(const QString& control);
    void key_Enter(const QString& control);
    void Command5_Click();  // "Formare cont IBAN  si  'Nr.de evidenta a platii'"

    // Empties the result here and in the entry window.
    void anulez();

    // The date test of data_decizie (day, month, two-digit year): true for
    // an empty text or a calendar date.
    static bool isValidDate(const QString& text);
    // The registration number of the chosen inputs, and its grouping.
    QString nr_evidenta() const;
    static QString groupRegistrationNumber(const QString& number);
    static QString groupIban(const QString& iban);

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    void data_decizie_LostFocus();
    QString budgetAccount() const;

    Ui& ui_;
    ProgramState& state_;
    Incarc& entry_;
};

}  // namespace tavo
