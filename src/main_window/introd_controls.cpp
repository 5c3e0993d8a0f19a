#include "main_window/introd.h"
#include "main_window/introd_captions.h"

namespace tavo {
namespace {

using ui::ControlKind;

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

ui::Control caption(const QString& name, const QString& text) {
    return ui::label(name, [text] { return text; });
}

}  // namespace

ui::ControlTable Introd::controls() {
    namespace captions = introd_captions;
    ui::ControlTable table;
    table.window = QStringLiteral("Introd");
    table.shown = [this] { return visible; };
    table.focus = [this] { return focus; };
    table.setFocus = [this](const QString& control) { setFocus(control); };
    table.close = [] { return true; };
    table.controls = {
        ui::Control(QStringLiteral("NrO"), ControlKind::TextField)
            .shows([this] { return NrO; })
            .onEdit([this](const QString& text) { NrO = text; })
            .onEnter([this] { NrO_Enter(); }),
        caption(QStringLiteral("Label2"), captions::Label2),
        ui::label(QStringLiteral("Frame1"), {}, ControlKind::Frame),
        ui::Control(QStringLiteral("Option1"), ControlKind::Option)
            .shows([this] { return flag(Option1); })
            .onClick([this] { Option_Click(true); }),
        ui::Control(QStringLiteral("Option2"), ControlKind::Option)
            .shows([this] { return flag(Option2); })
            .onClick([this] { Option_Click(false); }),
        ui::button(QStringLiteral("B_start"), [this] { B_start_Click(); }),
        ui::button(QStringLiteral("Command1"), [this] { Command1_Click(); }),
        caption(QStringLiteral("Label4"), captions::Label4),
        ui::Control(QStringLiteral("Ordine"), ControlKind::List)
            .shows(
                [this] { return OrdineSelectie >= 0 ? Ordine.value(OrdineSelectie) : QString(); })
            .onSelect([this](int row) { Ordine_Click(row); })
            .listing([this] { return Ordine; }),
        ui::Control(QStringLiteral("Cauta"), ControlKind::TextField)
            .shows([this] { return Cauta; })
            // The search follows every keystroke: the first one replaces the whole text.
            .onType([this](const QString& text) {
                for (qsizetype typed = text.isEmpty() ? 0 : 1; typed <= text.size(); ++typed) {
                    Cauta = text.left(typed);
                    Cauta_Change();
                }
            })
            .onChange([this](const QString& text) {
                Cauta = text;
                Cauta_Change();
            }),
        ui::label(QStringLiteral("CautaNumar"), [this] { return CautaNumar; }),
        ui::label(QStringLiteral("Label3"), [this] { return Label3; }),
        ui::button(QStringLiteral("B_sterg"), [this] { B_sterg_Click(); }),
        ui::button(QStringLiteral("Command4"), [this] { Command4_Click(); }),
        ui::button(QStringLiteral("Command6"), [this] { Command6_Click(); }),
        ui::button(QStringLiteral("Command10"), [this] { Command10_Click(); }),
        ui::button(QStringLiteral("B_list_CB"), [this] { B_list_CB_Click(); }),
        ui::button(QStringLiteral("B_list"), [this] { B_list_Click(); }),
        ui::button(QStringLiteral("B_OPuri"), [this] { B_OPuri_Click(); }),
        ui::button(QStringLiteral("Command2"), [this] { Command2_Click(); }),
        ui::label(QStringLiteral("Label5"), [this] { return Label5; }),
        ui::button(QStringLiteral("B_agentii"), [this] { B_agentii_Click(); }),
        ui::button(QStringLiteral("B_import"), [this] { B_import_Click(); }),
        ui::button(QStringLiteral("B_model"), [this] { B_model_Click(); }),
        ui::button(QStringLiteral("B_export"), [this] { B_export_Click(); }),
        ui::button(QStringLiteral("Command3"), [this] { Command3_Click(); }),
        ui::button(QStringLiteral("Command5"), [this] { Command5_Click(); }),
        ui::button(QStringLiteral("Command7"), [this] { Command7_Click(); }),
        ui::button(QStringLiteral("Command9"), [this] { Command9_Click(); }),
        ui::button(QStringLiteral("Command8"), [this] { Command8_Click(); }),
    };
    return table;
}

}  // namespace tavo
