#include <gtest/gtest.h>

#include "store/line_shape.h"
#include "store/ordin.h"

using namespace tavo::store;

TEST(Ordin, EntryFieldsMapToStoredPositions) {
    // d1(0)..d1(13) hold positions 2..15; position 16 is d1(16), then d1(14),
    // d1(15), d1(17): the debit date is stored before the commitment code.
    const int expected[] = {-1, -1, 0,  1,  2,  3,  4,  5,  6,  7, 8,
                            9,  10, 11, 12, 13, 16, 14, 15, 17, -1};
    for (int position = 1; position <= numar_campuri; ++position) {
        EXPECT_EQ(d1_pentru_pozitie(position), expected[position]) << position;
        if (expected[position] >= 0) {
            EXPECT_EQ(pozitie_pentru_d1(expected[position]), position);
        }
    }
}

TEST(Ordin, FieldsAreFoundByCommas) {
    const QString line = "12,45,1500.00,,5,6,7,8,9,10,11,12,13,14,15/01/2023,16,17,18,19,OP";
    EXPECT_EQ(camp(line, 1), QStringLiteral("12"));
    EXPECT_EQ(camp(line, 2), QStringLiteral("45"));
    EXPECT_EQ(camp(line, 4), QStringLiteral(""));
    EXPECT_EQ(camp(line, 15), QStringLiteral("15/01/2023"));
    EXPECT_EQ(camp(line, 20), QStringLiteral("OP"));
    // Field 20 is the whole rest of the line; fields past the commas are empty.
    EXPECT_EQ(camp(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,O,P"), 20),
              QStringLiteral("O,P"));
    EXPECT_EQ(camp(QStringLiteral("1,2"), 5), QStringLiteral(""));

    const ordin record = ordin::din_linie(line);
    EXPECT_EQ(record[nr_ordine], "12");
    EXPECT_EQ(record[data_emiterii], "15/01/2023");
    EXPECT_EQ(record[tip_doc], "OP");
    EXPECT_EQ(record.linie(), line);
}

TEST(LineShape, KnownShapesAgreeWithThePatternTest) {
    const auto commas = [](int n) { return QString(n, QLatin1Char(',')); };
    const QString lines[] = {
        "",
        "no commas",
        "1" + commas(15) + "OP",
        "1" + commas(16) + "OP",
        "1" + commas(17) + "OP",
        "1" + commas(18) + "OP",
        "1" + commas(19) + "OP",
        "1" + commas(20) + "OP",
        "1,#" + commas(18) + "OP",
        "#" + commas(19),
        commas(19) + "#",
        ",#,#,",
    };
    for (const QString& line : lines) {
        int fits = -1;
        for (int n : {15, 17, 18, 19}) {
            if (forma_linie(line, commas(n)))
                fits = n;
        }
        EXPECT_EQ(forma_cunoscuta(line), fits) << line.toStdString();
    }
    // The ",#," rule: a comma right after ",#" is not counted.
    EXPECT_TRUE(forma_linie(QStringLiteral("a,#,b"), QStringLiteral(",#")));
}

TEST(LineShape, OlderLinesGetEmptyFieldsBeforeTheType) {
    struct Case {
        QString line;
        QString expected;
    };
    const Case cases[] = {
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,OP", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,,,,,OP"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,FV",
         "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,,,FV"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,OP",
         "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,,OP"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,OP",
         "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,OP"},
    };
    for (const Case& c : cases) {
        const int commas = forma_cunoscuta(c.line);
        ASSERT_GT(commas, 0) << c.line.toStdString();
        EXPECT_EQ(linie_actualizata(c.line, commas), c.expected);
    }
}
