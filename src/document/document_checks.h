#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "beneficiary/reference_lists.h"
#include "document/document.h"
#include "ui/notice.h"

namespace tavo::document {

// What the checks read besides the document itself.
struct CheckContext {
    // The banks and treasury units that name the bank of an IBAN.
    const beneficiary::ReferenceList& banks;
    // The obligation row chosen in the beneficiary assistant, empty for none:
    // a treasury beneficiary left empty is named after its budget account.
    QString obligation;
    // Today, for the date fields that default to it.
    QDate today = QDate::currentDate();
    // The user's answer to the thousands question of an amount ("1.500"):
    // true when the dots group thousands.
    bool thousandsMeant = false;
};

// What the document check found: the messages to show, in order, and whether
// it went through to the end (a bank missing from the list stops it before
// the beneficiary section, the dates and the second copy).
struct DocumentFindings {
    Notices notices;
    bool complete = false;
};

// The check of the whole document: an amount of zero and fiscal codes of zero
// or with a wrong control digit are emptied, the amount is written as stored
// and the labels are worked out (amount grouped and in words, the BICs and
// bank names of both IBANs). A treasury beneficiary left empty is filled from
// the chosen obligation and the payer; the free texts are cleaned and the
// dates rewritten as dd/mm/yyyy (a date that is not one is emptied, with a
// message).
DocumentFindings checkDocument(Document& document, Labels& labels, const CheckContext& context);

// The missing data of the document, one text each ("Suma plătită
// necompletată; "), in the order the form asks for them: empty when it may be
// saved as complete and printed.
QStringList missingData(const Document& document);

// The missing data in one message, as the form shows them: every text
// followed by CR LF.
QString missingDataMessage(const QStringList& missing);

// The debit date belongs to the state-domain agency, and only when it pays
// from an account.
bool debitDateApplies(const Document& document);

// The beneficiary of a treasury account, by the budget of its account code
// (the 10 characters after "TREZ" and the unit): empty when the budget has no
// fixed name.
QString treasuryBeneficiaryName(const QString& accountCode);

}  // namespace tavo::document
