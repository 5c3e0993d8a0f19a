#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "entry/payment_import.h"
#include "entry/program_state.h"
#include "main_window/document_search.h"
#include "store/orders_file.h"
#include "ui/control_table.h"
#include "ui/ui.h"

namespace tavo {

class Incarc;

// The main window: the list of stored documents, the order number to open and
// the commands. Plain state under the window's own control names; the Qt view
// shows it and forwards the user's events here.
class Introd {
  public:
    Introd(QDir folder, Ui& ui, ProgramState& state);

    // --- controls ---
    QString NrO = QStringLiteral("1");
    QStringList Ordine;       // items of the list: every document, or those Cauta finds
    int OrdineSelectie = -1;  // selected item, -1 for none
    QString Cauta;            // "Caută": the text the list is narrowed to
    QString CautaNumar;       // how many documents Cauta finds; empty when Cauta is
    QString Label3;           // the count of documents
    QString Label5;           // the note on the date format, empty for none (date_setting_note.h)
    bool Option1 = true;      // "OP"
    bool Option2 = false;     // "FV"
    QString focus;            // name of the control that has the focus, empty for none
    bool visible = true;      // hidden while the entry window is open

    // --- events ---
    // Window load: the folder agentie, then the list (the running-copy check
    // is the application's, before the window is made).
    void start();
    // Moves the focus to `control` (empty: away from every control), running
    // the lost-focus rules of the control that had it.
    void setFocus(const QString& control);
    void NrO_Enter();
    // "Ordine", the list of stored documents: a row clicked loads its number and type.
    void Ordine_Click(int index);
    // Cauta's text changed: Ordine lists the documents whose stored line holds
    // it, case and diacritics ignored, or whose amount it names ("12.500,00");
    // every document when it is empty. CautaNumar says how many it found.
    void Cauta_Change();
    // "OP" (Option1, `op` true) or "FV" (Option2): the type of the document to load.
    void Option_Click(bool op);
    // "Incărcare": opens the entry window on the number of NrO and the chosen type.
    void B_start_Click();
    // "Sterge fisier OP/FV-uri ": deletes every stored document, keeping ordine_copie.txt.
    void B_sterg_Click();
    // "Listare OP/ FV": the stored document of NrO with its barcode.
    void B_list_CB_Click();
    // "Listare FV": a stored deposit slip without barcode.
    void B_list_Click();
    // "Listare pachet OP/FV-uri.": every complete document of one payer, type,
    // period and interval of order numbers, printed with its barcode, and
    // their text images collected in LKELM.txt. False when a period that does
    // not read as two dates stopped it (told in a message, nothing printed).
    bool B_OPuri_Click();
    // "Formulare goale pt.OP/FV": a blank payment order or deposit slip.
    void Command2_Click();
    // "?": how order numbers are given.
    void Command1_Click();
    // "Rezumat": the summary of the stored documents, dosar.txt.
    void Command4_Click();
    // "Borderou (1) OP/FV" and "Borderou (2) OP": the payment summary of one
    // payer over a period, written to Borderou.txt and opened in the viewer.
    // The payment summaries; false when a period that does not read as two
    // dates stopped them (told in a message, nothing written).
    bool Command6_Click();   // "Borderou (1) OP/FV"
    bool Command10_Click();  // "Borderou (2) OP"
    // "Fisier agentii (pentru e-mail)": agentie/tabela.txt and its copy under
    // the name the user gives. True when that copy was written and opened.
    bool B_agentii_Click();
    // The reference texts: "Instructiuni", "Versiuni", "Legislatie",
    // "Structuri"; "Scanare" does nothing.
    void Command3_Click();  // "Instructiuni"
    void Command5_Click();  // "Versiuni"
    void Command7_Click();  // "Legislatie"
    void Command9_Click();  // "Structuri"
    void Command8_Click();  // "Scanare"
    // "Import OP/FV": the table of payments the user chooses, checked row by
    // row as the entry window checks a document; the report in the viewer,
    // then "Salvati cele N documente ?" and, on Da, every accepted row saved
    // in one rewrite of ordine.txt and the list loaded again.
    void B_import_Click();
    // "Model import": the model table written into the working folder and opened.
    void B_model_Click();
    // "Export OP/FV": the stored documents of a payer and period (every one
    // when left empty) written as a table for a spreadsheet or for programs,
    // in the file the user chooses.
    void B_export_Click();

    // The steps of "Import OP/FV", for the command line: the table of `path`
    // checked against the stored documents; then the question and the save,
    // true when the documents were written.
    PaymentImport checkImport(const QString& path) const;
    bool saveImport(const PaymentImport& checked);

    // False for a list only read out, never searched (`tavo list`): the
    // folded copies of the stored lines are not made and Cauta is not applied.
    bool searchable = true;
    // Loads ordine.txt into the list, the count and NrO.
    void incarcare_lista();
    // The same from a list the orders file gave without reading the file
    // again (the save on leaving the entry window).
    void incarcare_lista(const store::LoadedList& loaded);

    static QString countLabel(qsizetype count);
    // The number of stored documents, whatever Cauta shows of them.
    qsizetype documentCount() const { return allItems_.size(); }
    // Their items, as the last load of the list gave them.
    const QStringList& storedItems() const { return allItems_; }

    // The entry window that "Incărcare" opens.
    void setEntryWindow(Incarc* entry) { entry_ = entry; }

    // The window's controls with their handlers: its view and its script are built from it.
    ui::ControlTable controls();

  private:
    void NrO_LostFocus();
    // The first steps of both listings: a stored document must be chosen.
    bool documentChosen();
    // The two-copies question: 0 two copies a page, 1 one, nothing on Cancel.
    std::optional<int> askCopiesPerPage();
    void reportUnknownLines(const QList<int>& lines);

    QDir folder_;
    Ui& ui_;
    ProgramState& state_;
    store::OrdersFile orders_;
    QStringList allItems_;  // the item of every stored document
    DocumentSearch search_;
    QList<int> reportedUnknownLines_;
    Incarc* entry_ = nullptr;
};

}  // namespace tavo
