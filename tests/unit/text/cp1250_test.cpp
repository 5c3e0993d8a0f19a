#include <gtest/gtest.h>

#include "text/cp1250.h"
#include "text/text_file.h"
#include "text/text_helpers.h"

using namespace tavo::text;

TEST(Cp1250, EveryByteSurvivesAReadAndAWrite) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = char(i);
    EXPECT_EQ(toCp1250(fromCp1250(all)), all);
}

TEST(Cp1250, EncodesRomanianLettersAndReplacesTheRest) {
    struct Case {
        const char* utf8;
        QByteArray cp1250;
    };
    const Case cases[] = {
        {"ăâîşţ ĂÂÎŞŢ", QByteArray("\xE3\xE2\xEE\xBA\xFE \xC3\xC2\xCE\xAA\xDE")},
        // Comma-below letters are stored as the cedilla letters of the code page.
        {"șțȘȚ", QByteArray("\xBA\xFE\xAA\xDE")},
        {"€ „text”", QByteArray("\x80 \x84text\x94")},
        // Characters the code page cannot hold become "?".
        {"一 ñ ø Ω \u0080", QByteArray("? ? ? ? ?")},
        {"plain, #1", QByteArray("plain, #1")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCp1250(QString::fromUtf8(c.utf8)), c.cp1250) << c.utf8;
    }
    EXPECT_EQ(fromCp1250(QByteArray("\xE3\xBA\xFE")), QString::fromUtf8("ăşţ"));
    EXPECT_EQ(fromCp1250(QByteArray("\x80")), QString::fromUtf8("€"));
    EXPECT_EQ(storableChar(QChar(0x0219)), QChar(0x015F));
    EXPECT_EQ(storableChar(QChar(0x4E00)), QChar('?'));
    EXPECT_EQ(storableChar(QChar(0x80)), QChar('?'));
}

TEST(TextFile, SplitsAndJoinsLines) {
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb\r\n", {"a\rb"}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text.toStdString();
    EXPECT_EQ(joinLines({"a", "", "ş"}), QByteArray("a\r\n\r\n\xBA\r\n"));
}

TEST(TextHelpers, NumericValueReadsLeadingDigits) {
    struct Case {
        const char* text;
        qint64 value;
    };
    // One sign at most, and only before the digits.
    const Case cases[] = {
        {"7", 7},      {"007", 7},
        {" 12 ", 12},  {"1 2", 12},
        {"12abc", 12}, {"abc", 0},
        {"", 0},       {"-5", -5},
        {"+3", 3},     {" - 4", -4},
        {"--3", 0},    {"1-2", 1},
        {"3.9", 3},    {"99999999999999999999999", 9223372036854775807},
    };
    for (const Case& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(TextHelpers, AlignmentWidensInsteadOfCutting) {
    EXPECT_EQ(alignLeft("ab", 4), "ab  ");
    EXPECT_EQ(alignLeft("abcdef", 4), "abcdef");
}
