#include <gtest/gtest.h>

#include "checks/commitment.h"

using namespace tavo::checks;

// The codes tests/e2e/calc-commitment.case does not try, with a payer IBAN
// of a title-10 expenditure (characters 18-19).
TEST(Commitment, CodesTakenAsTheyStand) {
    const QString required = QStringLiteral(
        "Indicator angajament obligatoriu de completat daca s-a completat Codul Angajament si nu "
        "am "
        "cheltuiala cu titlu 10 !!! ");
    // Ten Z are an ordinary code, which an indicator satisfies.
    EXPECT_EQ(verif_angajament(QStringLiteral("RO12TREZ24A12345610XXXXX"),
                               QStringLiteral("ZZZZZZZZZZ"), QStringLiteral("001")),
              QString());
    // A blank is a code; account class 26 wants an indicator even for title 10.
    EXPECT_EQ(verif_angajament(QStringLiteral("RO12TREZ26A12345610XXXXX"), QStringLiteral(" "),
                               QString()),
              required);
}
