// "Import OP/FV" and "Model import" of the main window.
#include "document/import_texts.h"
#include "entry/incarc.h"
#include "main_window/introd.h"
#include "text/text_file.h"

namespace tavo {

PaymentImport Introd::checkImport(const QString& path) const {
    if (!entry_) {
        PaymentImport none;
        none.error = import_texts::unreadable.arg(path, QString());
        return none;
    }
    const QDate today = entry_->todayForTests ? entry_->todayForTests() : QDate::currentDate();
    return readPaymentImport(path, orders_, entry_->lists(), today);
}

bool Introd::saveImport(const PaymentImport& checked) {
    if (checked.accepted == 0) {
        ui_.message(import_texts::nothingToSave, Icon::Information);
        return false;
    }
    if (ui_.ask(import_texts::askSave.arg(checked.accepted)) != Answer::Yes)
        return false;
    QString error;
    QString versionFailure;
    const std::optional<store::LoadedList> saved =
        orders_.salvare_ordine(checked.documents(), &error, &versionFailure);
    if (!saved) {
        ui_.message(import_texts::notSaved.arg(error), Icon::Exclamation);
        return false;
    }
    reportKeepFailure(ui_, state_, versionFailure);
    incarcare_lista(*saved);
    return true;
}

void Introd::B_import_Click() {
    const std::optional<QString> path = ui_.chooseFile(
        import_texts::choosePrompt, folder_.absolutePath(), import_texts::chooseTitle);
    if (!path || path->isEmpty())
        return;
    const PaymentImport checked = checkImport(*path);
    if (!checked.error.isEmpty()) {
        ui_.message(checked.error, Icon::Exclamation);
        return;
    }
    QString error;
    if (!text::writeLines(folder_.filePath(import_texts::reportFile), checked.report(), &error)) {
        ui_.message(import_texts::reportNotWritten.arg(error), Icon::Exclamation);
        return;
    }
    ui_.openText(import_texts::reportFile);
    saveImport(checked);
}

void Introd::B_model_Click() {
    QString error;
    if (!writeImportModel(folder_, &error)) {
        ui_.message(error, Icon::Exclamation);
        return;
    }
    ui_.openText(QLatin1String(kImportModel));
}

}  // namespace tavo
