// The main window's print commands: a stored document with or without its
// barcode, and the blank forms. Each runs on a fresh, hidden entry window.
#include "checks/dates.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "entry/stored_document.h"
#include "main_window/date_setting_note.h"
#include "main_window/introd.h"
#include "main_window/introd_texts.h"
#include "text/text_helpers.h"

namespace tavo {

bool Introd::documentChosen() {
    if (text::numericValue(NrO) == documentCount() + 1) {
        ui_.message(introd_texts::chooseDocument, Icon::Exclamation);
        setFocus(QStringLiteral("Ordine"));
        return false;
    }
    state_.tip_doc = Option1 ? QStringLiteral("OP") : QStringLiteral("FV");
    state_.nr_curent = QString::number(text::numericValue(NrO));
    return true;
}

std::optional<int> Introd::askCopiesPerPage() {
    switch (ui_.ask(introd_texts::askCopiesPerPage, Buttons::YesNoCancel)) {
        case Answer::Yes:
            return 0;
        case Answer::No:
            return 1;
        case Answer::Cancel:
            break;
    }
    return std::nullopt;
}

void Introd::B_list_CB_Click() {
    if (!entry_)
        return;
    if (!dateSettingUsable(ui_) || !documentChosen())
        return;
    const std::optional<int> copies = askCopiesPerPage();
    if (!copies)
        return;
    visible = false;
    const StoredDocuments documents(folder_, ui_, state_, entry_->lists());
    const qint64 nr = text::numericValue(state_.nr_curent);
    // The check pass leaves the payload of the document in OPCB.txt.
    const CheckedDocument checked = documents.load(nr, state_.tip_doc);
    showMissingData(ui_, checked.lista_erori);
    QString error;
    if (!writeOPCB(folder_, checked, &error)) {
        ui_.message(introd_texts::opcbNotWritten.arg(error), Icon::Exclamation);
    }
    if (checked.lista_erori.isEmpty()) {
        // The print pass loads and checks the document afresh, now with its
        // stored type; a stored date the checks rewrite is reported again.
        const CheckedDocument printed = documents.load(nr, state_.tip_doc);
        showMissingData(ui_, printed.lista_erori);
        if (printed.lista_erori.isEmpty()) {
            const BarcodePicture barcode = barcodePicture(checked.payload);
            if (barcode.picture ||
                ui_.ask(incarc_texts::faraCodBare.arg(barcode.error)) == Answer::Yes) {
                ui_.print(printing::printJob(documents.page(printed, *copies, barcode.picture)));
            }
        }
    }
    visible = true;
}

void Introd::B_list_Click() {
    if (!entry_ || !documentChosen())
        return;
    const QString refused = introd_texts::orderNeedsBarcode;
    if (state_.tip_doc == QLatin1String("OP")) {
        ui_.message(refused, Icon::Exclamation);
        return;
    }
    const std::optional<int> copies = askCopiesPerPage();
    if (!copies)
        return;
    visible = false;
    const StoredDocuments documents(folder_, ui_, state_, entry_->lists());
    const CheckedDocument document =
        documents.load(text::numericValue(state_.nr_curent), state_.tip_doc);
    showMissingData(ui_, document.lista_erori);
    // The stored type decides the layout: a payment order stays refused.
    if (document.op) {
        ui_.message(refused, Icon::Exclamation);
    } else if (document.lista_erori.isEmpty()) {
        ui_.print(printing::printJob(documents.page(document, *copies, nullptr)));
    }
    visible = true;
}

void Introd::Command2_Click() {
    printing::FormType type = printing::FormType::OP;
    if (ui_.ask(introd_texts::askBlankOrder) != Answer::Yes) {
        if (ui_.ask(introd_texts::askBlankSlip) != Answer::Yes)
            return;
        type = printing::FormType::FV;
    }
    visible = false;
    printing::PrintedPage page;
    page.blank = true;
    page.look = {type, false, type == printing::FormType::OP};
    ui_.print(printing::printJob(page));
    visible = true;
}

}  // namespace tavo
