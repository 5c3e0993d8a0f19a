#include "entry/form_iban.h"

#include <QFile>

#include "beneficiary/budget_names.h"
#include "beneficiary/iban.h"
#include "beneficiary/registration_number.h"
#include "beneficiary/treasury_accounts.h"
#include "entry/form_iban_texts.h"
#include "entry/incarc.h"
#include "text/text_file.h"

namespace tavo {
Form_IBAN::Form_IBAN(QDir folder, Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists,
                     Incarc& entry)
    : Benef1(lists.Form_IBAN.Benef1),
      oblig1(lists.Form_IBAN.oblig1),
      Banci1(lists.Form_IBAN.Banci1),
      folder_(std::move(folder)),
      ui_(ui),
      state_(state),
      lists_(lists),
      entry_(entry) {}

text::TypedText Form_IBAN::typedText(const QString& control, const QString& beforeCaret,
                                     const QString& afterCaret, int limit) {
    if (control != QLatin1String("codIBAN"))
        return text::keepTypedLimit(beforeCaret, afterCaret, limit < 0 ? kNrEvidLimit : limit);
    return text::keepTypedLimit(beneficiary::ibanWithoutBlanks(beforeCaret),
                                beneficiary::ibanWithoutBlanks(afterCaret),
                                limit < 0 ? kCodIbanLimit : limit);
}

void Form_IBAN::showWindow() {
    Frame3Visible = Command5Visible = Option1;
    Frame2Visible = Command9Visible = Option2;
    visible = true;
}

void Form_IBAN::Option_Click(int way) {
    if ((way == 1 && Option1) || (way == 2 && Option2))
        return;
    Option1 = way == 1;
    Option2 = way == 2;
    // Either way starts a new beneficiary section.
    for (D1 k : {D1::beneficiar, D1::CIF_beneficiar, D1::IBAN_beneficiar, D1::nr_evidenta,
                 D1::reprezentand})
        entry_.d1[k].clear();
    entry_.b1[B1::BIC_beneficiar].clear();
    entry_.b1[B1::banca_beneficiar].clear();
    for (int i = F1::beneficiar; i <= F1::reprezentand; ++i) entry_.F1[size_t(i)].clear();
    if (Option1) {
        codIBAN.clear();
        nrEVID.clear();
    } else {
        Benef1.select(-1);
        oblig1.select(-1);
    }
    Frame3Visible = Command5Visible = Option1;
    Frame2Visible = Command9Visible = Option2;
}

void Form_IBAN::setFocus(const QString& control) {
    if (focus == control)
        return;
    const QString previous = focus;
    focus = control;
    if (previous == QLatin1String("codIBAN"))
        codIBAN_LostFocus();
    else if (previous == QLatin1String("nrEVID"))
        nrEVID_LostFocus();
    if (control == QLatin1String("oblig1"))
        oblig1_GotFocus();
}

void Form_IBAN::key_Enter(const QString& control) {
    if (control == QLatin1String("codIBAN"))
        setFocus(QStringLiteral("nrEVID"));
    else if (control == QLatin1String("nrEVID"))
        setFocus(QStringLiteral("Command9"));
}

void Form_IBAN::codIBAN_LostFocus() {
    const beneficiary::CodIbanTest test = beneficiary::test_codIBAN(codIBAN);
    codIBAN = test.text;
    if (!test.acceptat)
        ui_.message(beneficiary::kMesajCodIban, Icon::Exclamation);
}

void Form_IBAN::nrEVID_LostFocus() {
    if (beneficiary::isRegistrationNumber(nrEVID))
        return;
    ui_.message(beneficiary::kMesajNrEvidenta, Icon::Exclamation);
    nrEVID.clear();
}

void Form_IBAN::oblig1_GotFocus() {
    if (Benef1.selected() < 0)
        ui_.message(form_iban_texts::noUnit, Icon::Exclamation);
}

void Form_IBAN::Command5_Click() {
    if (Benef1.selected() < 0 || oblig1.selected() < 0) {
        ui_.message(form_iban_texts::noUnitOrObligation);
        return;
    }
    const QString obligation = oblig1.selectedRow();
    const std::optional<QString> account =
        beneficiary::treasuryAccountPart(Benef1.selectedRow(), obligation.mid(4, 10));
    // "500401XXXX" has an IBAN only at TREZ700.
    const QString iban = account ? beneficiary::IBAN_110(*account) : QString();
    entry_.d1[D1::reprezentand] = account ? obligation.mid(19) : QString();
    state_.zona_beneficiar_pregatita = true;
    entry_.d1[D1::beneficiar].clear();
    entry_.d1[D1::IBAN_beneficiar] = iban;
    afterFilling();
}

void Form_IBAN::Command9_Click() {
    // The short name of the obligation: the first row of the builder's list
    // with the IBAN's account code, if its obligation code is the number's.
    QString shortName;
    const beneficiary::ReferenceList& names = lists_.Form_NREVID.oblig3;
    for (int row = 0; row < names.count(); ++row) {
        const QString item = names.row(row);
        if (item.mid(5, 10) != codIBAN.mid(11, 10))
            continue;
        if (item.mid(16, 3) == nrEVID.mid(2, 3))
            shortName = item.mid(20);
        break;
    }
    state_.zona_beneficiar_pregatita = true;
    auto& d1 = entry_.d1;
    d1[D1::beneficiar] =
        beneficiary::beneficiaryNameOfIban(codIBAN, beneficiary::NameColumn::Form_IBAN);
    d1[D1::IBAN_beneficiar] = codIBAN;
    d1[D1::nr_evidenta] = nrEVID;
    d1[D1::reprezentand] = nrEVID.startsWith(QLatin1String("26"))
                               ? QStringLiteral("Disponibil din timbrul de mediu pt.autoturisme")
                               : shortName;
    entry_.F1[F1::beneficiar] = d1[D1::beneficiar];
    entry_.F1[F1::IBAN_beneficiar] = entry_.e1[E1::beneficiar] = d1[D1::IBAN_beneficiar];
    entry_.F1[F1::nr_evidenta] = entry_.e1[E1::nr_evidenta] = d1[D1::nr_evidenta];
    entry_.F1[F1::reprezentand] = entry_.e1[E1::reprezentand] = d1[D1::reprezentand];
    afterFilling();
}

void Form_IBAN::afterFilling() {
    entry_.verif1(D1::nr_OP);
    entry_.verif_OP();
    visible = false;
}

void Form_IBAN::lista_Click(beneficiary::IbanList list) {
    if (Benef1.selected() < 0) {
        ui_.message(form_iban_texts::noUnit, Icon::Exclamation);
        return;
    }
    const QString name = beneficiary::ibanListFile(list);
    const QStringList lines =
        beneficiary::ibanListLines(list, lists_.Form_IBAN, Benef1.selectedRow());
    QString error;
    if (!text::writeLines(folder_.filePath(name), lines, &error) ||
        !text::writeLines(folder_.filePath(QStringLiteral("UltIBAN.txt")), lines, &error)) {
        ui_.message(form_iban_texts::listNotWritten.arg(name, error), Icon::Exclamation);
        return;
    }
    ui_.openText(name);
}

void Form_IBAN::Command8_Click() {
    ui_.openText(QStringLiteral("info.txt"));
}

ui::ControlTable Form_IBAN::controls() {
    using ui::ControlKind;
    ui::ControlTable table;
    table.window = QStringLiteral("Form_IBAN");
    table.shown = [this] { return visible; };
    table.focus = [this] { return focus; };
    table.setFocus = [this](const QString& control) { setFocus(control); };
    table.close = [this] {
        hideWindow();
        return false;
    };
    const auto way1 = [this] { return Frame3Visible; };
    const auto way2 = [this] { return Frame2Visible; };
    const auto option = [this](int way) {
        return ui::Control(QStringLiteral("Option%1").arg(way), ControlKind::Option)
            .shows(
                [this, way] { return QLatin1String((way == 1 ? Option1 : Option2) ? "1" : "0"); })
            .onClick([this, way] { Option_Click(way); });
    };
    // The list takes the focus as the user opens it.
    const auto list = [this, way1](const QString& name, ListChoice& choice) {
        return ui::Control(name, ControlKind::List)
            .shows([&choice] { return choice.selectedRow(); })
            .shownWhen(way1)
            .listing([&choice] { return choice.rows(); })
            .onSelect([this, name, &choice](int row) {
                setFocus(name);
                choice.select(row);
            });
    };
    const auto field = [this, way2](const QString& name, QString& text) {
        return ui::Control(name, ControlKind::TextField)
            .shows([&text] { return text; })
            .shownWhen(way2)
            .onType([name, &text](const QString& typed) { text = typedText(name, typed).text; })
            .onChange([&text](const QString& typed) { text = typed; })
            .onEnter([this, name] { key_Enter(name); });
    };
    table.controls = {
        option(1),
        option(2),
        ui::label(QStringLiteral("Frame3"), {}, ControlKind::Frame).shownWhen(way1),
        list(QStringLiteral("Benef1"), Benef1),
        list(QStringLiteral("oblig1"), oblig1),
        ui::button(QStringLiteral("Command5"), [this] { Command5_Click(); }).shownWhen([this] {
            return Command5Visible;
        }),
    };
    // The list buttons, each writing one list of the chosen unit's IBANs.
    const std::pair<const char*, beneficiary::IbanList> lists[] = {
        {"Command1", beneficiary::IbanList::New3},  {"Command10", beneficiary::IbanList::Old2},
        {"Command11", beneficiary::IbanList::New5}, {"Command12", beneficiary::IbanList::SplitVat},
        {"Command2", beneficiary::IbanList::Short}, {"Command3", beneficiary::IbanList::New4},
        {"Command4", beneficiary::IbanList::New1},  {"Command6", beneficiary::IbanList::New2},
        {"Command7", beneficiary::IbanList::Old1}};
    for (const auto& [name, list] : lists) {
        // A lambda takes a copy of the list kind, not the binding itself.
        const beneficiary::IbanList which = list;
        table.controls.push_back(
            ui::button(QLatin1String(name), [this, which] { lista_Click(which); }).shownWhen(way1));
    }
    table.controls.push_back(ui::button(QStringLiteral("Command8"), [this] { Command8_Click(); }));
    table.controls.push_back(
        ui::label(QStringLiteral("Frame2"), {}, ControlKind::Frame).shownWhen(way2));
    table.controls.push_back(field(QStringLiteral("codIBAN"), codIBAN));
    table.controls.push_back(field(QStringLiteral("nrEVID"), nrEVID));
    table.controls.push_back(ui::button(QStringLiteral("Command9"), [this] {
                                 Command9_Click();
                             }).shownWhen([this] { return Command9Visible; }));
    return table;
}

}  // namespace tavo
