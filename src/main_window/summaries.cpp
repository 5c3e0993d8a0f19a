// "Borderou (1) OP/FV" and "Borderou (2) OP": the payment summary of one payer
// over a period of issue dates, written to Borderou.txt and opened in the
// viewer, from where the user prints it.
#include "checks/dates.h"
#include "entry/incarc.h"
#include "main_window/date_setting_note.h"
#include "main_window/introd.h"
#include "main_window/introd_texts.h"
#include "printing/borderou.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

using printing::FelBorderou;

struct Warnings {
    QString partialIncluded;
    QString noneStored;
};

Warnings warningsFor(FelBorderou kind) {
    if (kind == FelBorderou::Op) {
        return {introd_texts::partialOrdersIncluded, introd_texts::noOrders};
    }
    return {introd_texts::partialDocumentsIncluded, introd_texts::noDocuments};
}

// The type chosen by the answer's number: 1 payment orders, 2 deposit slips,
// anything else (Cancel too) both.
QString chosenTypes(const std::optional<QString>& answer) {
    switch (text::numericValue(answer.value_or(QString()))) {
        case 1:
            return QStringLiteral("OP");
        case 2:
            return QStringLiteral("FV");
        default:
            return QString();
    }
}

// The command on the main window's folder, values, stored documents and the
// entry window's bank list (none without an entry window).
bool writeSummary(FelBorderou kind, const QDir& folder, Ui& ui, ProgramState& state,
                  const store::OrdersFile& orders, Incarc* entry) {
    if (!dateSettingUsable(ui))
        return true;
    const Warnings t = warningsFor(kind);
    ui.message(t.partialIncluded);
    if (!orders.exists()) {
        ui.message(t.noneStored, Icon::Exclamation);
        return true;
    }

    // Every question is asked before any answer is looked at.
    const std::optional<QString> cif = ui.input(introd_texts::askPayerCode, state.CIF_curent);
    const std::optional<QString> period = ui.input(
        introd_texts::askSummaryPeriod, state.data_curenta + QLatin1Char('-') + state.data_curenta);
    printing::SummaryRequest request;
    request.fel = kind;
    request.tip = kind == FelBorderou::Op
                      ? QStringLiteral("OP")
                      : chosenTypes(ui.input(introd_texts::askType, QStringLiteral("1")));
    if (!cif || cif->isEmpty() || !period)
        return true;
    request.CIF = *cif;
    request.perioada = printing::readPeriod(*period);
    if (!request.perioada.readable) {
        ui.message(printing::kPeriodForm, Icon::Exclamation);
        return false;
    }

    const beneficiary::ReferenceList none;
    const beneficiary::ReferenceList* Banci1 = entry ? &entry->lists().Form_IBAN.Banci1 : nullptr;
    QString error;
    if (!printing::scrie_borderou(orders.path(),
                                  folder.filePath(QLatin1String(printing::kFisierBorderou)),
                                  request, Banci1 ? *Banci1 : none, nullptr, &error)) {
        ui.message(introd_texts::summaryNotWritten.arg(error), Icon::Exclamation);
        return true;
    }
    ui.openText(QLatin1String(printing::kFisierBorderou));
    return true;
}

}  // namespace

bool Introd::Command6_Click() {
    return writeSummary(FelBorderou::OpFv, folder_, ui_, state_, orders_, entry_);
}

bool Introd::Command10_Click() {
    return writeSummary(FelBorderou::Op, folder_, ui_, state_, orders_, entry_);
}

}  // namespace tavo
