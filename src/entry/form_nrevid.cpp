#include "entry/form_nrevid.h"

#include "beneficiary/budget_names.h"
#include "beneficiary/iban.h"
#include "beneficiary/registration_number.h"
#include "beneficiary/treasury_accounts.h"
#include "entry/form_nrevid_texts.h"
#include "entry/incarc.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

const QString kEnvironmentStamp =
    QStringLiteral("001.(51161009XX-791)Disponibil din timbrul de mediu pentru autovehicule");
const std::array<QString, 2> kFineShortNames{
    QStringLiteral("001.(20350101XX-910)Venituri amenzi BS"),
    QStringLiteral("002.(22350301XX-911)Venituri amenzi CAS")};

int value(const QString& text) {
    return int(text::numericValue(text));
}

}  // namespace

Form_NREVID::Form_NREVID(Ui& ui, ProgramState& state, beneficiary::ReferenceLists& lists,
                         Incarc& entry)
    : Benef1(lists.Form_NREVID.Benef1),
      oblig1(lists.Form_NREVID.oblig1),
      oblig3(lists.Form_NREVID.oblig3),
      oblig2(lists.Form_NREVID.oblig2),
      categ_fisc(lists.Form_NREVID.categ_fisc),
      ui_(ui),
      state_(state),
      entry_(entry) {}

void Form_NREVID::resetToStart() {
    tip = 22;
    categ_fisc.select(0);
}

int Form_NREVID::optionType(int option) {
    static constexpr std::array<int, 4> types{20, 22, 26, 27};
    return option >= 1 && option <= 4 ? types[size_t(option - 1)] : 0;
}

void Form_NREVID::anulez() {
    nrev.clear();
    codIBAN.clear();
    for (D1 k : {D1::beneficiar, D1::IBAN_beneficiar, D1::nr_evidenta, D1::reprezentand})
        entry_.d1[k].clear();
    for (F1 i : {F1::beneficiar, F1::IBAN_beneficiar, F1::nr_evidenta, F1::reprezentand})
        entry_.F1[i].clear();
    for (E1 i : {E1::beneficiar, E1::nr_evidenta, E1::reprezentand}) entry_.e1[i].clear();
}

void Form_NREVID::Option_Click(int option) {
    const int chosen = optionType(option);
    if (chosen == 0)
        return;
    tip = chosen;
    if (tip != 26)
        serie_sasiu.clear();
    if (tip == 22 || tip == 26)
        categ_fisc.select(0);
    for (ListChoice* choice : {&oblig1, &oblig2, &oblig3}) choice->select(-1);
    denS = denL = tip == 26 ? kEnvironmentStamp : QString();
    anulez();
}

void Form_NREVID::Benef1_Click(int row) {
    Benef1.select(row);
    anulez();
}

void Form_NREVID::oblig1_Click(int row) {
    anulez();
    oblig1.select(row);
    // A fine belongs to a contravention report, not to a tax decision.
    const QString code = oblig1.list().obligationCode(row);
    if (tip == 20 && (code == QLatin1String("910") || code == QLatin1String("911"))) {
        oblig1.select(-1);
        return;
    }
    oblig1Tip = denL = oblig1.selectedRow();
    oblig3.select(oblig1.selected());
    denS = oblig3.selectedRow();
}

void Form_NREVID::oblig2_Click(int row) {
    nrev.clear();
    codIBAN.clear();
    oblig2.select(row);
    oblig1Tip = denL = oblig2.selectedRow();
    const int chosen = oblig2.selected();
    denS = chosen >= 0 && chosen < int(kFineShortNames.size()) ? kFineShortNames[size_t(chosen)]
                                                               : QString();
}

void Form_NREVID::categ_fisc_Click(int row) {
    anulez();
    // Fines and the environment stamp are always debts of category 01.
    categ_fisc.select(tip == 22 || tip == 26 ? 0 : row);
}

void Form_NREVID::setFocus(const QString& control) {
    if (focus == control)
        return;
    const QString previous = focus;
    focus = control;
    if (previous == QLatin1String("data_decizie")) {
        data_decizie_LostFocus();
    } else if (previous == QLatin1String("serie_sasiu")) {
        anulez();
        focus = QStringLiteral("Command5");
    }
}

void Form_NREVID::key_Enter(const QString& control) {
    if (control == QLatin1String("data_decizie")) {
        setFocus(tip == 20 || tip == 27 ? QStringLiteral("oblig1") : QStringLiteral("Command5"));
    } else if (control == QLatin1String("serie_sasiu")) {
        setFocus(QStringLiteral("Command5"));
    }
}

bool Form_NREVID::isValidDate(const QString& text) {
    if (text.isEmpty())
        return true;
    if (text.size() != 6)
        return false;
    const int day = value(text.mid(0, 2));
    const int month = value(text.mid(2, 2));
    const int year = value(text.mid(4, 2));
    if (month < 1 || month > 12)
        return false;
    static constexpr std::array<int, 12> lastDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int last = month == 2 && year % 4 == 0 ? 29 : lastDays[size_t(month - 1)];
    return day >= 1 && day <= last;
}

void Form_NREVID::data_decizie_LostFocus() {
    anulez();
    if (!data_decizie.isEmpty() && data_decizie.size() != 6) {
        data_decizie.clear();
        return;
    }
    if (!isValidDate(data_decizie)) {
        ui_.message(form_nrevid_texts::invalidDate, Icon::Exclamation);
        data_decizie.clear();
    }
}

QString Form_NREVID::budgetAccount() const {
    switch (tip) {
        case 22:
            return oblig2.selectedRow().mid(5, 10).trimmed();
        case 26:
            return QLatin1String(beneficiary::kEnvironmentStampAccount);
        default:
            return oblig1.selectedRow().mid(5, 10).trimmed();
    }
}

QString Form_NREVID::nr_evidenta() const {
    QString obligation = QStringLiteral("791");
    if (tip == 22)
        obligation = oblig2.selectedRow().mid(16, 3);
    else if (tip != 26)
        obligation = oblig1.selectedRow().mid(16, 3);
    const QString category =
        tip == 20 || tip == 27 ? categ_fisc.selectedRow().left(2) : QStringLiteral("01");
    const QString chassis = tip == 26 ? serie_sasiu : QStringLiteral("0000");
    const QString number = QString::number(tip) + obligation + category + chassis + data_decizie +
                           QStringLiteral("0000");
    return number + beneficiary::checkRegistrationNumber(number);
}

QString Form_NREVID::groupRegistrationNumber(const QString& number) {
    // Type, obligation, category, chassis, date, zeros, control; the chassis
    // of an environment stamp may be shorter than four characters.
    const qsizetype chassis = number.size() - 19;
    const QStringList groups{number.mid(0, 2),           number.mid(2, 3),
                             number.mid(5, 2),           number.mid(7, chassis),
                             number.mid(7 + chassis, 6), number.mid(13 + chassis, 4),
                             number.mid(17 + chassis)};
    return groups.join(QLatin1Char(' '));
}

QString Form_NREVID::groupIban(const QString& iban) {
    return QStringList{iban.mid(0, 2), iban.mid(2, 2), iban.mid(4, 7), iban.mid(11, 10),
                       iban.mid(21)}
        .join(QLatin1Char(' '));
}

void Form_NREVID::Command5_Click() {
    if (Benef1.selected() < 0) {
        ui_.message(form_nrevid_texts::noUnit);
        return;
    }
    const bool decision = tip == 20 || tip == 27;
    const bool noObligation = decision && oblig1.selected() < 0;
    const bool noCategory = decision && categ_fisc.selected() < 0;
    const bool noDate = data_decizie.size() != 6;
    if (noObligation || noCategory || noDate) {
        if (noObligation)
            ui_.message(form_nrevid_texts::noObligation, Icon::Exclamation);
        if (noCategory)
            ui_.message(form_nrevid_texts::noCategory, Icon::Exclamation);
        if (noDate)
            ui_.message(form_nrevid_texts::noDecisionDate, Icon::Exclamation);
        return;
    }
    if (tip == 22 && oblig2.selected() < 0) {
        ui_.message(form_nrevid_texts::noObligation, Icon::Exclamation);
        return;
    }
    const QString number = nr_evidenta();
    const QString account = budgetAccount();
    const QString iban =
        beneficiary::IBAN_110(beneficiary::unitCode(Benef1.selectedRow()) + account);
    nrev = groupRegistrationNumber(number);
    codIBAN = groupIban(iban);
    state_.zona_beneficiar_pregatita = true;

    auto& d1 = entry_.d1;
    d1[D1::beneficiar] =
        beneficiary::beneficiaryName(account, beneficiary::NameColumn::Form_NREVID);
    d1[D1::IBAN_beneficiar] = iban;
    d1[D1::nr_evidenta] = number;
    d1[D1::reprezentand] = denS.mid(20);
    entry_.F1[F1::beneficiar] = d1[D1::beneficiar];
    entry_.F1[F1::IBAN_beneficiar] = entry_.e1[E1::beneficiar] = d1[D1::IBAN_beneficiar];
    entry_.F1[F1::nr_evidenta] = entry_.e1[E1::nr_evidenta] = d1[D1::nr_evidenta];
    entry_.F1[F1::reprezentand] = entry_.e1[E1::reprezentand] = d1[D1::reprezentand];
    entry_.verif1(D1::nr_OP);
    entry_.verif_OP();
}

ui::ControlTable Form_NREVID::controls() {
    using ui::ControlKind;
    ui::ControlTable table;
    table.window = QStringLiteral("Form_NREVID");
    table.shown = [this] { return visible; };
    table.focus = [this] { return focus; };
    table.setFocus = [this](const QString& control) { setFocus(control); };
    table.close = [this] {
        visible = false;
        return false;
    };
    // A list takes the focus as the user opens it; then its choice runs.
    const auto list = [this](const QString& name, const ListChoice& choice,
                             void (Form_NREVID::*chosen)(int)) {
        return ui::Control(name, ControlKind::List)
            .shows([&choice] { return choice.selectedRow(); })
            .listing([&choice] { return choice.rows(); })
            .onSelect([this, name, chosen](int row) {
                setFocus(name);
                (this->*chosen)(row);
            });
    };
    const auto field = [this](const QString& name, QString& text, int limit) {
        return ui::Control(name, ControlKind::TextField)
            .shows([&text] { return text; })
            .onType([&text, limit](const QString& typed) { text = typed.left(limit); })
            .onChange([&text](const QString& typed) { text = typed; })
            .onEnter([this, name] { key_Enter(name); });
    };
    const auto label = [](const QString& name, const QString& text) {
        return ui::label(name, [&text] { return text; });
    };
    table.controls.push_back(list(QStringLiteral("Benef1"), Benef1, &Form_NREVID::Benef1_Click));
    for (int option = 1; option <= 4; ++option) {
        table.controls.push_back(
            ui::Control(QStringLiteral("Option%1").arg(option), ControlKind::Option)
                .shows(
                    [this, option] { return QLatin1String(tip == optionType(option) ? "1" : "0"); })
                .onClick([this, option] { Option_Click(option); }));
    }
    table.controls.push_back(
        ui::label(QStringLiteral("et1")).shownWhen([this] { return et1Visible(); }));
    table.controls.push_back(
        list(QStringLiteral("oblig1"), oblig1, &Form_NREVID::oblig1_Click).shownWhen([this] {
            return oblig1Visible();
        }));
    table.controls.push_back(
        list(QStringLiteral("oblig2"), oblig2, &Form_NREVID::oblig2_Click).shownWhen([this] {
            return oblig2Visible();
        }));
    table.controls.push_back(
        list(QStringLiteral("categ_fisc"), categ_fisc, &Form_NREVID::categ_fisc_Click));
    table.controls.push_back(field(QStringLiteral("data_decizie"), data_decizie, kDataLimit));
    table.controls.push_back(
        ui::label(QStringLiteral("et_serie_sasiu")).shownWhen([this] { return serieVisible(); }));
    table.controls.push_back(
        field(QStringLiteral("serie_sasiu"), serie_sasiu, kSerieLimit).shownWhen([this] {
            return serieVisible();
        }));
    table.controls.push_back(ui::button(QStringLiteral("Command5"), [this] { Command5_Click(); }));
    table.controls.push_back(label(QStringLiteral("denL"), denL));
    table.controls.push_back(label(QStringLiteral("denS"), denS));
    table.controls.push_back(label(QStringLiteral("codIBAN"), codIBAN));
    table.controls.push_back(label(QStringLiteral("nrev"), nrev));
    return table;
}

}  // namespace tavo
