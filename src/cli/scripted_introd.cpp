#include "cli/scripted_introd.h"

#include "main_window/introd_captions.h"

namespace tavo::cli {
namespace {

const QString kCauta = QStringLiteral("Cauta");

// The controls of the main window that a script can name.
const QStringList kControls = {
    QStringLiteral("NrO"),       QStringLiteral("Label2"),    QStringLiteral("Frame1"),
    QStringLiteral("Option1"),   QStringLiteral("Option2"),   QStringLiteral("B_start"),
    QStringLiteral("Command1"),  QStringLiteral("Label4"),    QStringLiteral("Ordine"),
    QStringLiteral("Label3"),    QStringLiteral("B_sterg"),   QStringLiteral("Command4"),
    QStringLiteral("B_list_CB"), QStringLiteral("B_list"),    QStringLiteral("Command2"),
    QStringLiteral("Label5"),    QStringLiteral("Command6"),  QStringLiteral("Command10"),
    QStringLiteral("B_OPuri"),   QStringLiteral("B_agentii"), QStringLiteral("Command3"),
    QStringLiteral("Command5"),  QStringLiteral("Command7"),  QStringLiteral("Command9"),
    QStringLiteral("Command8"),  QStringLiteral("Cauta"),
};

}  // namespace

bool ScriptedIntrod::isControl(const QString& control) const {
    // The window is hidden while the entry window is open: nothing of it can be reached.
    if (!w_.visible)
        throw ScriptError(QStringLiteral("the window Introd is hidden"));
    return kControls.contains(control);
}

void ScriptedIntrod::type(const QString& control, const QString& text) {
    if (!isControl(control) || (control != QLatin1String("NrO") && control != kCauta))
        unknown(control);
    w_.setFocus(control);
    if (control == kCauta) {
        // The search follows every keystroke: the first one replaces the whole text.
        for (qsizetype typed = text.isEmpty() ? 0 : 1; typed <= text.size(); ++typed) {
            w_.Cauta = text.left(typed);
            w_.Cauta_Change();
        }
    } else {
        w_.NrO = text;
    }
    w_.setFocus(QString());
}

void ScriptedIntrod::put(const QString& control, const QString& text) {
    if (!isControl(control) || (control != QLatin1String("NrO") && control != kCauta))
        unknown(control);
    if (control == kCauta) {
        // The list always shows what the search field holds.
        w_.Cauta = text;
        w_.Cauta_Change();
    } else {
        w_.NrO = text;
    }
}

void ScriptedIntrod::focus(const QString& control) {
    if (!isControl(control))
        unknown(control);
    w_.setFocus(control);
}

void ScriptedIntrod::leave(const QString& control) {
    if (!isControl(control))
        unknown(control);
    if (w_.focus == control)
        w_.setFocus(QString());
}

void ScriptedIntrod::key(const QString& control, const QString& key) {
    if (!isControl(control) || control != QLatin1String("NrO") || key != QLatin1String("Enter"))
        unknown(control + ' ' + key);
    w_.setFocus(control);
    w_.NrO_Enter();
}

void ScriptedIntrod::click(const QString& control) {
    if (!isControl(control))
        unknown(control);
    // A click on a control that takes the focus moves it there first.
    if (!control.startsWith(QLatin1String("Label")) && control != QLatin1String("Frame1")) {
        w_.setFocus(control);
    }
    if (control == QLatin1String("Option1"))
        w_.Option_Click(true);
    if (control == QLatin1String("Option2"))
        w_.Option_Click(false);
    if (control == QLatin1String("B_start"))
        w_.B_start_Click();
    if (control == QLatin1String("B_sterg"))
        w_.B_sterg_Click();
    if (control == QLatin1String("Command1"))
        w_.Command1_Click();
    if (control == QLatin1String("Command4"))
        w_.Command4_Click();
    if (control == QLatin1String("Command6"))
        w_.Command6_Click();
    if (control == QLatin1String("Command10"))
        w_.Command10_Click();
    if (control == QLatin1String("B_list_CB"))
        w_.B_list_CB_Click();
    if (control == QLatin1String("B_list"))
        w_.B_list_Click();
    if (control == QLatin1String("B_OPuri"))
        w_.B_OPuri_Click();
    if (control == QLatin1String("Command2"))
        w_.Command2_Click();
    if (control == QLatin1String("B_agentii"))
        w_.B_agentii_Click();
    if (control == QLatin1String("Command3"))
        w_.Command3_Click();
    if (control == QLatin1String("Command5"))
        w_.Command5_Click();
    if (control == QLatin1String("Command7"))
        w_.Command7_Click();
    if (control == QLatin1String("Command9"))
        w_.Command9_Click();
    if (control == QLatin1String("Command8"))
        w_.Command8_Click();
}

bool ScriptedIntrod::close() {
    isControl(QString());
    return true;
}

void ScriptedIntrod::select(const QString& control, int index) {
    if (!isControl(control) || control != QLatin1String("Ordine"))
        unknown(control);
    if (index >= w_.Ordine.size()) {
        throw ScriptError(QStringLiteral("Ordine has %1 items").arg(w_.Ordine.size()));
    }
    w_.Ordine_Click(index);
}

QStringList ScriptedIntrod::items(const QString& control) const {
    if (control != QLatin1String("Ordine"))
        unknown(control);
    return w_.Ordine;
}

QStringList ScriptedIntrod::show() const {
    const QString selected =
        w_.OrdineSelectie >= 0 ? w_.Ordine.value(w_.OrdineSelectie) : QString();
    return {
        QStringLiteral("NrO=") + w_.NrO,
        QStringLiteral("Label2=") + introd_captions::Label2,
        QStringLiteral("Frame1="),
        QStringLiteral("Option1=") + (w_.Option1 ? '1' : '0'),
        QStringLiteral("Option2=") + (w_.Option2 ? '1' : '0'),
        QStringLiteral("B_start="),
        QStringLiteral("Command1="),
        QStringLiteral("Label4=") + introd_captions::Label4,
        QStringLiteral("Ordine=") + selected,
        QStringLiteral("Cauta=") + w_.Cauta,
        QStringLiteral("Label3=") + w_.Label3,
        QStringLiteral("B_sterg="),
        QStringLiteral("Command4="),
        QStringLiteral("Command6="),
        QStringLiteral("Command10="),
        QStringLiteral("B_list_CB="),
        QStringLiteral("B_list="),
        QStringLiteral("B_OPuri="),
        QStringLiteral("Command2="),
        QStringLiteral("Label5=") + introd_captions::Label5,
        QStringLiteral("B_agentii="),
        QStringLiteral("Command3="),
        QStringLiteral("Command5="),
        QStringLiteral("Command7="),
        QStringLiteral("Command9="),
        QStringLiteral("Command8="),
    };
}

}  // namespace tavo::cli
