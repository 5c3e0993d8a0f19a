#include "printing/document_page.h"

#include "document/document_texts.h"

namespace tavo::printing {

QString declarationNote(const QString& nr_evidenta) {
    return nr_evidenta.size() >= 18 && nr_evidenta[17] == QLatin1Char('1')
               ? document_texts::val_decl
               : QString();
}

PrintedPage documentPage(const document::Fields& d1, const document::Labels& b1, bool op, int copii,
                         std::shared_ptr<const Pdf417> barcode) {
    PrintedPage page;
    page.look.type = op ? FormType::OP : FormType::FV;
    page.look.hints = false;
    page.look.debitDate = d1[D1::CIF_platitor] == document_texts::cifADS;
    const QString note = declarationNote(d1[D1::nr_evidenta]);
    // The upper copy: the fields, but a deposit slip has no payer IBAN.
    for (D1 k : kE1Fields) {
        if (op || k != D1::IBAN_platitor)
            page.first.d1[k] = d1[k];
    }
    for (D1 k : {D1::cod_angajament, D1::indicator_angajament, D1::cod_program})
        page.first.d1[k] = d1[k];
    std::copy(b1.begin(), b1.end(), page.first.b1.begin());
    page.first.b1[B1::cod_angajament] = d1[D1::cod_angajament];
    page.first.b1[B1::indicator_angajament] = d1[D1::indicator_angajament];
    page.first.b1[B1::cod_program] = d1[D1::cod_program];
    page.first.val_decl = note;
    if (copii == 0) {
        // The lower copy: the same fields and labels (the branches reach paper
        // through the bank labels).
        FormValues second;
        for (const F1Source& source : kF1Sources) {
            if (source.field >= 0)
                second.d1[size_t(source.field)] = d1[size_t(source.field)];
            if (source.label >= 0)
                second.b1[size_t(source.label)] = b1[size_t(source.label)];
        }
        if (!op)
            second.d1[D1::IBAN_platitor].clear();
        second.val_decl = note;
        page.second = second;
    }
    page.barcode = std::move(barcode);
    return page;
}

}  // namespace tavo::printing
