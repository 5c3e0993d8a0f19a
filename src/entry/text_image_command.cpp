// The entry window's text image: "OP/FV - imagine text" writes the document
// shown into LKELM.txt, twice, and opens it in the viewer.
#include "entry/incarc.h"
#include "entry/incarc_texts.h"

namespace tavo {

printing::TextImageValues Incarc::imagine_text() const {
    return printing::textImageValuesOf(d1, b1, isPaymentOrder());
}

void Incarc::Command3_Click() {
    const printing::TextImageValues values = imagine_text();
    val_decl[0] = printing::declarationNoteFor(d1[D1::nr_evidenta], true);
    QString error;
    if (!printing::vizu_OP(folder_, values, &error)) {
        ui_.message(incarc_texts::imagineEsuata.arg(error), Icon::Exclamation);
        return;
    }
    ui_.openText(printing::kLKELM);
}

}  // namespace tavo
