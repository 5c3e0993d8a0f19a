#include "document/document_checks.h"

#include "beneficiary/bank_lookup.h"
#include "beneficiary/budget_names.h"
#include "checks/amounts.h"
#include "checks/commitment.h"
#include "checks/dates.h"
#include "checks/fiscal_codes.h"
#include "document/document_texts.h"
#include "text/cleaners.h"
#include "text/text_helpers.h"

namespace tavo::document {
namespace {

bool isNumber(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

// A treasury beneficiary: the name, the fiscal code and the object the user
// left empty come from the budget account of the chosen obligation and from
// the payer.
void fillTreasuryBeneficiary(Document& document, const QString& obligation) {
    const QString accountCode = obligation.mid(4, 10);
    if (document[D1::beneficiar].isEmpty()) {
        document[D1::beneficiar] = treasuryBeneficiaryName(accountCode);
        // The program's own budget account is paid to this fiscal code.
        if (document[D1::beneficiar] == QLatin1String("TAVO"))
            document[D1::CIF_beneficiar] = QStringLiteral("23579131");
    }
    if (document[D1::CIF_beneficiar].isEmpty())
        document[D1::CIF_beneficiar] = document[D1::CIF_platitor];
    if (document[D1::reprezentand].isEmpty())
        document[D1::reprezentand] = obligation.mid(19);
}

}  // namespace

QString treasuryBeneficiaryName(const QString& accountCode) {
    if (accountCode.startsWith(QLatin1String("5503")) ||
        accountCode.startsWith(QLatin1String("5504")))
        return QStringLiteral("BUGETUL DE STAT");
    switch (text::numericValue(accountCode.left(2))) {
        case 50:
            return accountCode.mid(2, 6) == QLatin1String("0401XX") ? QStringLiteral("TAVO")
                                                                    : QString();
        case 51:
            return accountCode.mid(2, 6) == QLatin1String("161009")
                       ? QStringLiteral("FONDUL PENTRU MEDIU")
                       : QStringLiteral("VEN.PROPRII MIN.SAN.PUBLICE");
        case 55:
            return beneficiary::kSocialInsuranceBudgets;
        default:
            return beneficiary::beneficiaryName(accountCode, beneficiary::NameColumn::Form_NREVID);
    }
}

DocumentFindings checkDocument(Document& document, Labels& labels, const CheckContext& context) {
    DocumentFindings found;
    QString& amount = document[D1::suma];
    if (checks::amountInBani(amount) == 0)
        amount.clear();
    for (D1 code : {D1::CIF_platitor, D1::CIF_beneficiar}) {
        if (text::numericValue(document[code]) == 0)
            document[code].clear();
    }
    const checks::AmountForms forms = checks::amountForms(amount);
    if (!amount.isEmpty())
        amount = forms.field;
    labels[B1::suma_afisata] = forms.grouped;
    labels[B1::suma_litere] = forms.words;
    for (D1 code : {D1::CIF_platitor, D1::CIF_beneficiar}) {
        if (!checks::validFiscalCode(document[code]))
            document[code].clear();
    }

    // The bank labels follow the IBANs. A bank missing from the list (a
    // stored document, the list updated since) leaves its labels empty; the
    // fields stay as stored.
    const QString& payerIban = document[D1::IBAN_platitor];
    if (!payerIban.isEmpty()) {
        const auto payer =
            beneficiary::lookUpBank(context.banks, payerIban, document[D1::sucursala_platitor]);
        labels[B1::BIC_platitor] = payer ? payer->bic : QString();
        labels[B1::banca_platitor] = payer ? payer->bank : QString();
        if (!payer)
            return found;
    } else {
        labels[B1::BIC_platitor].clear();
        labels[B1::banca_platitor].clear();
    }
    const beneficiary::BankLabels beneficiary = beneficiary::beneficiaryBankLabels(
        context.banks, document[D1::IBAN_beneficiar], document[D1::sucursala_beneficiar]);
    labels[B1::BIC_beneficiar] = beneficiary.bic;
    labels[B1::banca_beneficiar] = beneficiary.bank;
    if (!document[D1::IBAN_beneficiar].isEmpty() && beneficiary.bic.isEmpty())
        return found;

    if (document[D1::IBAN_beneficiar].mid(4, 4) == QLatin1String("TREZ"))
        fillTreasuryBeneficiary(document, context.obligation);
    for (D1 k : {D1::reprezentand, D1::cod_angajament, D1::indicator_angajament, D1::cod_program}) {
        if (!document[k].isEmpty())
            document[k] = text::curatare_camp(document[k]);
    }
    for (D1 k : {D1::data_emiterii, D1::data_debitarii}) {
        if (!document[k].isEmpty())
            document[k] = checks::verif_data(document[k], found.notices);
    }
    found.complete = true;
    return found;
}

QStringList missingData(const Document& document) {
    QStringList errors;
    const auto missing = [&](bool condition, const char* message) {
        if (condition)
            errors.append(QString::fromUtf8(message));
    };
    const bool op = document.op;
    const QString& payerIban = document[D1::IBAN_platitor];
    const QString& program = document[D1::cod_program];
    // The account class of the payer's IBAN: budget classes ask for a program code.
    const QString accountClass = payerIban.size() > 10 && payerIban[10].isDigit()
                                     ? payerIban.mid(11, 2)
                                     : payerIban.mid(8, 2);
    const bool budgetClass = QStringList{"23", "24", "25", "27", "29"}.contains(accountClass);

    missing(document[D1::nr_OP].isEmpty(), "Nr OP/FV necompletat; ");
    missing(document[D1::suma].isEmpty(), "Suma plătită necompletată; ");
    missing(document[D1::platitor].isEmpty(), "Denumire plătitor necompletată; ");
    missing(document[D1::CIF_platitor].isEmpty(),
            "Cod de identificare fiscală plătitor necompletat; ");
    missing(program.isEmpty() && (!document[D1::cod_angajament].isEmpty() ||
                                  !document[D1::indicator_angajament].isEmpty()),
            "Cod program necompletat; ");
    missing(budgetClass && !isNumber(program), "Cod program sa fie numeric; ");
    missing(budgetClass && program.size() != 10, "Cod program sa aiba lungimea de 10; ");
    if (op && !document[D1::adresa_platitor].isEmpty()) {
        const QString commitment = checks::verif_angajament(payerIban, document[D1::cod_angajament],
                                                            document[D1::indicator_angajament]);
        if (!commitment.isEmpty())
            errors.append(commitment);
    }
    missing(op && document[D1::adresa_platitor].isEmpty(), "Adresa plătitor necompletată; ");
    missing(op && payerIban.isEmpty(), "Cod IBAN plătitor necompletat; ");
    missing(op && document[D1::CIF_beneficiar].isEmpty(),
            "Cod de identificare fiscală beneficiar necompletat; ");
    missing(document[D1::beneficiar].isEmpty(), "Denumire beneficiar necompletată; ");
    missing(document[D1::IBAN_beneficiar].isEmpty(), "Cod IBAN beneficiar necompletat; ");
    missing(document[D1::reprezentand].isEmpty(), "Obiectul plătii necompletat; ");
    missing((payerIban.mid(4, 4) == QLatin1String("TREZ") || !op) &&
                document[D1::data_emiterii].isEmpty(),
            "Data emiterii necompletată; ");
    missing(op && document[D1::CIF_platitor] == document_texts::cifADS &&
                document[D1::data_debitarii].isEmpty(),
            "Data debitarii necompletată pentru 'AGENTIA DOMENIILOR STATULUI'; ");
    return errors;
}

QString missingDataMessage(const QStringList& missing) {
    QString shown;
    for (const QString& error : missing) shown += error + QStringLiteral("\r\n");
    return shown;
}

bool debitDateApplies(const Document& document) {
    return document[D1::CIF_platitor] == document_texts::cifADS &&
           !document[D1::IBAN_platitor].isEmpty();
}

}  // namespace tavo::document
