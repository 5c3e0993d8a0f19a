// The checks run when a field of the entry window is left: the document
// layer's, with their messages shown and what they found applied to the
// window (the bank list's row, the beneficiary assistant, the debit date).
#include "checks/amounts.h"
#include "entry/form_iban.h"
#include "entry/incarc.h"

namespace tavo {

document::Document Incarc::currentDocument() const {
    document::Document current;
    current.nr_ordine = state_.nr_curent;
    current.d1 = d1;
    current.op = isPaymentOrder();
    return current;
}

document::CheckContext Incarc::checkContext() const {
    return {lists_.Form_IBAN.Banci1, assistant_ ? assistant_->oblig1.selectedRow() : QString(),
            todayForTests ? todayForTests() : QDate::currentDate()};
}

void Incarc::leaveField(int k) {
    document::CheckContext context = checkContext();
    // The thousands question of an amount ("1.500") is the user's to answer.
    if (k == D1::suma) {
        const auto question = checks::thousandsQuestion(d1[D1::suma]);
        context.thousandsMeant = question && ui_.ask(question->question) == Answer::Yes;
    }
    document::Document current = currentDocument();
    document::FieldFindings found = document::checkTypedField(current, b1, k, context);
    d1 = current.d1;
    showNotices(ui_, found.notices);
    found.notices.clear();
    if (found.bankRow && assistant_) {
        assistant_->Banci1.select(*found.bankRow);
        if (*found.bankRow < 0)
            assistant_->Benef1.select(-1);
    }
    if (found.stopped)
        return;
    if (found.registrationNumberTyped)
        handOverToAssistant();
    current = currentDocument();
    document::settleLeftField(current, b1, k, context, found);
    d1 = current.d1;
    showDebitDate(document::debitDateApplies(current));
    showNotices(ui_, found.notices);
    if (found.complete)
        copyToSecondCopy();
    if (found.hintsGiven > 0) {
        hint = {found.hint.field, found.hint.text};
        hintsGiven += found.hintsGiven;
    }
}

// A registration number typed with a beneficiary IBAN: the beneficiary
// assistant's second way fills the beneficiary section from the two.
void Incarc::handOverToAssistant() {
    if (!assistant_)
        return;
    const QString iban = d1[D1::IBAN_beneficiar];
    const QString number = d1[D1::nr_evidenta];
    assistant_->Option_Click(2);
    assistant_->codIBAN = iban;
    assistant_->nrEVID = number;
    assistant_->Command9_Click();
}

// The debit date and its calendar button are shown for the state-domain
// agency paying from an account, its print label otherwise.
void Incarc::showDebitDate(bool shown) {
    d1Visible[D1::data_debitarii] = shown;
    B_cal1Visible = shown;
    e1Visible[E1::data_debitarii] = !shown;
}

void Incarc::verif1(int k) {
    document::Document current = currentDocument();
    const Notices notices = document::normaliseField(current, b1, k, checkContext());
    d1 = current.d1;
    showNotices(ui_, notices);
}

void Incarc::poz_IBAN(int k) {
    if (!assistant_)
        return;
    const QString& iban = d1[size_t(k)];
    ListChoice& units = assistant_->Benef1;
    if (iban.mid(4, 4) == QLatin1String("TREZ"))
        units.select(beneficiary::treasuryUnitRow(units.list(), iban.mid(4, 7)));
    else
        units.select(-1);
}

}  // namespace tavo
