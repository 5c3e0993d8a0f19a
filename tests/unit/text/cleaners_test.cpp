#include <gtest/gtest.h>

#include "text/cleaners.h"

using namespace tavo::text;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Case {
    const char* text;
    const char* result;
};

}  // namespace

// The texts below are those tests/e2e/calc-cleaners.case cannot give: line
// feeds (its arguments are lines), and characters it does not try.
TEST(CuratareCamp, LineBreaksAndBlanks) {
    const Case cases[] = {
        {"a\r\nb", "ab"},     {"a\nb\rc", "abc"},
        {"\r\n abc", " abc"},  // trimmed before the line break goes
        {"abc", "abc"},       {" a,b ", "a b"},
        {"a#", "a "},  // a blank made at an end stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(curatare_camp(u(c.text)), u(c.result)) << c.text;
    }
}

TEST(InlocuireCB, ReplacesWhatTheBarcodeDoesNotTake) {
    EXPECT_EQ(inlocuire_CB(u("a\r\nb")), u("ab"));
    EXPECT_EQ(inlocuire_CB(u("Straße")), u("Stra e"));  // ß is not a letter with diacritics
    const Case cases[] = {
        {"STR. X-1 (A/B)", "STR. X-1 (A/B)"},
        {"A;B", "A B"},
        {" AB", "AB"},
        {"AB\t", "AB\t"},
        {"ŞA", "SA"},
        {"A!", "A"},
    };
    for (const auto& c : cases) EXPECT_EQ(inlocuire_CB(u(c.text)), u(c.result)) << c.text;
}

// Every letter of the code page with diacritics (not ß and µ, which carry
// none) becomes its base letter.
TEST(Cleaners, LettersWithDiacriticsBecomeTheirBaseLetter) {
    // clang-format off
    const Case cases[] = {
        {"ŠŚŤŽŹšśťžźŁĄŞŻłąşĽľżŔÁÂĂÄĹĆ", "SSTZZsstzzLASZlasLlzRAAAALC"},
        {"ÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢ", "CCEEEEIIDDNNOOOORUUUUYT"},
        {"ŕáâăäĺćçčéęëěíîďđńňóôőöřůúűüýţ", "raaaalccceeeeiiddnnooooruuuuyt"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(inlocuire_CB(u(c.text)), u(c.result)) << c.text;
        EXPECT_EQ(filtru_CB(u(c.text)), u(c.result)) << c.text;
    }
    // Accented letters of other alphabets are not Latin letters: not kept.
    EXPECT_EQ(filtru_CB(u("xάy")), u("xy"));
}

TEST(FiltruCB, NothingOutsideTheAllowedCharactersSurvives) {
    // Every character of the basic plane, alone between two letters.
    for (int code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000)
            continue;
        const QString text = QStringLiteral("a") + QChar(code) + QStringLiteral("b");
        for (const QChar c : filtru_CB(text)) {
            const bool ok = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                            (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                            c == QLatin1Char(' ') || c == QLatin1Char('.');
            ASSERT_TRUE(ok) << code;
        }
    }
}

TEST(FiltruCB, LongTextsAreFilteredWhole) {
    const QString text = QString(600, QLatin1Char('a')) + QStringLiteral(",b");
    EXPECT_EQ(filtru_CB(text), QString(600, QLatin1Char('a')) + QStringLiteral("b"));
}
