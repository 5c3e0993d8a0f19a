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
QString numeBeneficiarTrezorerie(const QString& accountCode) {
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
    if (checks::amountInBani(d1[1]) == 0)
        d1[1].clear();
    for (int code : {3, 8}) {
        if (text::numericValue(d1[size_t(code)]) == 0)
            d1[size_t(code)].clear();
    }
    const checks::AmountForms amount = checks::amountForms(d1[1]);
    if (!d1[1].isEmpty())
        d1[1] = amount.field;
    b1[0] = amount.grouped;
    b1[1] = amount.words;
    for (int code : {3, 8}) {
        if (!validFiscalCode(d1[size_t(code)]))
            d1[size_t(code)].clear();
    }

    // The bank labels follow the IBANs. A bank missing from the list (a
    // stored document, the list updated since) leaves its labels empty; the
    // fields stay as stored.
    const beneficiary::ReferenceList& banks = lists_.Form_IBAN.Banci1;
    if (!d1[5].isEmpty()) {
        const auto payer = beneficiary::lookUpBank(banks, d1[5], d1[6]);
        b1[2] = payer ? payer->bic : QString();
        b1[3] = payer ? payer->bank : QString();
        if (!payer)
            return;
    } else {
        b1[2].clear();
        b1[3].clear();
    }
    const beneficiary::BankLabels beneficiary =
        beneficiary::beneficiaryBankLabels(banks, d1[9], d1[10]);
    b1[4] = beneficiary.bic;
    b1[5] = beneficiary.bank;
    if (!d1[9].isEmpty() && beneficiary.bic.isEmpty())
        return;

    if (d1[9].mid(4, 4) == QLatin1String("TREZ"))
        completareTrezorerie();
    for (int k : {12, 14, 15, 17}) {
        if (!d1[size_t(k)].isEmpty())
            d1[size_t(k)] = text::curatare_camp(d1[size_t(k)]);
    }
    for (int k : {13, 16}) {
        if (!d1[size_t(k)].isEmpty())
            d1[size_t(k)] = checks::verif_data(d1[size_t(k)], ui_);
    }
    copiereF1();
}

// A treasury beneficiary: the name, the fiscal code and the object the user
// left empty come from the budget account of the obligation chosen in the
// beneficiary assistant and from the payer.
void Incarc::completareTrezorerie() {
    const beneficiary::ReferenceList& obligations = lists_.Form_IBAN.oblig1;
    const QString chosen = obligations.selectedRow();
    const QString accountCode = chosen.mid(4, 10);
    if (d1[7].isEmpty()) {
        d1[7] = numeBeneficiarTrezorerie(accountCode);
        if (d1[7] == QLatin1String("TAVO"))
            d1[8] = QStringLiteral("23579131");
    }
    if (d1[8].isEmpty())
        d1[8] = d1[3];
    if (d1[12].isEmpty())
        d1[12] = chosen.mid(19);
}

void Incarc::copiereF1() {
    const std::array<const QString*, 22> sources{
        &d1[0],  &b1[0], &b1[1],  &d1[2],  &d1[3],  &d1[4], &d1[5],  &b1[2],
        &b1[3],  &d1[7], &d1[8],  &d1[9],  &b1[4],  &b1[5], &d1[11], &d1[12],
        &d1[13], &b1[6], &d1[14], &d1[15], &d1[16], &d1[17]};
    for (size_t i = 0; i < sources.size(); ++i) F1[i] = *sources[i];
}

void Incarc::verif_OP2() {
    QStringList& errors = state_.lista_erori;
    errors.clear();
    const auto missing = [&](bool condition, const char* message) {
        if (condition)
            errors.append(QString::fromUtf8(message));
    };
    const bool op = esteOP();
    const QString& payerIban = d1[5];
    const QString accountClass = payerIban.size() > 10 && payerIban[10].isDigit()
                                     ? payerIban.mid(11, 2)
                                     : payerIban.mid(8, 2);
    const bool budgetClass = QStringList{"23", "24", "25", "27", "29"}.contains(accountClass);

    missing(d1[0].isEmpty(), "Nr OP/FV necompletat; ");
    missing(d1[1].isEmpty(), "Suma plătită necompletată; ");
    missing(d1[2].isEmpty(), "Denumire plătitor necompletată; ");
    missing(d1[3].isEmpty(), "Cod de identificare fiscală plătitor necompletat; ");
    missing(d1[17].isEmpty() && (!d1[14].isEmpty() || !d1[15].isEmpty()),
            "Cod program necompletat; ");
    missing(budgetClass && !isNumber(d1[17]), "Cod program sa fie numeric; ");
    missing(budgetClass && d1[17].size() != 10, "Cod program sa aiba lungimea de 10; ");
    if (op && !d1[4].isEmpty()) {
        const QString commitment = checks::verif_angajament(payerIban, d1[14], d1[15]);
        if (!commitment.isEmpty())
            errors.append(commitment);
    }
    missing(op && d1[4].isEmpty(), "Adresa plătitor necompletată; ");
    missing(op && payerIban.isEmpty(), "Cod IBAN plătitor necompletat; ");
    missing(op && d1[8].isEmpty(), "Cod de identificare fiscală beneficiar necompletat; ");
    missing(d1[7].isEmpty(), "Denumire beneficiar necompletată; ");
    missing(d1[9].isEmpty(), "Cod IBAN beneficiar necompletat; ");
    missing(d1[12].isEmpty(), "Obiectul plătii necompletat; ");
    missing((payerIban.mid(4, 4) == QLatin1String("TREZ") || !op) && d1[13].isEmpty(),
            "Data emiterii necompletată; ");
    missing(op && d1[3] == incarc_texts::cifADS && d1[16].isEmpty(),
            "Data debitarii necompletată pentru 'AGENTIA DOMENIILOR STATULUI'; ");
}

void Incarc::verif_OP1() {
    verif_OP2();
    if (state_.lista_erori.isEmpty())
        return;
    QString shown;
    for (const QString& error : state_.lista_erori) shown += error + QStringLiteral("\r\n");
    ui_.message(shown, Icon::Exclamation);
}

}  // namespace tavo
