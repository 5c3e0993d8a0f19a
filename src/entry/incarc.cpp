#include "entry/incarc.h"

#include <QFile>

#include "beneficiary/iban.h"
#include "entry/form2.h"
#include "entry/form_iban.h"
#include "entry/form_nrevid.h"
#include "entry/incarc_texts.h"
#include "store/earlier_versions.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

// The fixed properties of the 18 fields: typed limit, lines, place in the tab
// order, and where Enter goes (from the payer's address, the payer IBAN of a
// payment order only, see enterTarget).
constexpr int kToExit = -1;  // Enter goes to the exit button

struct FieldProperties {
    D1 field;
    int limit;
    int lines;
    int tab;
    int enter;
};

constexpr std::array<FieldProperties, Incarc::kFields> kProperties{{
    {D1::nr_OP, 10, 1, 1, D1::suma},
    {D1::suma, 20, 1, 13, D1::platitor},
    {D1::platitor, 30, 2, 2, D1::CIF_platitor},
    {D1::CIF_platitor, 13, 1, 3, D1::adresa_platitor},
    {D1::adresa_platitor, 66, 2, 4, D1::IBAN_platitor},
    {D1::IBAN_platitor, 24, 1, 5, D1::sucursala_platitor},
    {D1::sucursala_platitor, 90, 1, 11, D1::cod_angajament},
    {D1::beneficiar, 30, 2, 6, D1::CIF_beneficiar},
    {D1::CIF_beneficiar, 13, 1, 7, D1::IBAN_beneficiar},
    {D1::IBAN_beneficiar, 24, 1, 8, D1::sucursala_beneficiar},
    {D1::sucursala_beneficiar, 90, 1, 12, D1::reprezentand},
    {D1::nr_evidenta, 23, 1, 14, D1::reprezentand},
    {D1::reprezentand, 70, 2, 9, D1::data_emiterii},
    {D1::data_emiterii, 10, 1, 10, kToExit},
    {D1::cod_angajament, 11, 1, 15, D1::indicator_angajament},
    {D1::indicator_angajament, 3, 1, 16, D1::cod_program},
    {D1::data_debitarii, 10, 1, 17, D1::cod_program},
    {D1::cod_program, 10, 1, 18, D1::beneficiar},
}};

// The table is read by field index.
constexpr bool inFieldOrder() {
    for (size_t k = 0; k < kProperties.size(); ++k) {
        if (kProperties[k].field != int(k))
            return false;
    }
    return true;
}
static_assert(inFieldOrder());

bool validIndex(int k) {
    return k >= 0 && k < Incarc::kFields;
}

}  // namespace

Incarc::Incarc(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists)
    : folder_(std::move(folder)), ui_(ui), state_(state), lists_(lists), orders_(folder_) {
    d1Visible.fill(true);
    aranjare_macheta();
}

int Incarc::typingLimit(int k) {
    return validIndex(k) ? kProperties[size_t(k)].limit : 0;
}

bool Incarc::isTwoLineField(int k) {
    return validIndex(k) && kProperties[size_t(k)].lines == 2;
}

int Incarc::ordineTab(int k) {
    return validIndex(k) ? kProperties[size_t(k)].tab : 0;
}

QString Incarc::tooltip(int k) {
    switch (k) {
        case D1::beneficiar:
            return incarc_texts::tipBeneficiar;
        case D1::CIF_beneficiar:
            return incarc_texts::tipCifBeneficiar;
        case D1::nr_evidenta:
            return incarc_texts::tipNrEvidenta;
        case D1::reprezentand:
            return incarc_texts::tipReprezentand;
        case D1::cod_angajament:
        case D1::indicator_angajament:
        case D1::cod_program:
            return incarc_texts::tipAngajament;
        case D1::data_debitarii:
            return incarc_texts::tipDataDebitarii;
        default:
            return {};
    }
}

QString Incarc::printedCaption(int k) {
    return validIndex(k) ? incarc_texts::printedCaption[size_t(k)] : QString();
}

QString Incarc::fieldName(int k) {
    return QStringLiteral("d1(%1)").arg(k);
}

int Incarc::fieldIndex(const QString& control) {
    if (!control.startsWith(QLatin1String("d1(")) || !control.endsWith(QLatin1Char(')')))
        return -1;
    bool ok = false;
    const int k = control.mid(3, control.size() - 4).toInt(&ok);
    return ok && validIndex(k) && fieldName(k) == control ? k : -1;
}

QString Incarc::enterTarget(int k) const {
    if (!validIndex(k))
        return {};
    if (k == D1::adresa_platitor && !isPaymentOrder())
        return fieldName(D1::beneficiar);
    const int target = kProperties[size_t(k)].enter;
    return target == kToExit ? QStringLiteral("but_exit") : fieldName(target);
}

// --- layout and loading ---

void Incarc::aranjare_macheta() {
    e1Visible.fill(false);
    e1Visible[E1::nr_evidenta] = true;
    for (int k = 0; k < kFields; ++k) {
        if (k != D1::data_debitarii)
            d1Visible[size_t(k)] = true;
    }
    const bool op = state_.tip_doc == QLatin1String("OP");
    titlu = op ? incarc_texts::titluOP : incarc_texts::titluFV;
    orderPartsShown = op;
    d1Visible[D1::IBAN_platitor] = op;
    d1Visible[D1::sucursala_platitor] = op;
}

void Incarc::golire_macheta() {
    for (QString& field : d1) field.clear();
    for (QString& label : b1) label.clear();
    forgetTypedTexts();
}

void Incarc::umplere_macheta(const store::ordin& document) {
    // The stored type decides the layout: a payment order opened with the
    // deposit-slip option would otherwise lose its payer IBAN when saved.
    const QString& type = document[store::tip_doc];
    if ((type == QLatin1String("OP") || type == QLatin1String("FV")) && type != state_.tip_doc) {
        state_.tip_doc = type;
        aranjare_macheta();
    }
    for (int k = 0; k < kFields; ++k) d1[size_t(k)] = document[store::positionOfField(k)];
    if (!isPaymentOrder()) {
        d1[D1::IBAN_platitor].clear();
        b1[B1::BIC_platitor].clear();
    }
    verif_OP();
}

void Incarc::ordin_nou(const store::ordin& document) {
    const document::Document prefilled = document::prefilledFrom(
        document, state_.tip_doc == QLatin1String("OP") && isPaymentOrder());
    for (D1 k : {D1::platitor, D1::CIF_platitor, D1::adresa_platitor, D1::sucursala_platitor,
                 D1::nr_evidenta, D1::IBAN_platitor})
        d1[k] = prefilled[k];
    state_.cod_trez_curent = document[store::IBAN_beneficiar].mid(4, 7);
    if (!isPaymentOrder())
        b1[B1::BIC_platitor].clear();
}

void Incarc::citire_ordin() {
    golire_macheta();
    const store::Lookup found = orders_.citire(text::numericValue(state_.nr_curent));
    if (found.kind == store::Lookup::Found)
        umplere_macheta(found.document);
    else if (found.kind == store::Lookup::New)
        ordin_nou(found.document);
}

void Incarc::setOrderMark() {
    b1[B1::marcaj_ordine] = QStringLiteral("(") + state_.nr_curent + QStringLiteral(")");
}

void Incarc::showWindow() {
    setOrderMark();
    Picture.reset();
    // The debit date belongs to the state-domain agency's documents only.
    const bool ads = d1[D1::CIF_platitor] == incarc_texts::cifADS;
    if (!ads)
        d1[D1::data_debitarii].clear();
    d1Visible[D1::data_debitarii] = ads;
    B_cal1Visible = ads;
    e1Visible[E1::data_debitarii] = !ads;
    if (!ads)
        e1[E1::data_debitarii].clear();
    focus.clear();
    visible = true;
    Form_Resize();
}

store::ordin Incarc::document() const {
    store::ordin document;
    document[store::nr_ordine] = state_.nr_curent;
    for (int k = 0; k < kFields; ++k) document[store::positionOfField(k)] = d1[size_t(k)];
    document[store::tip_doc] = isPaymentOrder() ? QStringLiteral("OP") : QStringLiteral("FV");
    return document;
}

// --- events ---

void Incarc::setFocus(const QString& control) {
    if (focus == control)
        return;
    const QString previous = focus;
    focus = control;
    const int k = fieldIndex(previous);
    if (k >= 0) {
        lastField_ = previous;
        checkLeftField(k);
    }
}

text::TypedText Incarc::typedText(int k, const QString& beforeCaret, const QString& afterCaret,
                                  int limit) {
    if (limit < 0)
        limit = typingLimit(k);
    if (k == D1::IBAN_platitor || k == D1::IBAN_beneficiar) {
        return text::keepTypedLimit(beneficiary::ibanWithoutBlanks(beforeCaret),
                                    beneficiary::ibanWithoutBlanks(afterCaret), limit);
    }
    return text::keepTypedLimit(beforeCaret, afterCaret, limit);
}

void Incarc::typeText(int k, const QString& text) {
    editField(k, typedText(k, text).text);
}

void Incarc::key_Enter(int k) {
    setFocus(enterTarget(k));
}

void Incarc::click_d1(int k) {
    // A new beneficiary IBAN starts a new beneficiary section.
    if (k == D1::IBAN_beneficiar) {
        for (D1 cleared : {D1::beneficiar, D1::CIF_beneficiar, D1::nr_evidenta, D1::reprezentand})
            d1[cleared].clear();
        if (assistant_)
            assistant_->oblig1.select(-1);
    }
    if (k == D1::CIF_platitor)
        d1[D1::CIF_beneficiar].clear();
}

void Incarc::but_exit_Click() {
    const QString account = d1[D1::IBAN_beneficiar].right(13);
    // Contributions (5502) and withheld taxes (20470101) are paid under the payer's own code.
    if (d1[D1::CIF_platitor] != d1[D1::CIF_beneficiar] &&
        (account == QLatin1String("5502XXXXXXXXX") || account == QLatin1String("20470101XXXXX"))) {
        if (ui_.ask(incarc_texts::intrebareCif) != Answer::Yes)
            return;
    }
    std::optional<store::LoadedList> saved;
    const Answer save = ui_.ask(incarc_texts::askSave, Buttons::YesNoCancel);
    if (save == Answer::Cancel) {
        // Called off: back to the form, in the field the user was typing in.
        if (!lastField_.isEmpty())
            setFocus(lastField_);
        return;
    }
    if (save == Answer::Yes) {
        verif_OP1();  // what is missing is told, and saved all the same
        QString error;
        QString versionFailure;
        saved = orders_.salvare_ordin(document(), mainListItems ? mainListItems() : QStringList(),
                                      &error, &versionFailure);
        if (!saved) {
            // The document stays in the window: nothing typed is lost.
            ui_.message(incarc_texts::salvareEsuata.arg(error), Icon::Exclamation);
            return;
        }
        reportKeepFailure(ui_, state_, versionFailure);
    }
    closeWindow(saved ? &*saved : nullptr);
}

void Incarc::closeBoxClicked() {
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

void Incarc::closeWindow(const store::LoadedList* saved) {
    visible = false;
    focus.clear();
    lastField_.clear();
    clearHint();
    forgetTypedTexts();
    // The windows opened from this one write into it: they go with it.
    if (assistant_)
        assistant_->hideWindow();
    if (builder_)
        builder_->visible = false;
    if (calendar_)
        calendar_->visible = false;
    if (onExit)
        onExit(saved);
}

void Incarc::Command8_Click() {
    d1[D1::beneficiar] = QStringLiteral("ADMINISTRATIA FONDULUI PENTRU MEDIU");
    d1[D1::CIF_beneficiar] = QStringLiteral("14715650");
    d1[D1::IBAN_beneficiar] = QStringLiteral("RO23TREZ70620I185000XXXX");
    d1[D1::reprezentand] = QStringLiteral("Disponibil din Fondul pentru mediu");
    b1[B1::BIC_beneficiar] = QStringLiteral("TREZROBU");
    b1[B1::banca_beneficiar] = QStringLiteral("Trezorerie operativa Sector 6");
}

void Incarc::Command1_Click() {
    if (!assistant_)
        return;
    state_.zona_beneficiar_pregatita = false;
    ListChoice& units = assistant_->Benef1;
    if (!d1[D1::IBAN_platitor].isEmpty())
        poz_IBAN(d1[D1::IBAN_beneficiar].isEmpty() ? D1::IBAN_platitor : D1::IBAN_beneficiar);
    else
        units.select(-1);
    // The unit of the last stored document wins, when a new document took it over.
    if (!state_.cod_trez_curent.isEmpty())
        units.select(beneficiary::treasuryUnitRow(units.list(), state_.cod_trez_curent));
    assistant_->showWindow();
}

void Incarc::Command6_Click() {
    if (!builder_)
        return;
    state_.zona_beneficiar_pregatita = false;
    builder_->showWindow();
}

void Incarc::B_cal_Click() {
    openCalendar(D1::data_emiterii);
}

void Incarc::B_cal1_Click() {
    openCalendar(D1::data_debitarii);
}

void Incarc::openCalendar(D1 dateField) {
    if (calendar_)
        calendar_->openOn(todayForTests ? todayForTests() : QDate::currentDate(), dateField);
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
