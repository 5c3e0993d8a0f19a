// "Borderou (1) OP/FV" and "Borderou (2) OP": the payment summary of one payer
// over a period of issue dates, written to Borderou.txt and opened in the
// viewer, from where the user prints it.
#include "checks/dates.h"
#include "entry/incarc.h"
#include "main_window/introd.h"
#include "printing/borderou.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

using printing::FelBorderou;

const QString kIntrebareCif = QStringLiteral("Dati 'Cod de identificare fiscala' platitor :");
const QString kIntrebarePerioada =
    QStringLiteral("Dati 'Perioada de centralizat (zz/ll/aaaa-zz/ll/aaaa) :");
const QString kIntrebareTip = QStringLiteral("Dati : 1 - OP, 2 - FV");

struct Texte {
    QString atentie;
    QString faraOrdine;
};

Texte texte(FelBorderou fel) {
    if (fel == FelBorderou::Op) {
        return {QStringLiteral("Atentie ! Sunt incluse si OP-urile completate partial."),
                QStringLiteral("Nu exista OP incarcate.")};
    }
    return {QStringLiteral("Atentie ! Sunt incluse si OP/FV-urile completate partial."),
            QStringLiteral("Nu exista OP/FV incarcate.")};
}

// The type chosen by the answer's number: 1 payment orders, 2 deposit slips,
// anything else (Cancel too) both.
QString chosenTypes(const std::optional<QString>& answer) {
    switch (text::numericValue(answer.value_or(QString()))) {
        case 1:
            return QStringLiteral("OP");
        case 2:
            return QStringLiteral("FV");
        default:
            return QString();
    }
}

// The command on the main window's folder, values, stored documents and the
// entry window's bank list (none without an entry window).
void borderou(FelBorderou fel, const QDir& folder, Ui& ui, ProgramState& state,
              const store::OrdersFile& orders, Incarc* entry) {
    checks::verif_setare_data(ui, state);
    if (state.eroare_data)
        return;
    const Texte t = texte(fel);
    ui.message(t.atentie);
    if (!orders.exists()) {
        ui.message(t.faraOrdine, Icon::Exclamation);
        return;
    }

    // Every question is asked before any answer is looked at.
    const std::optional<QString> cif = ui.input(kIntrebareCif, state.CIF_curent);
    const std::optional<QString> perioada =
        ui.input(kIntrebarePerioada, state.data_curenta + QLatin1Char('-') + state.data_curenta);
    printing::CerereBorderou cerere;
    cerere.fel = fel;
    cerere.tip = fel == FelBorderou::Op ? QStringLiteral("OP")
                                        : chosenTypes(ui.input(kIntrebareTip, QStringLiteral("1")));
    if (!cif || cif->isEmpty())
        return;
    cerere.CIF = *cif;
    cerere.perioada = printing::readPeriod(perioada.value_or(QString()));

    const beneficiary::ReferenceList none;
    beneficiary::ReferenceList* Banci1 = entry ? &entry->lists().Form_IBAN.Banci1 : nullptr;
    printing::Borderou scris;
    QString error;
    if (!printing::scrie_borderou(orders.path(),
                                  folder.filePath(QLatin1String(printing::kFisierBorderou)), cerere,
                                  Banci1 ? *Banci1 : none, &scris, &error)) {
        ui.message(QStringLiteral("Borderoul nu a putut fi scris (%1).").arg(error),
                   Icon::Exclamation);
        return;
    }
    // The bank look-ups leave the bank list on the last bank they found.
    if (Banci1 && scris.randBanca >= 0)
        Banci1->select(scris.randBanca);
    ui.openText(QLatin1String(printing::kFisierBorderou));
}

}  // namespace

void Introd::Command6_Click() {
    borderou(FelBorderou::OpFv, folder_, ui_, state_, orders_, entry_);
}

void Introd::Command10_Click() {
    borderou(FelBorderou::Op, folder_, ui_, state_, orders_, entry_);
}

}  // namespace tavo
