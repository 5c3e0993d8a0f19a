#include "cli/scripted_incarc.h"

#include "entry/incarc_texts.h"

namespace tavo::cli {
namespace {

const QStringList kButtons = {
    QStringLiteral("but_exit"),  QStringLiteral("Command1"), QStringLiteral("Command6"),
    QStringLiteral("Command8"),  QStringLiteral("B_cal"),    QStringLiteral("B_cal1"),
    QStringLiteral("Command7"),  QStringLiteral("Command4"), QStringLiteral("Command3"),
    QStringLiteral("Command2"),  QStringLiteral("Command5"), QStringLiteral("B_legi"),
    QStringLiteral("But_explic")};

QString shown(const QString& name, bool visible, const QString& text) {
    return name + (visible ? QStringLiteral("=") : QStringLiteral(" (hidden)=")) + text;
}

}  // namespace

void ScriptedIncarc::requireOpen() const {
    if (!w_.visible)
        throw ScriptError(QStringLiteral("the window Incarc is not open"));
}

int ScriptedIncarc::field(const QString& control) const {
    requireOpen();
    const int k = Incarc::indexCamp(control);
    if (k < 0)
        unknown(control);
    if (!w_.d1Visible[size_t(k)])
        throw ScriptError(QStringLiteral("%1 is hidden").arg(control));
    return k;
}

void ScriptedIncarc::type(const QString& control, const QString& text) {
    const int k = field(control);
    w_.setFocus(control);
    w_.tastare(k, text);
    w_.setFocus(QString());
}

void ScriptedIncarc::put(const QString& control, const QString& text) {
    requireOpen();
    const int k = Incarc::indexCamp(control);
    if (k < 0)
        unknown(control);
    w_.d1[size_t(k)] = text;
}

void ScriptedIncarc::focus(const QString& control) {
    if (!kButtons.contains(control))
        field(control);
    requireOpen();
    w_.setFocus(control);
}

void ScriptedIncarc::leave(const QString& control) {
    requireOpen();
    if (Incarc::indexCamp(control) < 0 && !kButtons.contains(control))
        unknown(control);
    if (w_.focus == control)
        w_.setFocus(QString());
}

void ScriptedIncarc::key(const QString& control, const QString& key) {
    const int k = field(control);
    if (key != QLatin1String("Enter"))
        unknown(control + ' ' + key);
    w_.setFocus(control);
    w_.key_Enter(k);
}

void ScriptedIncarc::click(const QString& control) {
    requireOpen();
    if (Incarc::indexCamp(control) >= 0) {
        // The click gives the field the focus, then the field's own click rule runs.
        const int k = field(control);
        w_.setFocus(control);
        w_.click_d1(k);
        return;
    }
    if (!kButtons.contains(control))
        unknown(control);
    if (control == QLatin1String("B_cal1") && !w_.B_cal1Visible)
        throw ScriptError(QStringLiteral("B_cal1 is hidden"));
    w_.setFocus(control);
    if (control == QLatin1String("Command1"))
        w_.Command1_Click();
    else if (control == QLatin1String("Command6"))
        w_.Command6_Click();
    else if (control == QLatin1String("B_cal"))
        w_.B_cal_Click();
    else if (control == QLatin1String("B_cal1"))
        w_.B_cal1_Click();
    else if (control == QLatin1String("but_exit"))
        w_.but_exit_Click();
    else if (control == QLatin1String("Command8"))
        w_.Command8_Click();
    else if (control == QLatin1String("Command4"))
        w_.Command4_Click();
    else if (control == QLatin1String("Command7"))
        w_.Command7_Click();
    else if (control == QLatin1String("Command3"))
        w_.Command3_Click();
    else if (control == QLatin1String("Command2"))
        w_.Command2_Click();
    else if (control == QLatin1String("Command5"))
        w_.Command5_Click();
    else if (control == QLatin1String("B_legi"))
        w_.B_legi_Click();
    else if (control == QLatin1String("But_explic"))
        w_.But_explic_Click();
}

void ScriptedIncarc::select(const QString& control, int) {
    unknown(control);
}

QStringList ScriptedIncarc::items(const QString& control) const {
    unknown(control);
}

bool ScriptedIncarc::close() {
    requireOpen();
    w_.inchidere();
    return false;
}

QStringList ScriptedIncarc::show() const {
    QStringList lines;
    lines.append(QStringLiteral("titlu=") + w_.titlu);
    for (int k = 0; k < Incarc::kFields; ++k)
        lines.append(shown(Incarc::numeCamp(k), w_.d1Visible[size_t(k)], w_.d1[size_t(k)]));
    for (int i = 0; i < int(w_.b1.size()); ++i) {
        // In the entry layout the amount shows in its field; the BIC labels
        // and the payer bank belong to a payment order.
        const bool visible = i != B1::suma_afisata &&
                             (w_.partiOP || (i != B1::BIC_platitor && i != B1::banca_platitor &&
                                             i != B1::BIC_beneficiar));
        lines.append(shown(QStringLiteral("b1(%1)").arg(i), visible, w_.b1[size_t(i)]));
    }
    for (int i = 0; i < int(w_.e1.size()); ++i) {
        lines.append(
            shown(QStringLiteral("e1(%1)").arg(i), w_.e1Visible[size_t(i)], w_.e1[size_t(i)]));
    }
    for (int i = 0; i < int(w_.F1.size()); ++i)
        lines.append(shown(QStringLiteral("F1(%1)").arg(i), false, w_.F1[size_t(i)]));
    for (int i = 0; i < 2; ++i) {
        lines.append(shown(QStringLiteral("val_decl(%1)").arg(i), true, w_.val_decl[size_t(i)]));
    }
    for (int i = 0; i < 4; ++i) {
        lines.append(shown(QStringLiteral("lab1(%1)").arg(i), i != 0 || w_.partiOP,
                           incarc_texts::lab1[size_t(i)]));
    }
    lines.append(QStringLiteral("atentie=") + incarc_texts::atentie);
    lines.append(QStringLiteral("Frame4="));
    lines.append(QStringLiteral("Frame8="));
    lines.append(QStringLiteral("Frame12="));
    for (const QString& button : kButtons) {
        lines.append(shown(button, button != QLatin1String("B_cal1") || w_.B_cal1Visible, {}));
    }
    lines.append(QStringLiteral("HScroll1=%1").arg(w_.HScroll1));
    lines.append(QStringLiteral("VScroll1=%1").arg(w_.VScroll1));
    return lines;
}

}  // namespace tavo::cli
