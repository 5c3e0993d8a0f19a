#include <gtest/gtest.h>

#include "beneficiary/iban.h"
#include "entry/program_state.h"

using namespace tavo::beneficiary;

// Capitals, lower case and punctuation are in the check digits of
// tests/e2e/calc-iban.case; letters with diacritics are not capitals A-Z.
TEST(LettersToDigits, DropsLettersWithDiacritics) {
    EXPECT_EQ(lettersToDigits(QString::fromUtf8("Ă1Ş")), QStringLiteral("1"));
}

// Besides the remainders of tests/e2e/calc-iban.case (a longer text is
// checked against a digit-by-digit remainder by tests/fuzz/fuzz_iban.cpp).
TEST(Mod97, CheckDigitsAtTheRemainderBoundaries) {
    struct Case {
        const char* digits;
        const char* check;
    } cases[] = {
        {"10", "88"},                     // remainder 10
        {"193", "02"},                    // 193 = 97 + 96
        {"", "98"},                       // no digits at all
        {"000000000000000000096", "02"},  // a round leaves "0"
        {"9 0", "08"},                    // characters that are not digits are skipped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mod97(QString::fromLatin1(c.digits)), QString::fromLatin1(c.check)) << c.digits;
    }
}

// Characters 3-4 are compared as a number: " 5" is 5, "A5" is not (the
// texts of tests/e2e/calc-iban.case besides).
TEST(VerIban, ComparesCheckDigitsAsNumbers) {
    EXPECT_TRUE(ver_IBAN(QStringLiteral("RO 5TREZ700219A470300XXX")).corect);
    EXPECT_FALSE(ver_IBAN(QStringLiteral("ROA5TREZ700219A470300XXX")).corect);
}

// The digits of each IBAN checked are in tests/e2e/calc-iban.case; an empty
// field passes and computes none.
TEST(VerIban, EmptyFieldPassesWithoutCheckDigits) {
    const IbanCheck wrong = ver_IBAN(QStringLiteral("RO25TREZ999650101XXXXXXX"));
    EXPECT_FALSE(wrong.corect);
    EXPECT_EQ(wrong.cifre_control_IBAN, QStringLiteral("24"));
    const IbanCheck empty = ver_IBAN(QString());
    EXPECT_TRUE(empty.corect);
    EXPECT_TRUE(empty.text.isEmpty());
    EXPECT_FALSE(empty.cifre_control_IBAN);
}

// Besides the codes typed in tests/e2e/assistant-way-two.case.
TEST(CodIban, AcceptsOnlyTreasuryRevenueAccounts) {
    struct Case {
        const char* text;
        bool acceptat;
        const char* after;
    } cases[] = {
        {"", true, ""},
        {"RO05TREZ700219A470300XXX", true, "RO05TREZ700219A470300XXX"},
        {"RO24TREZ999650101XXXXXXXX", false, ""},  // 25 characters
        {"RO10TREZ70020A100101XTVA", false, ""},   // right digits, 24th not "X"
        {"RO49AAAA1B31007593840000", false, ""},   // right digits, not "TREZ"
        {"DE24TREZ999650101XXXXXXX", false, ""},   // not "RO"
        {"RO 24TREZ999650101XXXXXX", false, ""},
    };
    for (const auto& c : cases) {
        const CodIbanTest test = test_codIBAN(QString::fromLatin1(c.text));
        EXPECT_EQ(test.acceptat, c.acceptat) << c.text;
        EXPECT_EQ(test.text, QString::fromLatin1(c.after)) << c.text;
    }
}

TEST(CodIban, UpperCasingNeverChangesTheLength) {
    // "ß" upper-cases to "SS" as a string; the test must see 23 characters.
    const QString text = QStringLiteral("ro24trez999650101xxxxxx") + QChar(0x00DF);
    EXPECT_EQ(text.size(), 24);
    EXPECT_FALSE(test_codIBAN(text).acceptat);
    EXPECT_FALSE(test_codIBAN(QStringLiteral("ro24trez999650101xxxxx") + QChar(0x00DF)).acceptat);
}
