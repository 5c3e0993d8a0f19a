#include <gtest/gtest.h>

#include "checks/commitment.h"
#include "checks/fiscal_codes.h"

using tavo::checks::verif_angajament;
using tavo::checks::verif_CIF;
using tavo::checks::verif_CNP;

// Both checks on the same text (a caller accepts a code when either passes),
// for codes tests/e2e/calc-fiscal-codes.case does not try.
TEST(FiscalCodes, BothChecksOnEachCode) {
    const struct {
        const char* code;
        bool cnp;
        bool cif;
    } cases[] = {
        {"1800101225010", true, false},  // S 110, R 0
        {"1800430123455", true, false},  // born on 30 April
        {"310", false, true},            // S 11, R 0
        {"19", false, true},             // S 2, R 9
        {"1800101 20011", false, false},
    };
    for (const auto& c : cases) {
        const QString code = QString::fromUtf8(c.code);
        EXPECT_EQ(verif_CNP(code), c.cnp) << c.code;
        EXPECT_EQ(verif_CIF(code), c.cif) << c.code;
    }
}

// The codes tests/e2e/calc-commitment.case does not try, with a payer IBAN
// of a title-10 expenditure (characters 18-19).
TEST(Commitment, CodesTakenAsTheyStand) {
    const QString required = QStringLiteral(
        "Indicator angajament obligatoriu de completat daca s-a completat Codul Angajament si nu "
        "am cheltuiala cu titlu 10 !!! ");
    // Ten Z are an ordinary code, which an indicator satisfies.
    EXPECT_EQ(verif_angajament(QStringLiteral("RO12TREZ24A12345610XXXXX"),
                               QStringLiteral("ZZZZZZZZZZ"), QStringLiteral("001")),
              QString());
    // A blank is a code; account class 26 wants an indicator even for title 10.
    EXPECT_EQ(verif_angajament(QStringLiteral("RO12TREZ26A12345610XXXXX"), QStringLiteral(" "),
                               QString()),
              required);
}
