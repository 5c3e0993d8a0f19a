#include <gtest/gtest.h>

#include "checks/commitment.h"

using namespace tavo::checks;

namespace {

const QString required = QStringLiteral(
    "Indicator angajament obligatoriu de completat daca s-a completat Codul Angajament si nu am "
    "cheltuiala cu titlu 10 !!! ");

// A payer IBAN with account class `cls` (characters 9-10), character 11 and
// characters 18-19 as given.
QString payerIban(const char* cls, char eleventh, const char* title) {
    return QStringLiteral("RO12TREZ") + QLatin1String(cls) + QLatin1Char(eleventh) +
           QStringLiteral("123456") + QLatin1String(title) + QStringLiteral("XXXXX");
}

// The combinations tests/e2e/calc-commitment.case does not try.
TEST(Commitment, MessageForEachCombination) {
    const QString title10 = payerIban("24", 'A', "10");
    ASSERT_EQ(title10.size(), 24);
    struct Case {
        QString iban;
        const char* code;
        const char* indicator;
        QString message;
    };
    const Case cases[] = {
        {title10, "ZZZZZZZZZZ", "001", {}},            // ten Z: an ordinary code
        {title10.left(23), "ZZZZZZZZZZZ", "001", {}},  // 23 characters: not checked
        {title10 + QLatin1Char('X'), "ZZZZZZZZZZZ", "001", {}},
        {payerIban("26", 'A', "10"), " ", "", required},  // taken as it stands
    };
    for (const Case& c : cases) {
        EXPECT_EQ(verif_angajament(c.iban, QLatin1String(c.code), QLatin1String(c.indicator)),
                  c.message)
            << c.iban.toStdString() << " / " << c.code << " / " << c.indicator;
    }
}

}  // namespace
