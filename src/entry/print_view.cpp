// The entry window as a printed page: the print layout, the barcode picture
// and the print-image operation.
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "entry/stored_document.h"
#include "printing/document_page.h"
#include "printing/payload.h"

namespace tavo {
using printing::declarationNote;
using printing::kE1Fields;
using printing::kF1Sources;

void Incarc::aranjare_listare(int copii) {
    printLayoutShown = true;
    for (bool& shown : d1Visible) shown = false;
    e1Visible.fill(true);
    if (!isPaymentOrder())
        e1Visible[E1::IBAN_platitor] = false;
    Frame2Visible = copii == 0;
    for (size_t i = 0; i < kE1Fields.size(); ++i) e1[i] = d1[kE1Fields[i]];
    b1[B1::cod_angajament] = d1[D1::cod_angajament];
    b1[B1::indicator_angajament] = d1[D1::indicator_angajament];
    b1[B1::cod_program] = d1[D1::cod_program];
    copyToSecondCopy();
    val_decl.fill(declarationNote(d1[D1::nr_evidenta]));
}

void Incarc::vedere_editare() {
    printLayoutShown = false;
    Frame2Visible = false;
    d1Visible.fill(true);
    d1Visible[D1::data_debitarii] = d1[D1::CIF_platitor] == incarc_texts::cifADS;
    e1Visible.fill(false);
    e1Visible[E1::nr_evidenta] = true;
    if (!isPaymentOrder()) {
        d1Visible[D1::IBAN_platitor] = false;
        d1Visible[D1::sucursala_platitor] = false;
    }
}

QString Incarc::text_CB() const {
    return printing::text_CB(printing::payloadSourceOf(d1, b1));
}

bool Incarc::imagine_CB(const QString& payload, QString* error) {
    BarcodePicture barcode = barcodePicture(payload);
    if (!barcode.picture) {
        if (error)
            *error = barcode.error;
        return false;
    }
    Picture = std::move(barcode.picture);
    return true;
}

printing::PrintedPage Incarc::pagina() const {
    printing::PrintedPage page;
    page.look.type = isPaymentOrder() ? printing::FormType::OP : printing::FormType::FV;
    page.look.hints = !printLayoutShown;
    page.look.debitDate = d1[D1::CIF_platitor] == incarc_texts::cifADS;
    // The upper copy: the print labels behind the fields.
    for (size_t i = 0; i < kE1Fields.size(); ++i) {
        if (e1Visible[i])
            page.first.d1[kE1Fields[i]] = e1[i];
    }
    page.first.d1[D1::cod_angajament] = b1[B1::cod_angajament];
    page.first.d1[D1::indicator_angajament] = b1[B1::indicator_angajament];
    page.first.d1[D1::cod_program] = b1[B1::cod_program];
    std::copy(b1.begin(), b1.end(), page.first.b1.begin());
    page.first.val_decl = val_decl[0];
    if (Frame2Visible) {
        // The lower copy: the labels F1 (the branches reach paper through the bank labels).
        printing::FormValues second;
        for (size_t i = 0; i < kF1Sources.size(); ++i) {
            if (kF1Sources[i].field >= 0)
                second.d1[size_t(kF1Sources[i].field)] = F1[i];
            if (kF1Sources[i].label >= 0)
                second.b1[size_t(kF1Sources[i].label)] = F1[i];
        }
        if (!isPaymentOrder())
            second.d1[D1::IBAN_platitor].clear();
        second.val_decl = val_decl[1];
        page.second = second;
    }
    page.barcode = Picture;
    return page;
}

bool Incarc::listare(int copii) {
    if (!verif_OP1().isEmpty())
        return false;
    aranjare_listare(copii);
    const QString payload = text_CB();
    QString error;
    if (!imagine_CB(payload, &error)) {
        // A form without its barcode may be refused at the counter: the user decides.
        if (ui_.ask(incarc_texts::faraCodBare.arg(error)) != Answer::Yes)
            return false;
        Picture.reset();
    }
    ui_.print(printing::printJob(pagina()));
    return true;
}

void Incarc::Command7_Click() {
    listare(1);
    vedere_editare();
    aranjare_macheta();
}

}  // namespace tavo
