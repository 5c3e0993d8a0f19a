#include "entry/incarc.h"

#include <QFile>

#include "beneficiary/form2.h"
#include "beneficiary/form_iban.h"
#include "beneficiary/form_nrevid.h"
#include "beneficiary/iban.h"
#include "entry/incarc_texts.h"
#include "store/earlier_versions.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

// The fixed properties of the 18 fields, by index: typed limit, lines, place
// in the tab order, and where Enter goes (-1: the exit button; for d1(4) the
// payer IBAN of a payment order, see tintaEnter).
struct FieldProperties {
    int limit;
    int lines;
    int tab;
    int enter;
};

constexpr std::array<FieldProperties, Incarc::kFields> kProperties{{
    {10, 1, 1, 1},    // d1(0)  nr_OP
    {20, 1, 13, 2},   // d1(1)  suma
    {30, 2, 2, 3},    // d1(2)  platitor
    {13, 1, 3, 4},    // d1(3)  CIF_platitor
    {66, 2, 4, 5},    // d1(4)  adresa_platitor
    {24, 1, 5, 6},    // d1(5)  IBAN_platitor
    {90, 1, 11, 14},  // d1(6)  sucursala_platitor
    {30, 2, 6, 8},    // d1(7)  beneficiar
    {13, 1, 7, 9},    // d1(8)  CIF_beneficiar
    {24, 1, 8, 10},   // d1(9)  IBAN_beneficiar
    {90, 1, 12, 12},  // d1(10) sucursala_beneficiar
    {23, 1, 14, 12},  // d1(11) nr_evidenta
    {70, 2, 9, 13},   // d1(12) reprezentand
    {10, 1, 10, -1},  // d1(13) data_emiterii
    {11, 1, 15, 15},  // d1(14) cod_angajament
    {3, 1, 16, 17},   // d1(15) indicator_angajament
    {10, 1, 17, 17},  // d1(16) data_debitarii
    {10, 1, 18, 7},   // d1(17) cod_program
}};

bool validIndex(int k) {
    return k >= 0 && k < Incarc::kFields;
}

}  // namespace

Incarc::Incarc(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists)
    : folder_(std::move(folder)), ui_(ui), state_(state), lists_(lists), orders_(folder_) {
    d1Visible.fill(true);
    aranjare_macheta();
}

int Incarc::limita(int k) {
    return validIndex(k) ? kProperties[size_t(k)].limit : 0;
}

bool Incarc::douaLinii(int k) {
    return validIndex(k) && kProperties[size_t(k)].lines == 2;
}

int Incarc::ordineTab(int k) {
    return validIndex(k) ? kProperties[size_t(k)].tab : 0;
}

QString Incarc::tooltip(int k) {
    switch (k) {
        case 7:
            return incarc_texts::tipBeneficiar;
        case 8:
            return incarc_texts::tipCifBeneficiar;
        case 11:
            return incarc_texts::tipNrEvidenta;
        case 12:
            return incarc_texts::tipReprezentand;
        case 14:
        case 15:
        case 17:
            return incarc_texts::tipAngajament;
        case 16:
            return incarc_texts::tipDataDebitarii;
        default:
            return {};
    }
}

QString Incarc::eticheta(int k) {
    return validIndex(k) ? incarc_texts::eticheta[size_t(k)] : QString();
}

QString Incarc::numeCamp(int k) {
    return QStringLiteral("d1(%1)").arg(k);
}

int Incarc::indexCamp(const QString& control) {
    if (!control.startsWith(QLatin1String("d1(")) || !control.endsWith(QLatin1Char(')')))
        return -1;
    bool ok = false;
    const int k = control.mid(3, control.size() - 4).toInt(&ok);
    return ok && validIndex(k) && numeCamp(k) == control ? k : -1;
}

QString Incarc::tintaEnter(int k) const {
    if (!validIndex(k))
        return {};
    if (k == 4 && !esteOP())
        return numeCamp(7);
    const int target = kProperties[size_t(k)].enter;
    return target < 0 ? QStringLiteral("but_exit") : numeCamp(target);
}

// --- layout and loading ---

void Incarc::aranjare_macheta() {
    e1Visible.fill(false);
    e1Visible[8] = true;
    for (int k = 0; k < kFields; ++k) {
        if (k != 16)
            d1Visible[size_t(k)] = true;
    }
    const bool op = state_.tip_doc == QLatin1String("OP");
    titlu = op ? incarc_texts::titluOP : incarc_texts::titluFV;
    partiOP = op;
    d1Visible[5] = op;
    d1Visible[6] = op;
}

void Incarc::golire_macheta() {
    for (QString& field : d1) field.clear();
    for (QString& label : b1) label.clear();
}

void Incarc::umplere_macheta(const store::ordin& document) {
    // The stored type decides the layout: a payment order opened with the
    // deposit-slip option would otherwise lose its payer IBAN when saved.
    const QString& type = document[store::tip_doc];
    if ((type == QLatin1String("OP") || type == QLatin1String("FV")) && type != state_.tip_doc) {
        state_.tip_doc = type;
        aranjare_macheta();
    }
    for (int k = 0; k < kFields; ++k) d1[size_t(k)] = document[store::pozitie_pentru_d1(k)];
    if (!esteOP()) {
        d1[5].clear();
        b1[2].clear();
    }
    verif_OP();
}

void Incarc::ordin_nou(const store::ordin& document) {
    d1[2] = document[store::platitor];
    d1[3] = document[store::CIF_platitor];
    d1[4] = document[store::adresa_platitor];
    d1[6] = document[store::sucursala_platitor];
    d1[11] = document[store::nr_evidenta];
    if (state_.tip_doc == QLatin1String("OP"))
        d1[5] = document[store::IBAN_platitor];
    state_.cod_trez_curent = document[store::IBAN_beneficiar].mid(4, 7);
    if (!esteOP()) {
        d1[5].clear();
        b1[2].clear();
    }
}

void Incarc::citire_ordin() {
    golire_macheta();
    const store::Cautare found = orders_.citire(text::numericValue(state_.nr_curent));
    if (found.kind == store::Cautare::Found)
        umplere_macheta(found.document);
    else if (found.kind == store::Cautare::New)
        ordin_nou(found.document);
}

void Incarc::marcajOrdine() {
    b1[6] = QStringLiteral("(") + state_.nr_curent + QStringLiteral(")");
}

void Incarc::arata() {
    marcajOrdine();
    Picture.reset();
    // The debit date belongs to the state-domain agency's documents only.
    const bool ads = d1[3] == incarc_texts::cifADS;
    if (!ads)
        d1[16].clear();
    d1Visible[16] = ads;
    B_cal1Visible = ads;
    e1Visible[11] = !ads;
    if (!ads)
        e1[11].clear();
    focus.clear();
    visible = true;
    Form_Resize();
}

store::ordin Incarc::document() const {
    store::ordin document;
    document[store::nr_ordine] = state_.nr_curent;
    for (int k = 0; k < kFields; ++k) document[store::pozitie_pentru_d1(k)] = d1[size_t(k)];
    document[store::tip_doc] = esteOP() ? QStringLiteral("OP") : QStringLiteral("FV");
    return document;
}

// --- events ---

void Incarc::setFocus(const QString& control) {
    if (focus == control)
        return;
    const QString previous = focus;
    focus = control;
    const int k = indexCamp(previous);
    if (k >= 0)
        camp_parasit(k);
}

text::TypedText Incarc::typedText(int k, const QString& beforeCaret, const QString& afterCaret,
                                  int limit) {
    if (limit < 0)
        limit = limita(k);
    if (k == 5 || k == 9) {
        return text::keepTypedLimit(beneficiary::ibanWithoutBlanks(beforeCaret),
                                    beneficiary::ibanWithoutBlanks(afterCaret), limit);
    }
    return text::keepTypedLimit(beforeCaret, afterCaret, limit);
}

void Incarc::tastare(int k, const QString& text) {
    if (validIndex(k))
        d1[size_t(k)] = typedText(k, text).text;
}

void Incarc::key_Enter(int k) {
    setFocus(tintaEnter(k));
}

void Incarc::click_d1(int k) {
    // A new beneficiary IBAN starts a new beneficiary section.
    if (k == 9) {
        for (int cleared : {7, 8, 11, 12}) d1[size_t(cleared)].clear();
        lists_.Form_IBAN.oblig1.select(-1);
    }
    if (k == 3)
        d1[8].clear();
}

void Incarc::but_exit_Click() {
    const QString account = d1[9].right(13);
    if (d1[3] != d1[8] &&
        (account == QLatin1String("5502XXXXXXXXX") || account == QLatin1String("20470101XXXXX"))) {
        if (ui_.ask(incarc_texts::intrebareCif) != Answer::Yes)
            return;
    }
    std::optional<store::ListaIncarcata> saved;
    if (ui_.ask(QStringLiteral("Salvati ?")) == Answer::Yes) {
        verif_OP1();
        QString error;
        QString versionFailure;
        saved =
            orders_.salvare_ordin(document(), listaPrincipala ? listaPrincipala() : QStringList(),
                                  &error, &versionFailure);
        if (!saved) {
            // The document stays in the window: nothing typed is lost.
            ui_.message(incarc_texts::salvareEsuata.arg(error), Icon::Exclamation);
            return;
        }
        store::reportKeepFailure(ui_, state_, versionFailure);
    }
    inchideFereastra(saved ? &*saved : nullptr);
}

void Incarc::inchidere() {
    if (!visible)
        return;
    // What is being typed counts: the field is left (and checked) first.
    const QString typing = focus;
    setFocus(QString());
    but_exit_Click();
    // The user stays (No to the fiscal-code question): back in the field.
    if (visible)
        focus = typing;
}

void Incarc::inchideFereastra(const store::ListaIncarcata* saved) {
    visible = false;
    focus.clear();
    clearHint();
    // The windows opened from this one write into it: they go with it.
    if (assistant_)
        assistant_->ascunde();
    if (builder_)
        builder_->visible = false;
    if (calendar_)
        calendar_->visible = false;
    if (laIesire)
        laIesire(saved);
}

void Incarc::Command8_Click() {
    d1[7] = QStringLiteral("ADMINISTRATIA FONDULUI PENTRU MEDIU");
    d1[8] = QStringLiteral("14715650");
    d1[9] = QStringLiteral("RO23TREZ70620I185000XXXX");
    d1[12] = QStringLiteral("Disponibil din Fondul pentru mediu");
    b1[4] = QStringLiteral("TREZROBU");
    b1[5] = QStringLiteral("Trezorerie operativa Sector 6");
}

void Incarc::Command1_Click() {
    if (!assistant_)
        return;
    state_.zona_beneficiar_pregatita = false;
    beneficiary::ReferenceList& units = lists_.Form_IBAN.Benef1;
    if (!d1[5].isEmpty())
        poz_IBAN(d1[9].isEmpty() ? 5 : 9);
    else
        units.select(-1);
    // The unit of the last stored document wins, when a new document took it over.
    if (!state_.cod_trez_curent.isEmpty()) {
        int found = -1;
        for (int row = 0; row < units.count() && found < 0; ++row) {
            if (units.row(row).left(7) == state_.cod_trez_curent)
                found = row;
        }
        units.select(found);
    }
    assistant_->arata();
}

void Incarc::Command6_Click() {
    if (!builder_)
        return;
    state_.zona_beneficiar_pregatita = false;
    builder_->arata();
}

void Incarc::B_cal_Click() {
    state_.camp_calendar = 1;
    if (calendar_)
        calendar_->deschide(azi ? azi() : QDate::currentDate());
}

void Incarc::B_cal1_Click() {
    state_.camp_calendar = 2;
    if (calendar_)
        calendar_->deschide(azi ? azi() : QDate::currentDate());
}

void Incarc::Command4_Click() {
    if (!orders_.exists())
        return;
    const QString dosar = folder_.filePath(QStringLiteral("dosar.txt"));
    QFile source(orders_.path());
    QString error;
    if (!source.open(QIODevice::ReadOnly) ||
        !text::replaceFile(dosar, dosar + QStringLiteral(".tmp"), source.readAll(), &error)) {
        ui_.message(incarc_texts::dosarEsuat.arg(error.isEmpty() ? orders_.path() : error),
                    Icon::Exclamation);
        return;
    }
    ui_.openText(QStringLiteral("dosar.txt"));
}

void Incarc::Form_Resize() {
    VScroll1 = 120;
    HScroll1 = 0;
    Frame8Top = 0;
    Frame8Left = 120;
    verif_OP();
}

void Incarc::HScroll1_Change(int value) {
    HScroll1 = std::clamp(value, 0, std::max(3000, HScroll1Max));
    Frame8Left = 120 - HScroll1;
}

void Incarc::VScroll1_Change(int value) {
    VScroll1 = std::clamp(value, -3000, 14000);
    Frame8Top = -VScroll1;
}

}  // namespace tavo
