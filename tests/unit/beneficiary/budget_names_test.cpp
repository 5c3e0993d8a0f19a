#include <gtest/gtest.h>

#include "beneficiary/budget_names.h"

using namespace tavo::beneficiary;

// Codes of every budget; those of the assistant's cases in tests/e2e are not repeated.
TEST(BudgetNames, BothColumns) {
    struct Case {
        const char* code;
        const char* formIban;
        const char* formNrevid;
    } cases[] = {
        {"20350101XX", "BUGETUL DE STAT", "BUGETUL DE STAT"},
        {"22350301XX", "BUGETELE ASIG.SOC. SI FD.SPEC.", "BUGETELE ASIG.SOC. SI FD.SPEC."},
        {"26A330000", "BUGETUL ASIG.SOC.DE SANATATE", "BUGETUL ASIG.SOC.DE SANATATE"},
        {"28A320000", "BUGETUL ASIG.DE SOMAJ", "BUGETUL ASIG.DE SOMAJ"},
        {"51161008XX", "VEN.PROPRII MIN.SAN.PUBLICE12", "VEN.PROPRII MIN.SAN.PUBLICE"},
        {"21A000000", "", ""},
        {"02", "", ""},  // read as a number: 2
    };
    for (const auto& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(beneficiaryName(code, NameColumn::Form_IBAN), QString::fromLatin1(c.formIban))
            << c.code;
        EXPECT_EQ(beneficiaryName(code, NameColumn::Form_NREVID), QString::fromLatin1(c.formNrevid))
            << c.code;
    }
}

// The names of state-budget and environment-fund IBANs are in the assistant's
// cases of tests/e2e; characters 12-13 of a central treasury IBAN are "65": no name.
TEST(BudgetNames, ReadFromIbanCharacters12To19) {
    EXPECT_EQ(
        beneficiaryNameOfIban(QStringLiteral("RO24TREZ999650101XXXXXXX"), NameColumn::Form_NREVID),
        QString());
}
