#include "entry/stored_document.h"

#include "printing/document_page.h"
#include "printing/payload.h"
#include "store/orders_file.h"
#include "text/cp1250.h"

namespace tavo {

StoredDocuments::StoredDocuments(QDir folder, Ui& ui, ProgramState& state,
                                 beneficiary::ReferenceLists& lists)
    : folder_(std::move(folder)), ui_(ui), state_(state), lists_(lists) {}

void StoredDocuments::checkShown(document::Document& document, document::Labels& labels) const {
    // A stored document is checked as it was stored: no obligation is chosen
    // for it, whatever the beneficiary assistant shows for the one being typed.
    const document::CheckContext context{lists_.Form_IBAN.Banci1, QString()};
    showNotices(ui_, document::checkDocument(document, labels, context).notices);
}

CheckedDocument StoredDocuments::load(qint64 nr, const QString& tip_doc) const {
    state_.nr_curent = QString::number(nr);
    state_.tip_doc = tip_doc;
    document::Document document;
    document.nr_ordine = state_.nr_curent;
    document.op = tip_doc == document::kOP;
    document::Labels labels;
    const store::Lookup found = store::OrdersFile(folder_).citire(nr);
    if (found.kind == store::Lookup::Found) {
        // The stored type decides the layout.
        const QString& type = found.document[store::tip_doc];
        if (type == document::kOP || type == document::kFV)
            state_.tip_doc = type;
        document = document::Document::fromStored(found.document, document.op);
        document.nr_ordine = state_.nr_curent;
        if (!document.op)
            document[D1::IBAN_platitor].clear();
        checkShown(document, labels);
    } else if (found.kind == store::Lookup::New) {
        const store::ordin& last = found.document;
        const QString number = document.nr_ordine;
        document = document::prefilledFrom(last, document.op);
        document.nr_ordine = number;
        state_.cod_trez_curent = last[store::IBAN_beneficiar].mid(4, 7);
    }
    // Loading has worked out the derived labels already; the listing works
    // them out once more on the loaded fields, as it always has.
    checkShown(document, labels);
    return checked(document, labels);
}

CheckedDocument StoredDocuments::check(const store::ordin& line) const {
    state_.nr_curent = line[store::nr_ordine];
    const QString& type = line[store::tip_doc];
    if (type == document::kOP || type == document::kFV)
        state_.tip_doc = type;
    document::Document document =
        document::Document::fromStored(line, state_.tip_doc == document::kOP);
    if (!document.op)
        document[D1::IBAN_platitor].clear();
    document::Labels labels;
    checkShown(document, labels);
    return checked(document, labels);
}

CheckedDocument StoredDocuments::checked(const document::Document& document,
                                         document::Labels labels) const {
    labels[B1::marcaj_ordine] = QStringLiteral("(") + state_.nr_curent + QStringLiteral(")");
    CheckedDocument result;
    result.op = document.op;
    result.d1 = document.d1;
    result.b1 = labels;
    result.lista_erori = document::missingData(document);
    result.payload = printing::text_CB(printing::payloadSourceOf(result.d1, result.b1));
    return result;
}

printing::PrintedPage StoredDocuments::page(const CheckedDocument& document, int copii,
                                            std::shared_ptr<const printing::Pdf417> barcode) const {
    return printing::documentPage(document.d1, document.b1, document.op, copii, std::move(barcode));
}

void showMissingData(Ui& ui, const QStringList& lista_erori) {
    if (lista_erori.isEmpty())
        return;
    ui.message(document::missingDataMessage(lista_erori), Icon::Exclamation);
}

bool writeOPCB(const QDir& folder, const CheckedDocument& document, QString* error) {
    return printing::scrie_OPCB(folder, printing::payloadSourceOf(document.d1, document.b1), error);
}

BarcodePicture barcodePicture(const QString& payload) {
    auto symbol = std::make_shared<printing::Pdf417>(
        printing::encodeBarcode(text::toCp1250(payload), QSizeF(printing::form::kBarcode.size())));
    if (!symbol->ok())
        return {nullptr, symbol->error};
    return {std::move(symbol), QString()};
}

printing::TextImageValues textImage(const CheckedDocument& document) {
    return printing::textImageValuesOf(document.d1, document.b1, document.op);
}

}  // namespace tavo
