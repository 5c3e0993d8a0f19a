#pragma once

#include <QDate>
#include <QDir>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "beneficiary/reference_lists.h"
#include "document/document_checks.h"
#include "document/field_checks.h"
#include "printing/printed_page.h"
#include "printing/text_image.h"
#include "store/field_names.h"
#include "store/orders_file.h"
#include "text/text_helpers.h"
#include "entry/program_state.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Form_IBAN;
class Form_NREVID;
class Form2;

// A line shown beside the form when a field check emptied what the user typed
// without a message of its own, or read an amount other than the user meant.
// It stays until the user types in that field again, another hint takes its
// place or the window closes.
using document::FieldHint;

// The part of a field's text to select: `length` characters from `start`.
struct FieldSelection {
    int start = 0;
    int length = 0;
};

// The entry window: one payment document, typed on a drawing of the paper
// form. Plain state under the window's own control names; the Qt view shows it
// and forwards the user's events here, and `tavo script` drives it the same way.
class Incarc {
  public:
    static constexpr int kFields = kD1Count;

    Incarc(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists);

    // --- controls ---
    std::array<QString, kFields> d1;  // the fields of the document
    std::array<bool, kFields> d1Visible{};
    std::array<QString, kB1Count> b1;  // derived labels
    std::array<QString, kE1Count> e1;  // print labels behind the fields
    std::array<bool, kE1Count> e1Visible{};
    // The print labels of the second copy.
    std::array<QString, kF1Count> F1;
    std::array<QString, 2> val_decl;  // the declaration note of both copies
    QString titlu;                    // the title label of both copies
    bool B_cal1Visible = false;       // the debit date's calendar button
    // The parts of the form a deposit slip does not have (payer IBAN and
    // bank, BIC captions, transfer type, acceptance): shown for a payment order.
    bool orderPartsShown = true;
    bool visible = false;  // the window is shown
    // The print layout: buttons, frames and hints hidden, the fields shown
    // through their print labels e1, the commitment labels of b1 and the second
    // copy's F1.
    bool printLayoutShown = false;
    bool Frame2Visible = false;  // the second copy on the page
    // The PDF417 picture of both copies (Picture1, Picture2); none when empty.
    std::shared_ptr<const printing::Pdf417> Picture;
    QString focus;  // the control with the focus ("d1(k)" for a field, "but_exit"), empty for none
    // The scroll bars and the drawing's place (twips).
    int HScroll1 = 0;
    int VScroll1 = 120;
    int Frame8Left = 120;
    int Frame8Top = 0;
    // The farthest the horizontal bar goes (twips): 3000, or more when the
    // window shows the drawing enlarged and its right side is out of sight.
    int HScroll1Max = 3000;

    // --- the fields' fixed properties ---
    static int typingLimit(int k);      // typed limit
    static bool isTwoLineField(int k);  // two-line field that wraps
    static int ordineTab(int k);        // position in the tab order, 1 to 18
    static QString tooltip(int k);
    // The caption printed beside the field, as a screen reader says it.
    static QString printedCaption(int k);
    // The control the Enter key moves to from d1(k) (a field's name, "but_exit").
    QString enterTarget(int k) const;
    // The field (-1 for none) that a control name "d1(k)" names.
    static int fieldIndex(const QString& control);
    static QString fieldName(int k);

    // --- layout and loading ---
    void aranjare_macheta();
    void golire_macheta();
    void umplere_macheta(const store::ordin& document);
    void ordin_nou(const store::ordin& document);
    // Empties the window and fills it with the document numbered nr_curent,
    // or pre-fills a new one from the last stored document.
    void citire_ordin();
    // Shows the window that the main window's "Incărcare" has loaded: the
    // order mark, the debit date for the state-domain agency, the scroll bars.
    void showWindow();
    // The order mark (B1::marcaj_ordine): the order number in parentheses, printed in the
    // lower left corner so that a printed document can be found again.
    void setOrderMark();

    // --- events ---
    // Moves the focus to `control` (empty: away from every control). Leaving
    // a field runs its field checks.
    void setFocus(const QString& control);
    // What typing or pasting leaves in d1(k): `beforeCaret` ends with what was
    // just typed or pasted, `afterCaret` follows the caret. The IBAN fields
    // drop blanks first (an IBAN copied in groups fits whole); then the typed
    // limit (`limit`, or typingLimit(k) when negative) cuts what was typed.
    static text::TypedText typedText(int k, const QString& beforeCaret,
                                     const QString& afterCaret = QString(), int limit = -1);
    // The user types `text` into d1(k), replacing its text.
    void typeText(int k, const QString& text);
    // d1(k) holds `text` now, as the user edited it: what a check took from
    // the field is forgotten, and so is the field's hint.
    void editField(int k, const QString& text);
    // Whether the checks of d1(k) emptied or replaced what the user had typed
    // there, and the field still holds what they left.
    bool canRestoreTyped(int k) const;
    // Ctrl+Z in d1(k), or "Anulare" of its menu, after such a check: the text
    // typed comes back into the field, which takes the focus, to be corrected;
    // leaving it runs the checks again. The part to select (all of it), or
    // nothing when no check took anything from the field.
    std::optional<FieldSelection> restoreTyped(int k);
    void key_Enter(int k);
    void click_d1(int k);
    // "Iesire": saves the document and goes back to the main window; Cancel
    // at "Salvati ?" stays in the form, nothing saved and nothing dropped.
    void but_exit_Click();
    // The window's close box: the same as "Iesire", so nothing typed is lost
    // without the user saying so.
    void closeBoxClicked();
    void Command8_Click();  // "Fondul pt. mediu"
    void Command4_Click();  // "Fisier date"
    // The reference texts: "Instr.", "Inf.utile", "Legislatie", and
    // "Sugestii" (Sugestii.txt, made from Sugestii1.txt the first time).
    void Command2_Click();    // "Instr."
    void Command5_Click();    // "Inf.utile"
    void B_legi_Click();      // "Legislatie"
    void But_explic_Click();  // "Sugestii"
    // The beneficiary assistant, the registration-number builder and the
    // calendar for the issue date (B_cal) or the debit date (B_cal1).
    void Command1_Click();  // "Completare sectiune BENEFICIAR"
    void Command6_Click();  // "Nr.evid.Decizii, PV"
    void B_cal_Click();     // "Calendar" beside Data emiterii
    void B_cal1_Click();    // "Calendar" beside Data debitarii
    void Form_Resize();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);

    // --- printing ---
    // The print layout: 0 for two copies on the page, 1 for one.
    void aranjare_listare(int copii);
    // Back to the entry layout after printing.
    void vedere_editare();
    // The barcode payload of the document shown.
    QString text_CB() const;
    // Makes the PDF417 picture of `payload` for both copies; false (with the
    // reason in `error`) when it cannot be made.
    bool imagine_CB(const QString& payload, QString* error = nullptr);
    // The page the print layout shows.
    printing::PrintedPage pagina() const;
    // Prints the document shown, with its barcode, when nothing is missing.
    // `copii` as for aranjare_listare. False when nothing was printed.
    bool listare(int copii);
    // "Listare": one copy of the document shown, then the entry layout again.
    void Command7_Click();
    // The text image of the document shown: its fields and derived labels.
    printing::TextImageValues imagine_text() const;
    // "OP/FV - imagine text": both copies of the text image into LKELM.txt,
    // then the viewer. The declaration note goes into val_decl(0) too.
    void Command3_Click();

    // --- the field checks and the document checks ---
    // The checks run when d1(k) loses the focus.
    void leaveField(int k);
    // The normalisation of d1(k) alone, its messages shown.
    void verif1(int k);
    // The check of the whole document, its messages shown.
    void verif_OP();
    // The missing data of the document shown (verif_OP1 shows them too).
    QStringList verif_OP2() const;
    QStringList verif_OP1();
    // Selects in the assistant's units the treasury unit of the IBAN d1(k)
    // (nothing without an assistant).
    void poz_IBAN(int k);
    // The document shown, and what its checks read besides it.
    document::Document currentDocument() const;
    document::CheckContext checkContext() const;

    // The document as it is stored: the order number nr_curent, the fields,
    // and the type from the title.
    store::ordin document() const;
    bool isPaymentOrder() const { return titlu.startsWith(QLatin1Char('O')); }

    beneficiary::ReferenceLists& lists() { return lists_; }
    // The beneficiary assistant, null when there is none (tests, headless checks).
    Form_IBAN* assistant() const { return assistant_; }
    // The windows this one opens (the program makes them).
    void setAssistants(Form_IBAN* assistant, Form_NREVID* builder, Form2* calendar) {
        assistant_ = assistant;
        builder_ = builder;
        calendar_ = calendar;
    }

    // The hint for the field left last; hintsGiven counts every hint given.
    FieldHint hint;
    int hintsGiven = 0;
    void clearHint() { hint = {}; }

    // Today's date, for the date fields that default to it (tests set it).
    std::function<QDate()> todayForTests;

    // The list of the main window as its last load gave it: the save on
    // leaving gives from it the list of the file as written.
    std::function<QStringList()> mainListItems;
    // Called when the window is left, with that list after a save (null when
    // nothing was saved): the main window takes it, or reloads, and shows.
    std::function<void(const store::LoadedList* saved)> onExit;

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    void showDebitDate(bool shown);
    // The calendar, opened on today for the date field it fills.
    void openCalendar(D1 dateField);
    void copyToSecondCopy();
    void closeWindow(const store::LoadedList* saved = nullptr);
    void handOverToAssistant();
    // Leaving d1(k): its checks, then what they took from the user kept.
    void checkLeftField(int k);
    void forgetTypedTexts();

    // The field the focus left last: "Salvati ?" called off goes back to it.
    QString lastField_;
    QDir folder_;
    Ui& ui_;
    ProgramState& state_;
    beneficiary::ReferenceLists& lists_;
    store::OrdersFile orders_;
    Form_IBAN* assistant_ = nullptr;
    Form_NREVID* builder_ = nullptr;
    Form2* calendar_ = nullptr;
    // What the checks took from each field: the text typed before them, and
    // the text they left (empty `typed`: nothing taken).
    struct TakenText {
        QString typed;
        QString left;
    };
    std::array<TakenText, kFields> taken_;
};

}  // namespace tavo
