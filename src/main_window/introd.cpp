#include "main_window/introd.h"

#include <QRegularExpression>

#include "entry/form_iban.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "export/dosar.h"
#include "main_window/date_setting_note.h"
#include "main_window/introd_texts.h"
#include "store/earlier_versions.h"
#include "store/ordin.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

const QString kNrO = QStringLiteral("NrO");

// NrO holds a number when it is a whole number, blanks around it allowed.
bool isWholeNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    return number.match(text).hasMatch();
}

QString joinNumbers(const QList<int>& numbers) {
    QStringList texts;
    for (int n : numbers) texts.append(QString::number(n));
    return texts.join(QLatin1String(", "));
}

}  // namespace

Introd::Introd(QDir folder, Ui& ui, ProgramState& state)
    : Label5(dateSettingNote()),
      folder_(std::move(folder)),
      ui_(ui),
      state_(state),
      orders_(folder_) {}

QString Introd::countLabel(qsizetype count) {
    return introd_texts::countLabel.arg(count);
}

void Introd::start() {
    folder_.mkpath(QStringLiteral("agentie"));
    incarcare_lista();
}

void Introd::incarcare_lista() {
    incarcare_lista(orders_.incarcare_lista(searchable));
}

void Introd::incarcare_lista(const store::LoadedList& loaded) {
    // A search typed before stays: the list shows what it finds in the file as it is now.
    allItems_ = loaded.items;
    if (searchable) {
        search_.setLines(loaded.searchLines);
        Cauta_Change();
    } else {
        OrdineSelectie = -1;
        Ordine = allItems_;
    }
    if (!loaded.fileExists) {
        Label3 = countLabel(0);
        return;
    }
    Label3 = countLabel(allItems_.size());
    NrO = QString::number(allItems_.size() + 1);
    if (loaded.CIF_curent)
        state_.CIF_curent = *loaded.CIF_curent;
    if (loaded.data_curenta)
        state_.data_curenta = *loaded.data_curenta;
    if (!loaded.rewriteError.isEmpty()) {
        ui_.message(introd_texts::ordersNotRewritten.arg(loaded.rewriteError), Icon::Exclamation);
    }
    reportKeepFailure(ui_, state_, loaded.versionFailure);
    reportUnknownLines(loaded.unknownLines);
}

// Lines that are not documents stay in the file untouched; the user hears of
// them once, not at every reload of the list.
void Introd::reportUnknownLines(const QList<int>& lines) {
    if (lines.isEmpty() || lines == reportedUnknownLines_)
        return;
    reportedUnknownLines_ = lines;
    const QString text = lines.size() == 1
                             ? introd_texts::unknownLine.arg(lines.front())
                             : introd_texts::unknownLines.arg(lines.size()).arg(joinNumbers(lines));
    ui_.message(text, Icon::Exclamation);
}

void Introd::setFocus(const QString& control) {
    if (focus == control)
        return;
    const QString previous = focus;
    focus = control;
    if (previous == kNrO)
        NrO_LostFocus();
}

void Introd::NrO_Enter() {
    setFocus(QStringLiteral("B_start"));
}

void Introd::NrO_LostFocus() {
    // A text that is not a whole number, zero or a negative number becomes 1.
    if (!isWholeNumber(NrO) || text::numericValue(NrO) <= 0)
        NrO = QStringLiteral("1");
    const qint64 value = text::numericValue(NrO);
    if (orders_.exists()) {
        const store::OrdersFile::Position found = orders_.documentAtPosition(value);
        if (found.line) {
            const QString& line = *found.line;
            state_.CIF_curent = store::camp(line, store::CIF_platitor).toString();
            state_.data_curenta = store::camp(line, store::data_emiterii).toString();
            const QStringView type = store::camp(line, store::tip_doc);
            if (type == QLatin1String("OP"))
                Option_Click(true);
            if (type == QLatin1String("FV"))
                Option_Click(false);
        }
        if (value > found.count)
            NrO = QString::number(found.count + 1);
    }
    OrdineSelectie = -1;
}

void Introd::Ordine_Click(int index) {
    OrdineSelectie = index;
    if (index < 0 || index >= Ordine.size()) {
        OrdineSelectie = -1;
        return;
    }
    const QString& item = Ordine[index];
    NrO = QString::number(text::numericValue(item.section(QLatin1Char(','), 0, 0)));
    const QString type = item.section(QLatin1Char(','), 2);
    if (type == QLatin1String("OP"))
        Option_Click(true);
    if (type == QLatin1String("FV"))
        Option_Click(false);
    setFocus(kNrO);
    setFocus(QStringLiteral("B_start"));
}

void Introd::Cauta_Change() {
    OrdineSelectie = -1;
    const std::vector<qsizetype>& found = search_.find(Cauta);
    if (Cauta.isEmpty())
        CautaNumar.clear();
    else if (found.empty())
        CautaNumar = introd_texts::noneFound;
    else
        CautaNumar = introd_texts::foundCount.arg(found.size()).arg(allItems_.size());
    // Every document found: the list shares the whole list's items.
    if (found.size() == size_t(allItems_.size())) {
        Ordine = allItems_;
        return;
    }
    QStringList items;
    items.reserve(qsizetype(found.size()));
    for (const qsizetype i : found) items.append(allItems_.at(i));
    Ordine = std::move(items);
}

void Introd::Option_Click(bool op) {
    Option1 = op;
    Option2 = !op;
}

void Introd::B_start_Click() {
    if (!entry_)
        return;
    // The button takes the focus first: NrO's leave rules run.
    setFocus(QStringLiteral("B_start"));
    state_.cod_trez_curent.clear();
    state_.tip_doc = Option1 ? QStringLiteral("OP") : QStringLiteral("FV");
    state_.nr_curent = QString::number(text::numericValue(NrO));
    if (Form_IBAN* assistant = entry_->assistant())
        assistant->Banci1.select(-1);
    visible = false;
    entry_->aranjare_macheta();
    entry_->citire_ordin();
    Option_Click(state_.tip_doc == QLatin1String("OP"));
    entry_->showWindow();
}

void Introd::B_sterg_Click() {
    if (ui_.ask(introd_texts::askDeleteAll, Buttons::YesNo) != Answer::Yes) {
        return;
    }
    QString error;
    switch (orders_.deleteAll(&error)) {
        case store::OrdersFile::Deletion::Deleted:
            ui_.message(introd_texts::deletedAll);
            NrO = QStringLiteral("1");
            break;
        case store::OrdersFile::Deletion::Failed:
            // Without a safe copy nothing is deleted.
            ui_.message(introd_texts::notDeleted.arg(error), Icon::Exclamation);
            return;
        case store::OrdersFile::Deletion::NoFile:
            break;
    }
    allItems_.clear();
    search_.setLines({});
    Cauta_Change();
    Label3 = countLabel(0);
}

void Introd::Command1_Click() {
    ui_.message(introd_texts::orderNumberHelp, Icon::Information);
}

void Introd::Command4_Click() {
    if (!orders_.exists())
        return;
    QString error;
    if (!exporting::cre_dosar(orders_, folder_.filePath(QStringLiteral("dosar.txt")), &error)) {
        ui_.message(incarc_texts::dosarEsuat.arg(error), Icon::Exclamation);
        return;
    }
    ui_.openText(QStringLiteral("dosar.txt"));
}

}  // namespace tavo
