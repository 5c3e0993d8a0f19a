// The main window's print commands: a stored document with or without its
// barcode, and the blank forms. Each runs on a fresh, hidden entry window.
#include "checks/dates.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "main_window/introd.h"
#include "printing/payload.h"
#include "text/text_helpers.h"

namespace tavo {

bool Introd::documentAles() {
    if (text::numericValue(NrO) == documentCount() + 1) {
        ui_.message(QStringLiteral("Selectati OP/FV de listat !"), Icon::Exclamation);
        setFocus(QStringLiteral("Ordine"));
        return false;
    }
    state_.tip_doc = Option1 ? QStringLiteral("OP") : QStringLiteral("FV");
    state_.nr_curent = QString::number(text::numericValue(NrO));
    return true;
}

std::optional<int> Introd::intrebareExemplare() {
    switch (ui_.ask(QStringLiteral("Doriti sa listati 2 exemplare/ pagina (YES)\r\n"
                                   "                         sau 1 exemplar/ pagina (NO)."),
                    Buttons::YesNoCancel)) {
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
    checks::verif_setare_data(ui_, state_);
    if (state_.eroare_data || !documentAles())
        return;
    const std::optional<int> copies = intrebareExemplare();
    if (!copies)
        return;
    visible = false;
    // The check pass leaves the payload of the document in OPCB.txt.
    QString payload;
    {
        Incarc check(folder_, ui_, state_, entry_->lists());
        check.citire_ordin();
        check.verif_OP();
        check.verif_OP1();
        printing::PayloadSource source;
        std::copy(check.d1.begin(), check.d1.end(), source.d1.begin());
        source.BIC_platitor = check.b1[2];
        source.BIC_beneficiar = check.b1[4];
        QString error;
        if (!printing::scrie_OPCB(folder_, source, &error)) {
            ui_.message(QStringLiteral("Fisierul 'OPCB.txt' nu a putut fi scris (%1).").arg(error),
                        Icon::Exclamation);
        }
        payload = check.text_CB();
    }
    if (state_.lista_erori.isEmpty()) {
        Incarc print(folder_, ui_, state_, entry_->lists());
        print.incarcarePentruListare();
        if (state_.lista_erori.isEmpty()) {
            print.aranjare_listare(*copies);
            QString error;
            if (print.imagine_CB(payload, &error) ||
                ui_.ask(incarc_texts::faraCodBare.arg(error)) == Answer::Yes) {
                ui_.print(printing::printJob(print.pagina()));
            }
        }
    }
    visible = true;
}

void Introd::B_list_Click() {
    if (!entry_ || !documentAles())
        return;
    const QString refused = QStringLiteral("Ordinele de plata se listează cu cod de bare");
    if (state_.tip_doc == QLatin1String("OP")) {
        ui_.message(refused, Icon::Exclamation);
        return;
    }
    const std::optional<int> copies = intrebareExemplare();
    if (!copies)
        return;
    visible = false;
    Incarc print(folder_, ui_, state_, entry_->lists());
    print.incarcarePentruListare();
    // The stored type decides the layout: a payment order stays refused.
    if (print.esteOP()) {
        ui_.message(refused, Icon::Exclamation);
    } else if (state_.lista_erori.isEmpty()) {
        print.aranjare_listare(*copies);
        ui_.print(printing::printJob(print.pagina()));
    }
    visible = true;
}

void Introd::Command2_Click() {
    printing::FormType type = printing::FormType::OP;
    if (ui_.ask(QStringLiteral("Doriti sa listati formularul pentru Ordin de plata?")) !=
        Answer::Yes) {
        if (ui_.ask(QStringLiteral("Doriti sa listati formularul pentru Foaie de varsamant?")) !=
            Answer::Yes)
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
