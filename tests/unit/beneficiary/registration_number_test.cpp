#include <gtest/gtest.h>

#include "beneficiary/registration_number.h"

using namespace tavo::beneficiary;

// Besides the sums of tests/e2e/calc-registration-number.case.
TEST(ControlNrEvidenta, TwoDigitsFromTheDigitSum) {
    struct Case {
        const char* first21;
        const char* control;
    } cases[] = {
        {"900000000000000000000", "09"},    // sum 9
        {"910000000000000000000", "10"},    // sum 10
        {"999999999991000000000", "00"},    // sum 100
        {"999999999999999999999", "89"},    // sum 189, the largest
        {"22910010000150323000099", "29"},  // characters after 21 do not count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkRegistrationNumber(QString::fromLatin1(c.first21)),
                  QString::fromLatin1(c.control))
            << c.first21;
    }
}

// Besides the numbers of tests/e2e/calc-registration-number.case.
TEST(TestNrEvidenta, BlanksAreNotDigits) {
    EXPECT_FALSE(
        isRegistrationNumber(QStringLiteral("2040001000000000000007 ")));  // "7 " is not "07"
    EXPECT_FALSE(isRegistrationNumber(QStringLiteral(" 2910010000150323000027")));
}
