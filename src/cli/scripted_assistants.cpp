#include "cli/scripted_assistants.h"

#include <map>

#include "checks/dates.h"

namespace tavo::cli {
namespace {

using beneficiary::IbanList;

QString shownLine(const QString& name, bool visible, const QString& text) {
    return name + (visible ? QStringLiteral("=") : QStringLiteral(" (hidden)=")) + text;
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The list buttons of the beneficiary assistant.
const std::map<QString, IbanList>& listButtons() {
    static const std::map<QString, IbanList> buttons{
        {QStringLiteral("Command2"), IbanList::Short},
        {QStringLiteral("Command7"), IbanList::Old1},
        {QStringLiteral("Command10"), IbanList::Old2},
        {QStringLiteral("Command4"), IbanList::New1},
        {QStringLiteral("Command6"), IbanList::New2},
        {QStringLiteral("Command1"), IbanList::New3},
        {QStringLiteral("Command3"), IbanList::New4},
        {QStringLiteral("Command11"), IbanList::New5},
        {QStringLiteral("Command12"), IbanList::SplitVat},
    };
    return buttons;
}

}  // namespace

// --- every assistant ---

bool ScriptedAssistant::close() {
    requireShown();
    hide();
    return false;
}

void ScriptedAssistant::requireShown() const {
    if (!shown())
        throw ScriptError(QStringLiteral("the window %1 is not open").arg(name()));
}

void ScriptedAssistant::checkRow(const beneficiary::ReferenceList& list, const QString& name,
                                 int index) {
    if (index >= list.count())
        throw ScriptError(QStringLiteral("%1 has %2 items").arg(name).arg(list.count()));
}

// --- Form_IBAN ---

QString* ScriptedFormIban::field(const QString& control) {
    requireShown();
    if (control == QLatin1String("codIBAN") && w_.Frame2Visible)
        return &w_.codIBAN;
    if (control == QLatin1String("nrEVID") && w_.Frame2Visible)
        return &w_.nrEVID;
    unknown(control);
}

void ScriptedFormIban::type(const QString& control, const QString& text) {
    QString* target = field(control);
    w_.setFocus(control);
    *target = Form_IBAN::typedText(control, text).text;
    w_.setFocus(QString());
}

void ScriptedFormIban::put(const QString& control, const QString& text) {
    *field(control) = text;
}

void ScriptedFormIban::focus(const QString& control) {
    requireShown();
    w_.setFocus(control);
}

void ScriptedFormIban::leave(const QString& control) {
    requireShown();
    if (w_.focus == control)
        w_.setFocus(QString());
}

void ScriptedFormIban::key(const QString& control, const QString& key) {
    field(control);
    if (key != QLatin1String("Enter"))
        unknown(control + ' ' + key);
    w_.setFocus(control);
    w_.key_Enter(control);
}

void ScriptedFormIban::click(const QString& control) {
    requireShown();
    w_.setFocus(control);
    if (control == QLatin1String("Option1") || control == QLatin1String("Option2")) {
        w_.Option_Click(control.back().digitValue());
    } else if (control == QLatin1String("Command5") && w_.Command5Visible) {
        w_.Command5_Click();
    } else if (control == QLatin1String("Command9") && w_.Command9Visible) {
        w_.Command9_Click();
    } else if (control == QLatin1String("Command8")) {
        w_.Command8_Click();
    } else if (listButtons().count(control) && w_.Frame3Visible) {
        w_.lista_Click(listButtons().at(control));
    } else {
        unknown(control);
    }
}

void ScriptedFormIban::select(const QString& control, int index) {
    requireShown();
    if ((control != QLatin1String("Benef1") && control != QLatin1String("oblig1")) ||
        !w_.Frame3Visible)
        unknown(control);
    beneficiary::ReferenceList& list =
        control == QLatin1String("Benef1") ? w_.Benef1() : w_.oblig1();
    checkRow(list, control, index);
    // The list takes the focus as the user opens it.
    w_.setFocus(control);
    list.select(index);
}

QStringList ScriptedFormIban::items(const QString& control) const {
    auto& w = const_cast<Form_IBAN&>(w_);
    if (control == QLatin1String("Benef1"))
        return w.Benef1().rows();
    if (control == QLatin1String("oblig1"))
        return w.oblig1().rows();
    unknown(control);
}

QStringList ScriptedFormIban::show() const {
    auto& w = const_cast<Form_IBAN&>(w_);
    QStringList lines{
        QStringLiteral("Option1=") + flag(w.Option1),
        QStringLiteral("Option2=") + flag(w.Option2),
        shownLine(QStringLiteral("Frame3"), w.Frame3Visible, {}),
        shownLine(QStringLiteral("Benef1"), w.Frame3Visible, w.Benef1().selectedRow()),
        shownLine(QStringLiteral("oblig1"), w.Frame3Visible, w.oblig1().selectedRow()),
        shownLine(QStringLiteral("Command5"), w.Command5Visible, {}),
    };
    for (const auto& [button, list] : listButtons())
        lines.append(shownLine(button, w.Frame3Visible, {}));
    lines += {QStringLiteral("Command8="), shownLine(QStringLiteral("Frame2"), w.Frame2Visible, {}),
              shownLine(QStringLiteral("codIBAN"), w.Frame2Visible, w.codIBAN),
              shownLine(QStringLiteral("nrEVID"), w.Frame2Visible, w.nrEVID),
              shownLine(QStringLiteral("Command9"), w.Command9Visible, {})};
    return lines;
}

// --- Form_NREVID ---

QString* ScriptedFormNrevid::field(const QString& control) {
    requireShown();
    if (control == QLatin1String("data_decizie"))
        return &w_.data_decizie;
    if (control == QLatin1String("serie_sasiu") && w_.serieVisible())
        return &w_.serie_sasiu;
    unknown(control);
}

beneficiary::ReferenceList& ScriptedFormNrevid::list(const QString& control) const {
    auto& w = const_cast<Form_NREVID&>(w_);
    if (control == QLatin1String("Benef1"))
        return w.Benef1();
    if (control == QLatin1String("oblig1") && w.oblig1Visible())
        return w.oblig1();
    if (control == QLatin1String("oblig2") && w.oblig2Visible())
        return w.oblig2();
    if (control == QLatin1String("categ_fisc"))
        return w.categ_fisc();
    unknown(control);
}

void ScriptedFormNrevid::type(const QString& control, const QString& text) {
    QString* target = field(control);
    const int limit = control == QLatin1String("data_decizie") ? Form_NREVID::kDataLimit
                                                               : Form_NREVID::kSerieLimit;
    w_.setFocus(control);
    *target = text.left(limit);
    w_.setFocus(QString());
}

void ScriptedFormNrevid::put(const QString& control, const QString& text) {
    *field(control) = text;
}

void ScriptedFormNrevid::focus(const QString& control) {
    requireShown();
    w_.setFocus(control);
}

void ScriptedFormNrevid::leave(const QString& control) {
    requireShown();
    if (w_.focus == control)
        w_.setFocus(QString());
}

void ScriptedFormNrevid::key(const QString& control, const QString& key) {
    field(control);
    if (key != QLatin1String("Enter"))
        unknown(control + ' ' + key);
    w_.setFocus(control);
    w_.key_Enter(control);
}

void ScriptedFormNrevid::click(const QString& control) {
    requireShown();
    w_.setFocus(control);
    if (control.startsWith(QLatin1String("Option")) &&
        Form_NREVID::tipOptiune(control.mid(6).toInt()))
        w_.Option_Click(control.mid(6).toInt());
    else if (control == QLatin1String("Command5"))
        w_.Command5_Click();
    else
        unknown(control);
}

void ScriptedFormNrevid::select(const QString& control, int index) {
    requireShown();
    beneficiary::ReferenceList& chosen = list(control);
    checkRow(chosen, control, index);
    w_.setFocus(control);
    if (control == QLatin1String("Benef1"))
        w_.Benef1_Click(index);
    else if (control == QLatin1String("oblig1"))
        w_.oblig1_Click(index);
    else if (control == QLatin1String("oblig2"))
        w_.oblig2_Click(index);
    else
        w_.categ_fisc_Click(index);
}

QStringList ScriptedFormNrevid::items(const QString& control) const {
    return list(control).rows();
}

QStringList ScriptedFormNrevid::show() const {
    auto& w = const_cast<Form_NREVID&>(w_);
    QStringList lines{shownLine(QStringLiteral("Benef1"), true, w.Benef1().selectedRow())};
    for (int option = 1; option <= 4; ++option) {
        lines.append(QStringLiteral("Option%1=").arg(option) +
                     flag(w.tip == Form_NREVID::tipOptiune(option)));
    }
    lines += {
        shownLine(QStringLiteral("et1"), w.et1Visible(), {}),
        shownLine(QStringLiteral("oblig1"), w.oblig1Visible(), w.oblig1().selectedRow()),
        shownLine(QStringLiteral("oblig2"), w.oblig2Visible(), w.oblig2().selectedRow()),
        QStringLiteral("categ_fisc=") + w.categ_fisc().selectedRow(),
        QStringLiteral("data_decizie=") + w.data_decizie,
        shownLine(QStringLiteral("et_serie_sasiu"), w.serieVisible(), {}),
        shownLine(QStringLiteral("serie_sasiu"), w.serieVisible(), w.serie_sasiu),
        QStringLiteral("Command5="),
        QStringLiteral("denL=") + w.denL,
        QStringLiteral("denS=") + w.denS,
        QStringLiteral("codIBAN=") + w.codIBAN,
        QStringLiteral("nrev=") + w.nrev,
    };
    return lines;
}

// --- Form2 ---

void ScriptedForm2::click(const QString& control) {
    requireShown();
    if (control != QLatin1String("Command1"))
        unknown(control);
    w_.Command1_Click();
}

void ScriptedForm2::pick(const QString& control, const QString& date) {
    requireShown();
    if (control != QLatin1String("Calendar1"))
        unknown(control);
    const QDate day = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    if (!day.isValid())
        throw ScriptError(QStringLiteral("'%1' is not a day dd/mm/yyyy").arg(date));
    w_.Calendar1_Click(day);
}

QStringList ScriptedForm2::show() const {
    return {QStringLiteral("Calendar1=") + checks::dateToText(w_.Calendar1),
            QStringLiteral("Command1=")};
}

}  // namespace tavo::cli
