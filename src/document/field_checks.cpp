#include "document/field_checks.h"

#include <QRegularExpression>

#include "beneficiary/bank_lookup.h"
#include "beneficiary/iban.h"
#include "checks/amounts.h"
#include "checks/commitment.h"
#include "checks/dates.h"
#include "checks/fiscal_codes.h"
#include "document/document_texts.h"
#include "text/cleaners.h"

namespace tavo::document {
namespace {

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

void setNationalBankLabels(Labels& labels) {
    const beneficiary::BankLabels nationalBank = beneficiary::nationalBankLabels();
    labels[B1::BIC_beneficiar] = nationalBank.bic;
    labels[B1::banca_beneficiar] = nationalBank.bank;
}

// The bank of the IBAN in field `k`, looked up in the bank list: the BIC and
// bank labels of that side, or a message and an emptied IBAN (and, for the
// beneficiary, an emptied beneficiary section) when the bank is not listed.
bool findBankLabels(Document& document, Labels& labels, int k, const CheckContext& context,
                    FieldFindings& found) {
    const bool payer = k == D1::IBAN_platitor;
    const auto bank = beneficiary::lookUpBank(
        context.banks, document.d1[size_t(k)],
        document[payer ? D1::sucursala_platitor : D1::sucursala_beneficiar]);
    QString& bic = labels[payer ? B1::BIC_platitor : B1::BIC_beneficiar];
    QString& name = labels[payer ? B1::banca_platitor : B1::banca_beneficiar];
    if (bank) {
        found.bankRow = bank->row;
        bic = bank->bic;
        name = bank->bank;
        return true;
    }
    found.bankRow = -1;
    found.notices.push_back({document_texts::bancaNegasita, Icon::Exclamation});
    document.d1[size_t(k)].clear();
    bic.clear();
    name.clear();
    if (!payer) {
        for (D1 cleared : {D1::beneficiar, D1::CIF_beneficiar, D1::nr_evidenta, D1::reprezentand})
            document[cleared].clear();
    }
    return false;
}

void giveHint(FieldFindings& found, int k, const QString& text) {
    found.hint = {k, text};
    ++found.hintsGiven;
}

// After the checks of field `k`: a hint where they emptied what was typed
// without a message of their own (a date that is not one may also become
// today's date), and where an amount's "." grouped thousands but was read as
// decimals.
void hintAfterChecks(const Document& document, int k, FieldFindings& found) {
    const QString& typed = found.typed;
    const bool typedSomething = !typed.trimmed().isEmpty();
    const bool emptied = typedSomething && document.d1[size_t(k)].isEmpty();
    if (k == D1::nr_OP && emptied)
        giveHint(found, k, document_texts::hintNumber);
    if (k == D1::suma && emptied)
        giveHint(found, k, document_texts::hintAmount);
    // An amount the thousands question was asked for is read as the user answered.
    if (k == D1::suma && !document[D1::suma].isEmpty() && groupsThousands(typed) &&
        !checks::thousandsQuestion(typed)) {
        const QString read =
            QString(document[D1::suma]).replace(QLatin1Char('.'), QLatin1Char(','));
        giveHint(found, k,
                 document_texts::hintAmountThousands.arg(typed.trimmed(), read, digitsOf(typed)));
    }
    // A treasury beneficiary then gets the payer's code in place of the one typed.
    if (k == D1::CIF_beneficiar && typedSomething && !checks::validFiscalCode(typed) &&
        !document.op)
        giveHint(found, k, document_texts::hintBeneficiaryCode);
    if ((k == D1::data_emiterii || k == D1::data_debitarii) && typedSomething &&
        !checks::dateFromText(typed))
        giveHint(
            found, k,
            k == D1::data_emiterii ? document_texts::hintIssueDate : document_texts::hintDebitDate);
    if (!found.indicatorBefore.isEmpty() && document[D1::indicator_angajament].isEmpty() &&
        checks::isSpecialCommitmentCode(document[D1::cod_angajament]))
        giveHint(found, D1::indicator_angajament,
                 document_texts::hintIndicator.arg(document[D1::cod_angajament]));
}

// An IBAN field checked: wrong check digits empty it, with a message that
// gives the right ones.
void checkIbanDigits(QString& field, bool showMessage, const QString& message, Notices& notices) {
    const beneficiary::IbanCheck check = beneficiary::ver_IBAN(field);
    field = check.text;
    if (check.corect)
        return;
    field.clear();
    if (showMessage) {
        notices.push_back(
            {message + check.cifre_control_IBAN.value_or(QString()) + '.', Icon::Exclamation});
    }
}

}  // namespace

QString typedDate(const QString& text, bool debitDate, const QString& payerBic,
                  const QDate& today) {
    const std::optional<QDate> read = checks::dateFromText(text);
    QString date = checks::dateToText(read.value_or(today));
    if (!read && !debitDate && !payerBic.startsWith(QLatin1String("TREZ")))
        date.clear();
    // The date is written with four digits of year: the current year, which
    // would take the place of a longer one, is never read.
    return checks::norm_data(date, today.year());
}

FieldFindings checkTypedField(Document& document, Labels& labels, int k,
                              const CheckContext& context) {
    FieldFindings found;
    QString& field = document.d1[size_t(k)];
    found.typed = field;
    found.indicatorBefore = document[D1::indicator_angajament];
    if (k == D1::nr_OP)
        field = text::filtru_CB(field);

    // The National Bank's accounts are typed as they stand, without "RO".
    if (k == D1::IBAN_beneficiar && beneficiary::isNationalBankAccount(field)) {
        setNationalBankLabels(labels);
        found.stopped = true;
        return found;
    }
    if (isIbanField(k)) {
        const QString typed = field.toUpper().trimmed();
        field = typed.isEmpty() ? typed : QStringLiteral("RO") + typed.right(22);
        if (!field.isEmpty() && !findBankLabels(document, labels, k, context, found)) {
            found.stopped = true;
            return found;
        }
    }

    if (k == D1::nr_evidenta && !field.isEmpty()) {
        if (field.size() != 23) {
            found.notices.push_back({document_texts::lungimeNrEvidenta, Icon::Exclamation});
            field.clear();
            found.stopped = true;
            return found;
        }
        // The first character names the fiscal document: decisions and reports.
        if (!QStringLiteral("2678").contains(field.front())) {
            field.clear();
            found.notices.push_back({document_texts::primulCarNrEvidenta, Icon::Exclamation});
        }
        // Registration numbers belong to treasury accounts: with a bank's IBAN
        // the beneficiary section the user typed stays as it is.
        found.registrationNumberTyped =
            !field.isEmpty() && document[D1::IBAN_beneficiar].mid(4, 4) == QLatin1String("TREZ");
    }
    return found;
}

void settleLeftField(Document& document, Labels& labels, int k, const CheckContext& context,
                     FieldFindings& found) {
    QString& field = document.d1[size_t(k)];
    // Registration numbers starting "26" are the car environment stamp's.
    if (k == D1::nr_evidenta && field.startsWith(QLatin1String("26")))
        document[D1::reprezentand] = document_texts::timbruMediu;

    if (k == D1::data_emiterii)
        field = typedDate(field, false, labels[B1::BIC_platitor], context.today);
    if (!debitDateApplies(document))
        document[D1::data_debitarii].clear();
    else if (k == D1::data_debitarii)
        field = typedDate(field, true, labels[B1::BIC_platitor], context.today);
    if ((k == D1::cod_angajament || k == D1::indicator_angajament || k == D1::cod_program) &&
        checks::isSpecialCommitmentCode(document[D1::cod_angajament]) &&
        !document[D1::indicator_angajament].isEmpty()) {
        document[D1::indicator_angajament].clear();
    }
    const Notices normalised = normaliseField(document, labels, k, context);
    found.notices.insert(found.notices.end(), normalised.begin(), normalised.end());
    DocumentFindings whole = checkDocument(document, labels, context);
    found.notices.insert(found.notices.end(), whole.notices.begin(), whole.notices.end());
    found.complete = whole.complete;
    hintAfterChecks(document, k, found);
}

FieldFindings leaveField(Document& document, Labels& labels, int k, const CheckContext& context) {
    FieldFindings found = checkTypedField(document, labels, k, context);
    if (!found.stopped)
        settleLeftField(document, labels, k, context, found);
    return found;
}

Notices normaliseField(Document& document, Labels& labels, int k, const CheckContext& context) {
    Notices notices;
    QString& field = document.d1[size_t(std::clamp(k, 0, kD1Count - 1))];
    switch (k) {
        case D1::suma:
            field = checks::leaveAmountField(field, context.thousandsMeant, notices);
            break;
        case D1::CIF_platitor:
            if (!checks::validFiscalCode(field)) {
                field.clear();
                notices.push_back({document_texts::cifPlatitorEronat, Icon::Exclamation});
            }
            break;
        case D1::CIF_beneficiar:
            // A deposit slip's beneficiary is the treasury: the payer's code
            // takes the place of a wrong one, without a word.
            if (!checks::validFiscalCode(field)) {
                field.clear();
                if (document.op)
                    notices.push_back({document_texts::cifBeneficiarEronat, Icon::Exclamation});
            }
            break;
        case D1::IBAN_platitor:
            labels[B1::BIC_platitor].clear();
            labels[B1::banca_platitor].clear();
            checkIbanDigits(field, document.op, document_texts::ibanPlatitorEronat, notices);
            break;
        case D1::IBAN_beneficiar:
            if (beneficiary::isNationalBankAccount(field)) {
                setNationalBankLabels(labels);
                break;
            }
            labels[B1::BIC_beneficiar].clear();
            labels[B1::banca_beneficiar].clear();
            checkIbanDigits(field, true, document_texts::ibanBeneficiarEronat, notices);
            break;
        default:
            if (k == D1::nr_OP || isFreeText(k)) {
                QString text = field.trimmed();
                if (k == D1::platitor || k == D1::cod_angajament || k == D1::indicator_angajament)
                    text = text.toUpper();
                field = text::inlocuire_CB(text::curatare_camp(text));
            }
            break;
    }
    return notices;
}

bool isFreeText(int k) {
    switch (k) {
        case D1::platitor:
        case D1::adresa_platitor:
        case D1::sucursala_platitor:
        case D1::beneficiar:
        case D1::sucursala_beneficiar:
        case D1::nr_evidenta:
        case D1::reprezentand:
        case D1::cod_angajament:
        case D1::indicator_angajament:
            return true;
        default:
            return false;
    }
}

}  // namespace tavo::document
