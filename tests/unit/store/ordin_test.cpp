// The fields and shapes of a stored line (which entry field goes where: tests/e2e).
#include <gtest/gtest.h>

#include <QStringList>

#include "store/line_shape.h"
#include "store/ordin.h"

using namespace tavo::store;

// Field 20 is the whole rest of the line; fields past the commas are empty
// (the others are read from every stored line of tests/e2e).
TEST(Ordin, FieldsAreFoundByCommas) {
    EXPECT_EQ(camp(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,O,P"), 20),
              QStringLiteral("O,P"));
    EXPECT_EQ(camp(QStringLiteral("1,2"), 5), QStringLiteral(""));
}

// How older lines are brought up to date is in tests/e2e/older-line-shapes.case.
TEST(LineShape, KnownShapesAgreeWithThePatternTest) {
    const auto commas = [](int n) { return QString(n, QLatin1Char(',')); };
    QStringList lines = {
        "", "no commas", "1,#" + commas(18) + "OP", "#" + commas(19), commas(19) + "#", ",#,#,"};
    for (int n = 15; n <= 20; ++n) lines << "1" + commas(n) + "OP";
    for (const QString& line : lines) {
        int fits = -1;
        for (int n : {15, 17, 18, 19}) {
            if (forma_linie(line, commas(n)))
                fits = n;
        }
        EXPECT_EQ(knownShape(line), fits) << line.toStdString();
    }
    // The ",#," rule: a comma right after ",#" is not counted.
    EXPECT_TRUE(forma_linie(QStringLiteral("a,#,b"), QStringLiteral(",#")));
}

TEST(LineShape, StoredLinesOfEveryLengthAgreeWithTheText) {
    // The stored test scans whole blocks, then the rest: commas and "#" at
    // the ends of blocks, in the rest and in the block overlapping it.
    for (int length = 19; length <= 80; ++length) {
        for (int hashAt = -1; hashAt < length; ++hashAt) {
            QByteArray line(length, 'x');
            // 19 commas spread from the end backwards, then a "#" or none.
            for (int i = 0; i < 19; ++i) line[length - 1 - i * (length / 19)] = ',';
            if (hashAt >= 0)
                line[hashAt] = '#';
            const int expected = knownShape(QString::fromLatin1(line));
            ASSERT_EQ(knownShape(QByteArrayView(line)), expected) << line.constData();
        }
    }
    // A long line whose comma count, taken modulo 256 in any byte counter,
    // would look like 19: 16 * 256 + 19 commas.
    EXPECT_EQ(knownShape(QByteArrayView(QByteArray(16 * 256 + 19, ','))), -1);
    EXPECT_EQ(knownShape(QByteArrayView(QByteArray(5000, 'x') + QByteArray(19, ','))), 19);
}
