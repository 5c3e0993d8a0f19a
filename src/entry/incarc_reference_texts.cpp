#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "store/reference_texts.h"

namespace tavo {

void Incarc::Command2_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kInstr));
}

void Incarc::Command5_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kInfUtile));
}

void Incarc::B_legi_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kLegi));
}

void Incarc::But_explic_Click() {
    QString error;
    const QString name = reference_texts::prepareSuggestions(folder_, &error);
    if (name.isEmpty()) {
        ui_.message(
            incarc_texts::suggestionsNotMade.arg(QLatin1String(reference_texts::kSugestii), error),
            Icon::Exclamation);
        return;
    }
    ui_.openText(name);
}

}  // namespace tavo
