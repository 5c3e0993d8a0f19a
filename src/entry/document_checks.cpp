// The checks of the whole document in the entry window: the derived labels
// and the treasury defaults (verif_OP), and the list of missing data
// (verif_OP2, shown by verif_OP1).
#include "beneficiary/bank_lookup.h"
#include "beneficiary/budget_names.h"
#include "checks/amounts.h"
#include "checks/commitment.h"
#include "checks/dates.h"
#include "checks/fiscal_codes.h"
#include "entry/incarc.h"
#include "entry/incarc_texts.h"
#include "entry/stored_document.h"
#include "text/cleaners.h"
#include "text/text_helpers.h"

namespace tavo {
namespace {

bool validFiscalCode(const QString& code) {
    return checks::verif_CNP(code) || checks::verif_CIF(code);
}

bool isNumber(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

// The beneficiary of a treasury account, by the budget of its account code.
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

}  // namespace

void Incarc::verif_OP() {
    state_.lista_erori.clear();
    if (checks::amountInBani(d1[D1::suma]) == 0)
        d1[D1::suma].clear();
    for (D1 code : {D1::CIF_platitor, D1::CIF_beneficiar}) {
        if (text::numericValue(d1[code]) == 0)
            d1[code].clear();
    }
    const checks::AmountForms amount = checks::amountForms(d1[D1::suma]);
    if (!d1[D1::suma].isEmpty())
        d1[D1::suma] = amount.field;
    b1[B1::suma_afisata] = amount.grouped;
    b1[B1::suma_litere] = amount.words;
    for (D1 code : {D1::CIF_platitor, D1::CIF_beneficiar}) {
        if (!validFiscalCode(d1[code]))
            d1[code].clear();
    }

    // The bank labels follow the IBANs. A bank missing from the list (a
    // stored document, the list updated since) leaves its labels empty; the
    // fields stay as stored.
    const beneficiary::ReferenceList& banks = lists_.Form_IBAN.Banci1;
    if (!d1[D1::IBAN_platitor].isEmpty()) {
        const auto payer =
            beneficiary::lookUpBank(banks, d1[D1::IBAN_platitor], d1[D1::sucursala_platitor]);
        b1[B1::BIC_platitor] = payer ? payer->bic : QString();
        b1[B1::banca_platitor] = payer ? payer->bank : QString();
        if (!payer)
            return;
    } else {
        b1[B1::BIC_platitor].clear();
        b1[B1::banca_platitor].clear();
    }
    const beneficiary::BankLabels beneficiary = beneficiary::beneficiaryBankLabels(
        banks, d1[D1::IBAN_beneficiar], d1[D1::sucursala_beneficiar]);
    b1[B1::BIC_beneficiar] = beneficiary.bic;
    b1[B1::banca_beneficiar] = beneficiary.bank;
    if (!d1[D1::IBAN_beneficiar].isEmpty() && beneficiary.bic.isEmpty())
        return;

    if (d1[D1::IBAN_beneficiar].mid(4, 4) == QLatin1String("TREZ"))
        fillTreasuryBeneficiary();
    for (D1 k : {D1::reprezentand, D1::cod_angajament, D1::indicator_angajament, D1::cod_program}) {
        if (!d1[k].isEmpty())
            d1[k] = text::curatare_camp(d1[k]);
    }
    for (D1 k : {D1::data_emiterii, D1::data_debitarii}) {
        if (!d1[k].isEmpty())
            d1[k] = checks::verif_data(d1[k], ui_);
    }
    copyToSecondCopy();
}

// A treasury beneficiary: the name, the fiscal code and the object the user
// left empty come from the budget account of the obligation chosen in the
// beneficiary assistant and from the payer.
void Incarc::fillTreasuryBeneficiary() {
    const beneficiary::ReferenceList& obligations = lists_.Form_IBAN.oblig1;
    const QString chosen = obligations.selectedRow();
    const QString accountCode = chosen.mid(4, 10);
    if (d1[D1::beneficiar].isEmpty()) {
        d1[D1::beneficiar] = treasuryBeneficiaryName(accountCode);
        if (d1[D1::beneficiar] == QLatin1String("TAVO"))
            d1[D1::CIF_beneficiar] = QStringLiteral("23579131");
    }
    if (d1[D1::CIF_beneficiar].isEmpty())
        d1[D1::CIF_beneficiar] = d1[D1::CIF_platitor];
    if (d1[D1::reprezentand].isEmpty())
        d1[D1::reprezentand] = chosen.mid(19);
}

// The second copy's print labels take the texts of the fields and derived
// labels of the same names. The branches have no label of their own: they
// reach paper through the bank labels.
void Incarc::copyToSecondCopy() {
    F1[F1::nr_OP] = d1[D1::nr_OP];
    F1[F1::suma_afisata] = b1[B1::suma_afisata];
    F1[F1::suma_litere] = b1[B1::suma_litere];
    F1[F1::platitor] = d1[D1::platitor];
    F1[F1::CIF_platitor] = d1[D1::CIF_platitor];
    F1[F1::adresa_platitor] = d1[D1::adresa_platitor];
    F1[F1::IBAN_platitor] = d1[D1::IBAN_platitor];
    F1[F1::BIC_platitor] = b1[B1::BIC_platitor];
    F1[F1::banca_platitor] = b1[B1::banca_platitor];
    F1[F1::beneficiar] = d1[D1::beneficiar];
    F1[F1::CIF_beneficiar] = d1[D1::CIF_beneficiar];
    F1[F1::IBAN_beneficiar] = d1[D1::IBAN_beneficiar];
    F1[F1::BIC_beneficiar] = b1[B1::BIC_beneficiar];
    F1[F1::banca_beneficiar] = b1[B1::banca_beneficiar];
    F1[F1::nr_evidenta] = d1[D1::nr_evidenta];
    F1[F1::reprezentand] = d1[D1::reprezentand];
    F1[F1::data_emiterii] = d1[D1::data_emiterii];
    F1[F1::marcaj_ordine] = b1[B1::marcaj_ordine];
    F1[F1::cod_angajament] = d1[D1::cod_angajament];
    F1[F1::indicator_angajament] = d1[D1::indicator_angajament];
    F1[F1::data_debitarii] = d1[D1::data_debitarii];
    F1[F1::cod_program] = d1[D1::cod_program];
}

void Incarc::verif_OP2() {
    QStringList& errors = state_.lista_erori;
    errors.clear();
    const auto missing = [&](bool condition, const char* message) {
        if (condition)
            errors.append(QString::fromUtf8(message));
    };
    const bool op = isPaymentOrder();
    const QString& payerIban = d1[D1::IBAN_platitor];
    const QString accountClass = payerIban.size() > 10 && payerIban[10].isDigit()
                                     ? payerIban.mid(11, 2)
                                     : payerIban.mid(8, 2);
    const bool budgetClass = QStringList{"23", "24", "25", "27", "29"}.contains(accountClass);

    missing(d1[D1::nr_OP].isEmpty(), "Nr OP/FV necompletat; ");
    missing(d1[D1::suma].isEmpty(), "Suma plătită necompletată; ");
    missing(d1[D1::platitor].isEmpty(), "Denumire plătitor necompletată; ");
    missing(d1[D1::CIF_platitor].isEmpty(), "Cod de identificare fiscală plătitor necompletat; ");
    missing(d1[D1::cod_program].isEmpty() &&
                (!d1[D1::cod_angajament].isEmpty() || !d1[D1::indicator_angajament].isEmpty()),
            "Cod program necompletat; ");
    missing(budgetClass && !isNumber(d1[D1::cod_program]), "Cod program sa fie numeric; ");
    missing(budgetClass && d1[D1::cod_program].size() != 10,
            "Cod program sa aiba lungimea de 10; ");
    if (op && !d1[D1::adresa_platitor].isEmpty()) {
        const QString commitment = checks::verif_angajament(payerIban, d1[D1::cod_angajament],
                                                            d1[D1::indicator_angajament]);
        if (!commitment.isEmpty())
            errors.append(commitment);
    }
    missing(op && d1[D1::adresa_platitor].isEmpty(), "Adresa plătitor necompletată; ");
    missing(op && payerIban.isEmpty(), "Cod IBAN plătitor necompletat; ");
    missing(op && d1[D1::CIF_beneficiar].isEmpty(),
            "Cod de identificare fiscală beneficiar necompletat; ");
    missing(d1[D1::beneficiar].isEmpty(), "Denumire beneficiar necompletată; ");
    missing(d1[D1::IBAN_beneficiar].isEmpty(), "Cod IBAN beneficiar necompletat; ");
    missing(d1[D1::reprezentand].isEmpty(), "Obiectul plătii necompletat; ");
    missing(
        (payerIban.mid(4, 4) == QLatin1String("TREZ") || !op) && d1[D1::data_emiterii].isEmpty(),
        "Data emiterii necompletată; ");
    missing(op && d1[D1::CIF_platitor] == incarc_texts::cifADS && d1[D1::data_debitarii].isEmpty(),
            "Data debitarii necompletată pentru 'AGENTIA DOMENIILOR STATULUI'; ");
}

void Incarc::verif_OP1() {
    verif_OP2();
    showMissingData(ui_, state_.lista_erori);
}

}  // namespace tavo
