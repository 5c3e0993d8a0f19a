#include <gtest/gtest.h>

#include "beneficiary/registration_number.h"

using namespace tavo::beneficiary;

TEST(ControlNrEvidenta, TwoDigitsFromTheDigitSum) {
    struct Case {
        const char* first21;
        const char* control;
    } cases[] = {
        {"229100100001503230000", "29"},  // the fine of 15/03/2023
        {"200000000000000000000", "02"},
        {"204000100000000000000", "07"},  // sum 7
        {"209000000000000000000", "11"},
        {"900000000000000000000", "09"},  // sum 9
        {"910000000000000000000", "10"},
        {"999999999991000000000", "00"},  // sum 100
        {"999999999996000000000", "05"},  // sum 105
        {"999999999999999999999", "89"},  // sum 189, the largest
        {"22910010000ABCDEF0000", "15"},  // letters count 0
        {"000000000000000000000", "00"},
        {"229100100001503230000"
         "99",
         "29"},  // characters after 21 do not count
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
