#include "entry/stored_document.h"

#include "printing/payload.h"
#include "text/cp1250.h"

namespace tavo {
namespace {

const QString kOP = QStringLiteral("OP");
const QString kFV = QStringLiteral("FV");

}  // namespace

StoredDocuments::StoredDocuments(QDir folder, Ui& ui, ProgramState& state,
                                 beneficiary::ReferenceLists& lists)
    : folder_(std::move(folder)), ui_(ui), state_(state), lists_(lists) {}

CheckedDocument StoredDocuments::load(qint64 nr, const QString& tip_doc) const {
    state_.nr_curent = QString::number(nr);
    state_.tip_doc = tip_doc;
    Incarc entry(folder_, ui_, state_, lists_);
    entry.citire_ordin();
    // Loading has worked out the derived labels already; the listing works
    // them out once more on the loaded fields, as it always has.
    entry.verif_OP();
    return checked(entry);
}

CheckedDocument StoredDocuments::check(const store::ordin& line) const {
    state_.nr_curent = line[store::nr_ordine];
    const QString& type = line[store::tip_doc];
    if (type == kOP || type == kFV)
        state_.tip_doc = type;
    Incarc entry(folder_, ui_, state_, lists_);
    entry.umplere_macheta(line);
    return checked(entry);
}

CheckedDocument StoredDocuments::checked(Incarc& entry) const {
    entry.setOrderMark();
    entry.verif_OP2();
    CheckedDocument document;
    document.op = entry.isPaymentOrder();
    document.d1 = entry.d1;
    document.b1 = entry.b1;
    document.lista_erori = state_.lista_erori;
    document.payload = entry.text_CB();
    return document;
}

printing::PrintedPage StoredDocuments::page(const CheckedDocument& document, int copii,
                                            std::shared_ptr<const printing::Pdf417> barcode) const {
    // The layout takes only the type from the program's values: values of its
    // own keep the page to the document's type and leave the program's alone.
    ProgramState layout;
    layout.tip_doc = document.op ? kOP : kFV;
    Incarc entry(folder_, ui_, layout, lists_);
    entry.d1 = document.d1;
    entry.b1 = document.b1;
    entry.aranjare_listare(copii);
    entry.Picture = std::move(barcode);
    return entry.pagina();
}

void showMissingData(Ui& ui, const QStringList& lista_erori) {
    if (lista_erori.isEmpty())
        return;
    QString shown;
    for (const QString& error : lista_erori) shown += error + QStringLiteral("\r\n");
    ui.message(shown, Icon::Exclamation);
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
