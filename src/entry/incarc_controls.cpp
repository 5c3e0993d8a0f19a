#include "entry/incarc.h"
#include "entry/incarc_texts.h"

namespace tavo {
namespace {

using ui::ControlKind;

// The labels of an array of them: "b1(0)", "b1(1)"...
template <size_t N>
void addLabels(std::vector<ui::Control>& controls, const QString& array,
               const std::array<QString, N>& texts, const std::function<bool(int)>& visible) {
    for (int i = 0; i < int(N); ++i) {
        controls.push_back(ui::label(QStringLiteral("%1(%2)").arg(array).arg(i), [&texts, i] {
                               return texts[size_t(i)];
                           }).shownWhen([visible, i] { return visible(i); }));
    }
}

}  // namespace

ui::ControlTable Incarc::controls() {
    ui::ControlTable table;
    table.window = QStringLiteral("Incarc");
    table.shown = [this] { return visible; };
    table.focus = [this] { return focus; };
    table.setFocus = [this](const QString& control) { setFocus(control); };
    table.close = [this] {
        closeBoxClicked();
        return false;
    };
    std::vector<ui::Control>& controls = table.controls;
    controls.push_back(ui::label(QStringLiteral("titlu"), [this] { return titlu; }));
    for (int k = 0; k < kFields; ++k) {
        controls.push_back(ui::Control(fieldName(k), ControlKind::TextField)
                               .shows([this, k] { return d1[size_t(k)]; })
                               .shownWhen([this, k] { return d1Visible[size_t(k)]; })
                               .onType([this, k](const QString& text) { typeText(k, text); })
                               .onChange([this, k](const QString& text) { editField(k, text); })
                               .onEnter([this, k] { key_Enter(k); })
                               .onUndo([this, k] { restoreTyped(k); })
                               .onClick([this, k] { click_d1(k); }));
    }
    // In the entry layout the amount shows in its field; the BIC labels and
    // the payer bank belong to a payment order.
    addLabels(controls, QStringLiteral("b1"), b1, [this](int i) {
        return i != 0 && (orderPartsShown || (i != 2 && i != 3 && i != 4));
    });
    addLabels(controls, QStringLiteral("e1"), e1, [this](int i) { return e1Visible[size_t(i)]; });
    addLabels(controls, QStringLiteral("F1"), F1, [](int) { return false; });
    addLabels(controls, QStringLiteral("val_decl"), val_decl, [](int) { return true; });
    addLabels(controls, QStringLiteral("lab1"), incarc_texts::lab1,
              [this](int i) { return i != 0 || orderPartsShown; });
    controls.push_back(ui::label(QStringLiteral("atentie"), [] { return incarc_texts::atentie; }));
    for (const char* frame : {"Frame4", "Frame8", "Frame12"})
        controls.push_back(ui::label(QLatin1String(frame), {}, ControlKind::Frame));
    const std::pair<const char*, void (Incarc::*)()> buttons[] = {
        {"but_exit", &Incarc::but_exit_Click},    {"Command1", &Incarc::Command1_Click},
        {"Command6", &Incarc::Command6_Click},    {"Command8", &Incarc::Command8_Click},
        {"B_cal", &Incarc::B_cal_Click},          {"B_cal1", &Incarc::B_cal1_Click},
        {"Command7", &Incarc::Command7_Click},    {"Command4", &Incarc::Command4_Click},
        {"Command3", &Incarc::Command3_Click},    {"Command2", &Incarc::Command2_Click},
        {"Command5", &Incarc::Command5_Click},    {"B_legi", &Incarc::B_legi_Click},
        {"But_explic", &Incarc::But_explic_Click}};
    for (const auto& [name, method] : buttons) {
        // A lambda takes a copy of the handler, not the binding itself.
        const auto handler = method;
        controls.push_back(
            ui::button(QLatin1String(name), [this, handler] { (this->*handler)(); }));
        // The debit date's calendar is there for the state-domain agency only.
        if (controls.back().name == QLatin1String("B_cal1"))
            controls.back().visible = [this] { return B_cal1Visible; };
    }
    controls.push_back(ui::label(
        QStringLiteral("HScroll1"), [this] { return QString::number(HScroll1); },
        ControlKind::ScrollBar));
    controls.push_back(ui::label(
        QStringLiteral("VScroll1"), [this] { return QString::number(VScroll1); },
        ControlKind::ScrollBar));
    return table;
}

}  // namespace tavo
