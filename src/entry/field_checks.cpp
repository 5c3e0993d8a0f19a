// The checks run when a field of the entry window is left, and the
// normalisation of one field (verif1).
#include <QRegularExpression>

#include "beneficiary/bank_lookup.h"
#include "beneficiary/iban.h"
#include "checks/amounts.h"
#include "checks/commitment.h"
#include "checks/dates.h"
#include "checks/fiscal_codes.h"
#include "entry/form_iban.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "text/cleaners.h"

namespace tavo {
namespace {

bool validFiscalCode(const QString& code) {
    return checks::verif_CNP(code) || checks::verif_CIF(code);
}

bool isIbanField(int k) {
    return k == D1::IBAN_platitor || k == D1::IBAN_beneficiar;
}

// "1.500", "12.345": a "." before the last three digits groups thousands, as
// Romanians write amounts, though the amount field reads it as decimals.
bool groupsThousands(const QString& amount) {
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[1-9][0-9]{0,2}\\.[0-9]{3}$"));
    QString compact = amount;
    compact.remove(QLatin1Char(' '));
    return grouped.match(compact).hasMatch();
}

QString digitsOf(const QString& text) {
    QString digits = text;
    digits.removeIf([](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); });
    return digits;
}

}  // namespace

void Incarc::leaveField(int k) {
    QString& field = d1[size_t(k)];
    const QString typed = field;
    const QString indicatorBefore = d1[D1::indicator_angajament];
    if (k == D1::nr_OP)
        field = text::filtru_CB(field);

    // The National Bank's accounts are typed as they stand, without "RO".
    if (k == D1::IBAN_beneficiar && beneficiary::isNationalBankAccount(field)) {
        b1[B1::BIC_beneficiar] = QLatin1String(beneficiary::kNationalBankBic);
        b1[B1::banca_beneficiar] = QLatin1String(beneficiary::kNationalBankName);
        return;
    }
    if (isIbanField(k)) {
        const QString typed = field.toUpper().trimmed();
        field = typed.isEmpty() ? typed : QStringLiteral("RO") + typed.right(22);
        if (!field.isEmpty() && !findBankLabels(k))
            return;
    }

    if (k == D1::nr_evidenta && !field.isEmpty()) {
        if (field.size() != 23) {
            ui_.message(incarc_texts::lungimeNrEvidenta, Icon::Exclamation);
            field.clear();
            return;
        }
        if (!QStringLiteral("2678").contains(field.front())) {
            field.clear();
            ui_.message(incarc_texts::primulCarNrEvidenta, Icon::Exclamation);
        }
        // Registration numbers belong to treasury accounts: with a bank's IBAN
        // the beneficiary section the user typed stays as it is.
        if (!field.isEmpty() && d1[D1::IBAN_beneficiar].mid(4, 4) == QLatin1String("TREZ"))
            handOverToAssistant();
    }
    if (k == D1::nr_evidenta && field.startsWith(QLatin1String("26")))
        d1[D1::reprezentand] = incarc_texts::timbruMediu;

    if (k == D1::data_emiterii)
        field = typedIssueDate(field, false);
    placeDebitDateCalendar(k);
    if ((k == D1::cod_angajament || k == D1::indicator_angajament || k == D1::cod_program) &&
        checks::isSpecialCommitmentCode(d1[D1::cod_angajament]) &&
        !d1[D1::indicator_angajament].isEmpty()) {
        d1[D1::indicator_angajament].clear();
    }
    verif1(k);
    verif_OP();
    hintAfterChecks(k, typed, indicatorBefore);
}

// After the checks of d1(k): a hint where they emptied what was typed without
// a message of their own (a date that is not one may also become today's
// date), and where an amount's "." grouped thousands but was read as decimals.
void Incarc::hintAfterChecks(int k, const QString& typed, const QString& indicatorBefore) {
    const bool typedSomething = !typed.trimmed().isEmpty();
    const bool emptied = typedSomething && d1[size_t(k)].isEmpty();
    if (k == D1::nr_OP && emptied)
        giveHint(k, incarc_texts::hintNumber);
    if (k == D1::suma && emptied)
        giveHint(k, incarc_texts::hintAmount);
    // An amount the thousands question was asked for is read as the user answered.
    if (k == D1::suma && !d1[D1::suma].isEmpty() && groupsThousands(typed) &&
        !checks::thousandsQuestion(typed)) {
        const QString read = QString(d1[D1::suma]).replace(QLatin1Char('.'), QLatin1Char(','));
        giveHint(k, incarc_texts::hintAmountThousands.arg(typed.trimmed(), read, digitsOf(typed)));
    }
    // A treasury beneficiary then gets the payer's code in place of the one typed.
    if (k == D1::CIF_beneficiar && typedSomething && !validFiscalCode(typed) && !isPaymentOrder())
        giveHint(k, incarc_texts::hintBeneficiaryCode);
    if ((k == D1::data_emiterii || k == D1::data_debitarii) && typedSomething &&
        !checks::dateFromText(typed))
        giveHint(
            k, k == D1::data_emiterii ? incarc_texts::hintIssueDate : incarc_texts::hintDebitDate);
    if (!indicatorBefore.isEmpty() && d1[D1::indicator_angajament].isEmpty() &&
        checks::isSpecialCommitmentCode(d1[D1::cod_angajament]))
        giveHint(D1::indicator_angajament, incarc_texts::hintIndicator.arg(d1[D1::cod_angajament]));
}

void Incarc::giveHint(int k, const QString& text) {
    hint = {k, text};
    ++hintsGiven;
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

// The bank of the IBAN in d1(k), looked up in the bank list: the BIC and bank
// labels of that side, or a message and an emptied IBAN (and, for the
// beneficiary, an emptied beneficiary section) when the bank is not listed.
bool Incarc::findBankLabels(int k) {
    const bool payer = k == D1::IBAN_platitor;
    beneficiary::ReferenceList& banks = lists_.Form_IBAN.Banci1;
    const auto found = beneficiary::lookUpBank(
        banks, d1[size_t(k)], d1[payer ? D1::sucursala_platitor : D1::sucursala_beneficiar]);
    QString& bic = b1[payer ? B1::BIC_platitor : B1::BIC_beneficiar];
    QString& bank = b1[payer ? B1::banca_platitor : B1::banca_beneficiar];
    if (found) {
        banks.select(found->row);
        bic = found->bic;
        bank = found->bank;
        return true;
    }
    banks.select(-1);
    ui_.message(incarc_texts::bancaNegasita, Icon::Exclamation);
    d1[size_t(k)].clear();
    lists_.Form_IBAN.Benef1.select(-1);
    bic.clear();
    bank.clear();
    if (!payer) {
        for (D1 cleared : {D1::beneficiar, D1::CIF_beneficiar, D1::nr_evidenta, D1::reprezentand})
            d1[cleared].clear();
    }
    return false;
}

// A date typed in the issue date (or, with `debitDate`, the debit date) field.
// A text that is not a date becomes today's date where one is expected: the
// debit date always, the issue date only for a payer at the treasury.
QString Incarc::typedIssueDate(const QString& text, bool debitDate) {
    const std::optional<QDate> read = checks::dateFromText(text);
    QString date =
        checks::dateToText(read.value_or(todayForTests ? todayForTests() : QDate::currentDate()));
    if (!read && !debitDate && !b1[B1::BIC_platitor].startsWith(QLatin1String("TREZ")))
        date.clear();
    return checks::norm_data(date);
}

// The debit date is the state-domain agency's, and only when it pays from an
// account: otherwise it is emptied and hidden with its calendar button.
void Incarc::placeDebitDateCalendar(int k) {
    const bool ads =
        d1[D1::CIF_platitor] == incarc_texts::cifADS && !d1[D1::IBAN_platitor].isEmpty();
    d1Visible[D1::data_debitarii] = ads;
    B_cal1Visible = ads;
    e1Visible[E1::data_debitarii] = !ads;
    if (!ads) {
        d1[D1::data_debitarii].clear();
        return;
    }
    if (k == D1::data_debitarii)
        d1[D1::data_debitarii] = typedIssueDate(d1[D1::data_debitarii], true);
}

void Incarc::verif1(int k) {
    QString& field = d1[size_t(std::clamp(k, 0, kFields - 1))];
    switch (k) {
        case D1::suma:
            field = checks::leaveAmountField(field, ui_);
            return;
        case D1::CIF_platitor:
            if (!validFiscalCode(field)) {
                field.clear();
                ui_.message(incarc_texts::cifPlatitorEronat, Icon::Exclamation);
            }
            return;
        case D1::CIF_beneficiar:
            if (!validFiscalCode(field)) {
                field.clear();
                if (isPaymentOrder())
                    ui_.message(incarc_texts::cifBeneficiarEronat, Icon::Exclamation);
            }
            return;
        case D1::IBAN_platitor:
            b1[B1::BIC_platitor].clear();
            b1[B1::banca_platitor].clear();
            if (!ver_IBAN(D1::IBAN_platitor)) {
                field.clear();
                if (isPaymentOrder()) {
                    ui_.message(incarc_texts::ibanPlatitorEronat + state_.cifre_control_IBAN + '.',
                                Icon::Exclamation);
                }
            }
            return;
        case D1::IBAN_beneficiar:
            if (beneficiary::isNationalBankAccount(field)) {
                b1[B1::BIC_beneficiar] = QLatin1String(beneficiary::kNationalBankBic);
                b1[B1::banca_beneficiar] = QLatin1String(beneficiary::kNationalBankName);
                return;
            }
            b1[B1::BIC_beneficiar].clear();
            b1[B1::banca_beneficiar].clear();
            if (!ver_IBAN(D1::IBAN_beneficiar)) {
                field.clear();
                ui_.message(incarc_texts::ibanBeneficiarEronat + state_.cifre_control_IBAN + '.',
                            Icon::Exclamation);
            }
            return;
        case D1::nr_OP:
        case D1::platitor:
        case D1::adresa_platitor:
        case D1::sucursala_platitor:
        case D1::beneficiar:
        case D1::sucursala_beneficiar:
        case D1::nr_evidenta:
        case D1::reprezentand:
        case D1::cod_angajament:
        case D1::indicator_angajament: {
            QString text = field.trimmed();
            if (k == D1::platitor || k == D1::cod_angajament || k == D1::indicator_angajament)
                text = text.toUpper();
            field = text::inlocuire_CB(text::curatare_camp(text));
            return;
        }
        default:
            return;
    }
}

bool Incarc::ver_IBAN(int k) {
    return beneficiary::ver_IBAN(d1[size_t(k)], state_);
}

void Incarc::poz_IBAN(int k) {
    beneficiary::ReferenceList& units = lists_.Form_IBAN.Benef1;
    const QString& iban = d1[size_t(k)];
    if (iban.mid(4, 4) != QLatin1String("TREZ")) {
        units.select(-1);
        return;
    }
    const QString unit = iban.mid(4, 7);
    for (int row = 0; row < units.count(); ++row) {
        if (units.row(row).left(7) == unit) {
            units.select(row);
            return;
        }
    }
    units.select(-1);
}

}  // namespace tavo
