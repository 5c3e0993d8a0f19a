// The entry window as a printed page: the print layout, the barcode picture
// and the print-image operation.
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "entry/stored_document.h"
#include "printing/payload.h"

namespace tavo {
namespace {

// The declaration note of a registration number whose 18th character is "1".
QString notaDeclaratie(const QString& nr_evidenta) {
    return nr_evidenta.size() >= 18 && nr_evidenta[17] == QLatin1Char('1') ? incarc_texts::val_decl
                                                                           : QString();
}

// The fields whose texts the print labels e1(0)..e1(11) carry.
constexpr std::array<int, 12> kE1Fields{0, 2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 16};

}  // namespace

void Incarc::aranjare_listare(int copii) {
    vedereListare = true;
    for (bool& shown : d1Visible) shown = false;
    e1Visible.fill(true);
    if (!esteOP())
        e1Visible[4] = false;
    Frame2Visible = copii == 0;
    for (size_t i = 0; i < kE1Fields.size(); ++i) e1[i] = d1[size_t(kE1Fields[i])];
    b1[7] = d1[14];
    b1[8] = d1[15];
    b1[9] = d1[17];
    copiereF1();
    val_decl.fill(notaDeclaratie(d1[11]));
}

void Incarc::vedere_editare() {
    vedereListare = false;
    Frame2Visible = false;
    for (int k = 0; k < kFields; ++k) d1Visible[size_t(k)] = k != 16;
    d1Visible[16] = d1[3] == incarc_texts::cifADS;
    e1Visible.fill(false);
    e1Visible[8] = true;
    if (!esteOP()) {
        d1Visible[5] = false;
        d1Visible[6] = false;
    }
}

QString Incarc::text_CB() const {
    printing::PayloadSource source;
    std::copy(d1.begin(), d1.end(), source.d1.begin());
    source.BIC_platitor = b1[2];
    source.BIC_beneficiar = b1[4];
    return printing::text_CB(source);
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
    page.look.type = esteOP() ? printing::FormType::OP : printing::FormType::FV;
    page.look.hints = !vedereListare;
    page.look.debitDate = d1[3] == incarc_texts::cifADS;
    // The upper copy: the print labels behind the fields.
    for (size_t i = 0; i < kE1Fields.size(); ++i) {
        if (e1Visible[i])
            page.first.d1[size_t(kE1Fields[i])] = e1[i];
    }
    page.first.d1[14] = b1[7];
    page.first.d1[15] = b1[8];
    page.first.d1[17] = b1[9];
    std::copy(b1.begin(), b1.end(), page.first.b1.begin());
    page.first.val_decl = val_decl[0];
    if (Frame2Visible) {
        // The lower copy: the labels F1 (the branches reach paper through the bank labels).
        printing::FormValues second;
        static constexpr std::array<int, 22> F1Fields{0, -1, -1, 2,  3,  4,  5,  -1, -1, 7,  8,
                                                      9, -1, -1, 11, 12, 13, -1, 14, 15, 16, 17};
        static constexpr std::array<int, 22> F1Labels{-1, 0, 1, -1, -1, -1, -1, 2,  3,  -1, -1,
                                                      -1, 4, 5, -1, -1, -1, 6,  -1, -1, -1, -1};
        for (size_t i = 0; i < F1.size(); ++i) {
            if (F1Fields[i] >= 0)
                second.d1[size_t(F1Fields[i])] = F1[i];
            if (F1Labels[i] >= 0)
                second.b1[size_t(F1Labels[i])] = F1[i];
        }
        if (!esteOP())
            second.d1[5].clear();
        second.val_decl = val_decl[1];
        page.second = second;
    }
    page.barcode = Picture;
    return page;
}

bool Incarc::listare(int copii) {
    verif_OP1();
    if (!state_.lista_erori.isEmpty())
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
