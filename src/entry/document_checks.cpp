// The checks of the whole document in the entry window: the document layer's
// check (verif_OP), and the list of missing data (verif_OP2, shown by
// verif_OP1).
#include "document/document_checks.h"
#include "entry/incarc.h"
#include "entry/stored_document.h"

namespace tavo {

void Incarc::verif_OP() {
    document::Document current = currentDocument();
    const document::DocumentFindings found = document::checkDocument(current, b1, checkContext());
    d1 = current.d1;
    showNotices(ui_, found.notices);
    if (found.complete)
        copyToSecondCopy();
}

// The second copy's print labels take the texts of the fields and derived
// labels of the same names. The branches have no label of their own: they
// reach paper through the bank labels.
void Incarc::copyToSecondCopy() {
    F1[F1::nr_OP] = d1[D1::nr_OP];
    F1[F1::suma_afisata] = b1[B1::suma_afisata];
    F1[F1::suma_litere] = b1[B1::suma_litere];
    F1[F1::platitor] = d1[D1::platitor];
    F1[F1::CIF_platitor] = d1[D1::CIF_platitor];
    F1[F1::adresa_platitor] = d1[D1::adresa_platitor];
    F1[F1::IBAN_platitor] = d1[D1::IBAN_platitor];
    F1[F1::BIC_platitor] = b1[B1::BIC_platitor];
    F1[F1::banca_platitor] = b1[B1::banca_platitor];
    F1[F1::beneficiar] = d1[D1::beneficiar];
    F1[F1::CIF_beneficiar] = d1[D1::CIF_beneficiar];
    F1[F1::IBAN_beneficiar] = d1[D1::IBAN_beneficiar];
    F1[F1::BIC_beneficiar] = b1[B1::BIC_beneficiar];
    F1[F1::banca_beneficiar] = b1[B1::banca_beneficiar];
    F1[F1::nr_evidenta] = d1[D1::nr_evidenta];
    F1[F1::reprezentand] = d1[D1::reprezentand];
    F1[F1::data_emiterii] = d1[D1::data_emiterii];
    F1[F1::marcaj_ordine] = b1[B1::marcaj_ordine];
    F1[F1::cod_angajament] = d1[D1::cod_angajament];
    F1[F1::indicator_angajament] = d1[D1::indicator_angajament];
    F1[F1::data_debitarii] = d1[D1::data_debitarii];
    F1[F1::cod_program] = d1[D1::cod_program];
}

QStringList Incarc::verif_OP2() const {
    return document::missingData(currentDocument());
}

QStringList Incarc::verif_OP1() {
    const QStringList missing = verif_OP2();
    showMissingData(ui_, missing);
    return missing;
}

}  // namespace tavo
