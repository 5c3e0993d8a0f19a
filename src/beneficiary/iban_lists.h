#pragma once

#include <QString>
#include <QStringList>

#include "beneficiary/reference_lists.h"

namespace tavo::beneficiary {

// The lists of all IBANs of one treasury unit that the beneficiary assistant
// writes, one per list button.
enum class IbanList {
    Short,  // "Lista IBAN-uri": the short obligation list, IBAN.txt
    Old1,   // "IBAN1": old classification, state budget, IBAN.txt
    Old2,   // "IBAN2": old classification, other budgets, IBAN.txt
    New1,   // "IBAN (I)" .. "IBAN (V)": new classification, IBAN1.txt .. IBAN5.txt
    New2,
    New3,
    New4,
    New5,
    SplitVat,  // "SPLIT TVA": IBAN6.txt
};

// The file a list is written to ("IBAN.txt", "IBAN1.txt"...).
QString ibanListFile(IbanList list);

// The lines of a list for the unit of `treasuryRow` (a row of Benef1): the
// heading, the unit's name, an empty line, then one line per obligation
// listed at the unit: its number, ". ", the IBAN, " - " and the description.
QStringList ibanListLines(IbanList list, const FormIbanLists& lists, const QString& treasuryRow);

}  // namespace tavo::beneficiary
