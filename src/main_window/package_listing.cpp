// "Listare package OP/FV-uri.": all complete stored documents of one payer,
// one type, a period of issue dates and, when asked, an interval of order
// numbers, each printed with its barcode exactly as "Listare OP/ FV" prints a
// single one. Their text images are collected in LKELM.txt.
#include <QFile>

#include "checks/dates.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "entry/stored_document.h"
#include "main_window/date_setting_note.h"
#include "main_window/introd.h"
#include "main_window/introd_texts.h"
#include "printing/period.h"
#include "printing/text_image.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

// The interval of order numbers, n1/n2, both ends included.
struct Interval {
    bool restricted = false;  // false: every order number
    qint64 n1 = 0;
    qint64 n2 = 0;

    bool contains(qint64 nr) const { return !restricted || (n1 <= nr && nr <= n2); }
};

// The answer to the interval question. The default "/" (both sides empty),
// an answer without "/" and Cancel all mean every order number; a reversed
// interval is refused with a message and also means every order number.
Interval readInterval(const std::optional<QString>& answer, Ui& ui) {
    if (!answer)
        return {};
    const qsizetype slash = answer->indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    const QString n1 = answer->left(slash);
    const QString n2 = answer->mid(slash + 1);
    if (n1.isEmpty() && n2.isEmpty())
        return {};
    const Interval interval{true, text::numericValue(n1), text::numericValue(n2)};
    if (interval.n2 < interval.n1) {
        ui.message(introd_texts::wrongInterval, Icon::Exclamation, QStringLiteral(" "));
        return {};
    }
    return interval;
}

// What the questions chose.
struct PackageChoice {
    int copies = 1;  // 0: two copies a page, 1: one
    QString cif;
    QString type;  // "OP", "FV", or empty: no document qualifies
    printing::Period period;
    Interval interval;

    bool includes(const store::ordin& document) const {
        return document[store::CIF_platitor] == cif && !type.isEmpty() &&
               document[store::tip_doc] == type &&
               interval.contains(text::numericValue(document[store::nr_ordine])) &&
               period.contains(document[store::data_emiterii]);
    }
};

// One document of the package, checked as "Incărcare" would check it without
// a message: a complete one is printed with its barcode (or without, when the
// user accepts it) and its text image joins `textImages`.
void printPackageDocument(Ui& ui, const StoredDocuments& documents, const store::ordin& line,
                          int copies, QStringList& textImages) {
    const CheckedDocument document = documents.check(line);
    if (!document.lista_erori.isEmpty())
        return;
    const BarcodePicture barcode = barcodePicture(document.payload);
    if (barcode.picture || ui.ask(incarc_texts::faraCodBare.arg(barcode.error)) == Answer::Yes) {
        printing::vizu_OP1(textImage(document), textImages);
        ui.print(printing::printJob(documents.page(document, copies, barcode.picture)));
    }
}

}  // namespace

bool Introd::B_OPuri_Click() {
    if (!entry_)
        return true;
    if (!dateSettingUsable(ui_))
        return true;
    ui_.message(introd_texts::partialOnesLeftOut);
    if (!orders_.exists()) {
        ui_.message(introd_texts::noDocuments, Icon::Exclamation);
        return true;
    }
    PackageChoice package;
    const std::optional<int> copies = askCopiesPerPage();
    if (!copies)
        return true;
    package.copies = *copies;
    const std::optional<QString> cif = ui_.input(introd_texts::askPayerCode, state_.CIF_curent);
    if (!cif || text::numericValue(*cif) == 0)
        return true;
    package.cif = *cif;
    const std::optional<QString> period =
        ui_.input(introd_texts::askPackagePeriod,
                  state_.data_curenta + QLatin1Char('-') + state_.data_curenta);
    const std::optional<QString> typeAnswer = ui_.input(introd_texts::askType, QStringLiteral("1"));
    const qint64 type = typeAnswer ? text::numericValue(*typeAnswer) : 0;
    if (type == 0)
        return true;
    package.type = type == 1 ? QStringLiteral("OP") : type == 2 ? QStringLiteral("FV") : QString();
    if (!period)
        return true;
    package.period = printing::readPeriod(*period);
    if (!package.period.readable) {
        ui_.message(printing::kPeriodForm, Icon::Exclamation);
        return false;
    }
    package.interval = readInterval(ui_.input(introd_texts::askInterval, QStringLiteral("/")), ui_);

    visible = false;
    // LKELM.txt is started anew: a file that cannot be written stops the run
    // before anything is printed.
    const QString lkelm = folder_.filePath(printing::kLKELM);
    QFile::remove(lkelm);
    QString error;
    if (!text::writeLines(lkelm, {}, &error)) {
        ui_.message(incarc_texts::imagineEsuata.arg(error), Icon::Exclamation);
        visible = true;
        return true;
    }

    QStringList textImages;
    const QList<store::OrdersFile::DocumentLine> lines = orders_.documente();
    const int total = int(lines.size());
    const StoredDocuments documents(folder_, ui_, state_, entry_->lists());
    for (int i = 0; i < total; ++i) {
        const store::ordin document = store::ordin::fromLine(lines[i].text);
        // Every line read leaves its order number and type in the program's values.
        state_.nr_curent = document[store::nr_ordine];
        const QString& storedType = document[store::tip_doc];
        if (storedType == QLatin1String("OP") || storedType == QLatin1String("FV"))
            state_.tip_doc = storedType;
        if (package.includes(document))
            printPackageDocument(ui_, documents, document, package.copies, textImages);
        const QString shown = introd_texts::packageProgress;
        if (!ui_.progress(i + 1, total, shown.arg(i + 1).arg(total)))
            break;
    }

    if (!text::writeLines(lkelm, textImages, &error)) {
        ui_.message(incarc_texts::imagineEsuata.arg(error), Icon::Exclamation);
    } else if (ui_.ask(introd_texts::askViewImages) == Answer::Yes) {
        ui_.openText(printing::kLKELM);
    }
    visible = true;
    return true;
}

}  // namespace tavo
