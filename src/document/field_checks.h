#pragma once

#include <QString>
#include <optional>

#include "document/document_checks.h"

namespace tavo::document {

// A line shown beside the form when a field check emptied what the user typed
// without a message of its own, or read an amount other than the user meant:
// which field, and the form it accepts.
struct FieldHint {
    int field = -1;  // a D1
    QString text;    // empty: no hint
};

// What leaving a field found.
struct FieldFindings {
    Notices notices;     // the messages to show, in order
    FieldHint hint;      // none when its text is empty
    int hintsGiven = 0;  // hints given, the last one kept in `hint`
    // After the bank look-up of an IBAN field: the row of the bank list found,
    // -1 when the bank is not in the list (and the assistant's treasury unit
    // is no longer chosen either).
    std::optional<int> bankRow;
    // A registration number typed with a treasury IBAN: the beneficiary
    // assistant may fill the beneficiary section from the two.
    bool registrationNumberTyped = false;
    // The checks ended early (a bank missing from the list, a registration
    // number of the wrong length, a National Bank account): nothing more runs.
    bool stopped = false;
    // The document check ran to its end.
    bool complete = false;
    // What the field held before the checks, and the commitment indicator.
    QString typed;
    QString indicatorBefore;
};

// Leaving field `k`: its checks in the form's order, then the check of the
// whole document and the hint. Returns what they found; the document and its
// labels hold the checked values.
FieldFindings leaveField(Document& document, Labels& labels, int k, const CheckContext& context);

// The two halves of leaveField, for the entry window, which may hand a
// registration number to the beneficiary assistant in between: the checks of
// what was typed (the number filter, the IBAN's bank, the registration number),
FieldFindings checkTypedField(Document& document, Labels& labels, int k,
                              const CheckContext& context);
// then, unless they stopped, the dates, the field's normalisation, the check
// of the whole document and the hint (its notices are added to `found`'s).
void settleLeftField(Document& document, Labels& labels, int k, const CheckContext& context,
                     FieldFindings& found);

// The normalisation of field `k` alone: the amount read (the thousands
// answer of `context` taken), the fiscal codes and IBANs checked (emptied with
// a message when wrong), the free texts cleaned.
Notices normaliseField(Document& document, Labels& labels, int k, const CheckContext& context);

// The free texts of the form (names, addresses, branches, the registration
// number, the object, the commitment codes): leaving one cleans it, the
// characters a stored line cannot hold turned into blanks.
bool isFreeText(int k);

// A date typed in the issue date (or, with `debitDate`, the debit date)
// field. A text that is not a date becomes today's date where one is
// expected: the debit date always, the issue date only for a payer at the
// treasury (its BIC label is a treasury's).
QString typedDate(const QString& text, bool debitDate, const QString& payerBic, const QDate& today);

}  // namespace tavo::document
