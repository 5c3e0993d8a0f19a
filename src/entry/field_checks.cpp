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
    return k == 5 || k == 9;
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

void Incarc::camp_parasit(int k) {
    QString& field = d1[size_t(k)];
    const QString typed = field;
    const QString indicatorBefore = d1[15];
    if (k == 0)
        field = text::filtru_CB(field);

    // The National Bank's accounts are typed as they stand, without "RO".
    if (k == 9 && beneficiary::isNationalBankAccount(field)) {
        b1[4] = QLatin1String(beneficiary::kNationalBankBic);
        b1[5] = QLatin1String(beneficiary::kNationalBankName);
        return;
    }
    if (isIbanField(k)) {
        const QString typed = field.toUpper().trimmed();
        field = typed.isEmpty() ? typed : QStringLiteral("RO") + typed.right(22);
        if (!field.isEmpty() && !cautareBanca(k))
            return;
    }

    if (k == 11 && !field.isEmpty()) {
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
        if (!field.isEmpty() && d1[9].mid(4, 4) == QLatin1String("TREZ"))
            predareAsistent();
    }
    if (k == 11 && field.startsWith(QLatin1String("26")))
        d1[12] = incarc_texts::timbruMediu;

    if (k == 13)
        field = data_emiterii_tastata(field, false);
    mutaCalendarDebitare(k);
    if ((k == 14 || k == 15 || k == 17) && checks::isSpecialCommitmentCode(d1[14]) &&
        !d1[15].isEmpty()) {
        d1[15].clear();
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
    if (k == 0 && emptied)
        giveHint(k, incarc_texts::hintNumber);
    if (k == 1 && emptied)
        giveHint(k, incarc_texts::hintAmount);
    if (k == 1 && !d1[1].isEmpty() && groupsThousands(typed)) {
        const QString read = QString(d1[1]).replace(QLatin1Char('.'), QLatin1Char(','));
        giveHint(k, incarc_texts::hintAmountThousands.arg(typed.trimmed(), read, digitsOf(typed)));
    }
    // A treasury beneficiary then gets the payer's code in place of the one typed.
    if (k == 8 && typedSomething && !validFiscalCode(typed) && !esteOP())
        giveHint(k, incarc_texts::hintBeneficiaryCode);
    if ((k == 13 || k == 16) && typedSomething && !checks::dateFromText(typed))
        giveHint(k, k == 13 ? incarc_texts::hintIssueDate : incarc_texts::hintDebitDate);
    if (!indicatorBefore.isEmpty() && d1[15].isEmpty() && checks::isSpecialCommitmentCode(d1[14]))
        giveHint(15, incarc_texts::hintIndicator.arg(d1[14]));
}

void Incarc::giveHint(int k, const QString& text) {
    hint = {k, text};
    ++hintsGiven;
}

// A registration number typed with a beneficiary IBAN: the beneficiary
// assistant's second way fills the beneficiary section from the two.
void Incarc::predareAsistent() {
    if (!assistant_)
        return;
    const QString iban = d1[9];
    const QString number = d1[11];
    assistant_->Option_Click(2);
    assistant_->codIBAN = iban;
    assistant_->nrEVID = number;
    assistant_->Command9_Click();
}

// The bank of the IBAN in d1(k), looked up in the bank list: the BIC and bank
// labels of that side, or a message and an emptied IBAN (and, for the
// beneficiary, an emptied beneficiary section) when the bank is not listed.
bool Incarc::cautareBanca(int k) {
    const bool payer = k == 5;
    beneficiary::ReferenceList& banks = lists_.Form_IBAN.Banci1;
    const auto found = beneficiary::lookUpBank(banks, d1[size_t(k)], d1[payer ? 6 : 10]);
    QString& bic = b1[payer ? 2 : 4];
    QString& bank = b1[payer ? 3 : 5];
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
        for (int cleared : {7, 8, 11, 12}) d1[size_t(cleared)].clear();
    }
    return false;
}

// A date typed in the issue date (or, with `debitare`, the debit date) field.
// A text that is not a date becomes today's date where one is expected: the
// debit date always, the issue date only for a payer at the treasury.
QString Incarc::data_emiterii_tastata(const QString& text, bool debitare) {
    const std::optional<QDate> read = checks::dateFromText(text);
    QString date = checks::dateToText(read.value_or(azi ? azi() : QDate::currentDate()));
    if (!read && !debitare && !b1[2].startsWith(QLatin1String("TREZ")))
        date.clear();
    return checks::norm_data(date);
}

// The debit date is the state-domain agency's, and only when it pays from an
// account: otherwise it is emptied and hidden with its calendar button.
void Incarc::mutaCalendarDebitare(int k) {
    const bool ads = d1[3] == incarc_texts::cifADS && !d1[5].isEmpty();
    d1Visible[16] = ads;
    B_cal1Visible = ads;
    e1Visible[11] = !ads;
    if (!ads) {
        d1[16].clear();
        return;
    }
    if (k == 16)
        d1[16] = data_emiterii_tastata(d1[16], true);
}

void Incarc::verif1(int k) {
    QString& field = d1[size_t(std::clamp(k, 0, kFields - 1))];
    switch (k) {
        case 1:
            field = checks::checkTypedAmount(field, ui_);
            return;
        case 3:
            if (!validFiscalCode(field)) {
                field.clear();
                ui_.message(incarc_texts::cifPlatitorEronat, Icon::Exclamation);
            }
            return;
        case 8:
            if (!validFiscalCode(field)) {
                field.clear();
                if (esteOP())
                    ui_.message(incarc_texts::cifBeneficiarEronat, Icon::Exclamation);
            }
            return;
        case 5:
            b1[2].clear();
            b1[3].clear();
            if (!ver_IBAN(5)) {
                field.clear();
                if (esteOP()) {
                    ui_.message(incarc_texts::ibanPlatitorEronat + state_.cifre_control_IBAN + '.',
                                Icon::Exclamation);
                }
            }
            return;
        case 9:
            if (beneficiary::isNationalBankAccount(field)) {
                b1[4] = QLatin1String(beneficiary::kNationalBankBic);
                b1[5] = QLatin1String(beneficiary::kNationalBankName);
                return;
            }
            b1[4].clear();
            b1[5].clear();
            if (!ver_IBAN(9)) {
                field.clear();
                ui_.message(incarc_texts::ibanBeneficiarEronat + state_.cifre_control_IBAN + '.',
                            Icon::Exclamation);
            }
            return;
        case 0:
        case 2:
        case 4:
        case 6:
        case 7:
        case 10:
        case 11:
        case 12:
        case 14:
        case 15: {
            QString text = field.trimmed();
            if (k == 2 || k == 14 || k == 15)
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
