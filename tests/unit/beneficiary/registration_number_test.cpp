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
        EXPECT_EQ(control_nr_evidenta(QString::fromLatin1(c.first21)),
                  QString::fromLatin1(c.control))
            << c.first21;
    }
}

TEST(TestNrEvidenta, TypeCategoryLengthAndControl) {
    struct Case {
        const char* text;
        bool corect;
    } cases[] = {
        {"", true},
        {"22910010000150323000029", true},
        {"22910010000150323000028", false},   // wrong control
        {"2291001000015032300029", false},    // 22 characters
        {"229100100001503230000290", false},  // 24 characters
        {"20400010000000000000007", true},    // sum 7 written "07"
        {"2040001000000000000007 ", false},   // "7 " is not "07"
        {"26791010000000000000026", true},    // type 26
        {"27791010000000000000027", false},   // type 27 is not taken here
        {"21791010000000000000021", false},
        {"20791030000000000000022", true},   // category 03
        {"20791110000000000000021", true},   // category 11
        {"20791020000000000000021", false},  // category 02
        {"22910010000ABCDEF000015", true},   // letters count 0 in the sum
        {" 2910010000150323000027", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test_nr_evidenta(QString::fromLatin1(c.text)), c.corect) << c.text;
    }
    EXPECT_EQ(kMesajNrEvidenta, QStringLiteral("Atentie, 'Nr.de evidenta a platii' eronat ! "));
}
