#pragma once
// Printing a stored document: the document loaded and checked as the entry
// window loads and checks it, its OPCB.txt, its barcode and its printed page.
// The print commands of the main window and `tavo print` are built on these.
#include <QDir>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "beneficiary/reference_lists.h"
#include "document/document_checks.h"
#include "entry/program_state.h"
#include "printing/barcode.h"
#include "printing/printed_page.h"
#include "printing/text_image.h"
#include "store/ordin.h"
#include "ui/ui.h"

namespace tavo {

// A stored document as the entry window holds it once loaded and checked.
struct CheckedDocument {
    bool op = true;           // laid out as a payment order; false: a deposit slip
    document::Fields d1;      // the fields
    document::Labels b1;      // the derived labels; b1(6) the order mark
    QStringList lista_erori;  // the missing data; empty: it may be printed
    QString payload;          // the barcode payload (text_CB)
};

// The stored documents of a working folder, loaded, checked and laid out for
// printing through the document checks, as the entry window loads and checks
// them. Loading leaves in the program's values what "Incărcare" leaves
// (nr_curent, tip_doc). A stored date the checks rewrite or empty is reported
// through the Ui as the entry window reports it; the missing data are only
// returned (showMissingData shows them).
class StoredDocuments {
  public:
    StoredDocuments(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists);

    // Document `nr` of ordine.txt, looked for with the type `tip_doc` ("OP" or
    // "FV") as the main window offers it; the stored type wins. A number with
    // no stored document gives what "Incărcare" pre-fills for a new one.
    CheckedDocument load(qint64 nr, const QString& tip_doc) const;

    // A line already read from ordine.txt, checked the same way: its order
    // number and type (when "OP" or "FV") become nr_curent and tip_doc.
    CheckedDocument check(const store::ordin& line) const;

    // The printed page of the document: `copii` 0 for two copies on the page,
    // 1 for one; `barcode` on both copies, none when null.
    printing::PrintedPage page(const CheckedDocument& document, int copii,
                               std::shared_ptr<const printing::Pdf417> barcode) const;

  private:
    // The document checks on `document`, their messages shown.
    void checkShown(document::Document& document, document::Labels& labels) const;
    CheckedDocument checked(const document::Document& document, document::Labels labels) const;

    QDir folder_;
    Ui& ui_;
    ProgramState& state_;
    beneficiary::ReferenceLists& lists_;
};

// The list of missing data in one message (exclamation icon), as the entry
// window shows it; nothing when the list is empty.
void showMissingData(Ui& ui, const QStringList& lista_erori);

// Writes the payload of `document` as OPCB.txt in `folder`; false (with the
// reason in `error`) when it cannot be written.
bool writeOPCB(const QDir& folder, const CheckedDocument& document, QString* error);

// The PDF417 picture of a payload, or why it cannot be made.
struct BarcodePicture {
    std::shared_ptr<const printing::Pdf417> picture;  // null when it cannot be made
    QString error;
};
BarcodePicture barcodePicture(const QString& payload);

// The text image of the document (LKELM.txt).
printing::TextImageValues textImage(const CheckedDocument& document);

}  // namespace tavo
