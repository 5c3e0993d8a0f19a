// "Export OP/FV": the stored documents out to a table.
#include <QFileInfo>

#include "export/payments_table.h"
#include "main_window/export_texts.h"
#include "main_window/introd.h"
#include "main_window/introd_texts.h"

namespace tavo {

void Introd::B_export_Click() {
    if (!orders_.exists()) {
        ui_.message(introd_texts::noDocuments, Icon::Exclamation);
        return;
    }
    exporting::PaymentsChoice choice;
    const std::optional<QString> cif = ui_.input(export_texts::askCif, state_.CIF_curent);
    if (!cif)
        return;
    if (!cif->trimmed().isEmpty())
        choice.CIF = cif->trimmed();
    const std::optional<QString> period = ui_.input(export_texts::askPeriod, QString());
    if (!period)
        return;
    if (!period->trimmed().isEmpty()) {
        choice.perioada = printing::readPeriod(*period);
        if (!choice.perioada->readable) {
            ui_.message(printing::kPeriodForm, Icon::Exclamation);
            return;
        }
    }
    const std::optional<QString> path =
        ui_.chooseSaveFile(export_texts::chooseFile, folder_.absolutePath(),
                           export_texts::suggestedName, export_texts::chooseTitle);
    if (!path || path->isEmpty())
        return;
    const text::TableFlavour flavour = ui_.ask(export_texts::askExcel) == Answer::Yes
                                           ? text::TableFlavour::Excel
                                           : text::TableFlavour::Csv;
    // A name without a folder goes into the working folder.
    const QString file = folder_.filePath(*path);
    QString error;
    const std::optional<qint64> written =
        exporting::writePaymentsTable(orders_, file, choice, flavour, &error);
    if (!written) {
        ui_.message(export_texts::notWritten.arg(QFileInfo(file).fileName(), error),
                    Icon::Exclamation);
        return;
    }
    ui_.message(export_texts::written.arg(*written).arg(QFileInfo(file).fileName()),
                Icon::Information);
}

}  // namespace tavo
