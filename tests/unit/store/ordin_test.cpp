// The fields and shapes of a stored line (which entry field goes where: tests/e2e).
#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "store/line_shape.h"
#include "store/orders_file.h"
#include "store/ordin.h"
#include "text/cp1250.h"
#include "text/text_file.h"

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

// The list and the summaries read the stored bytes; the entry window and the
// exports read the decoded text. Both must find the same lines, shapes and
// fields, and the list must show what the text holds.
TEST(LineShape, StoredBytesReadAsTheDecodedText) {
    const auto commas = [](int n) { return QString(n, QLatin1Char(',')); };
    const QString current = QString::fromUtf8(
        "1,45,1500.00,ŞTEFAN SRL,13548146,STR. ŢEPEŞ,RO49RNCB,,BUGET,4221306,RO61TREZ,,,"
        "IMPOZIT,15/01/2023,,,,,OP");
    struct Case {
        const char* what;
        QString line;
        int shape;  // -1: no document
    };
    const std::vector<Case> cases{
        {"current", current, 19},
        {"15 commas", "3,47,1,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,OP", 15},
        {"17 commas", "4,48,2,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,,,FV", 17},
        {"18 commas", "5,49,3,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,,,,OP", 18},
        {"every field empty", commas(19), 19},
        {"no type", current.chopped(2), 19},
        {"a CR kept in the line", current + "\r", 19},
        {"extra commas", current + ",X,Y", -1},
        {"16 commas", "6,50,4,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,,OP", -1},
        {"a '#' in a field", QString(current).replace("IMPOZIT", "IMP#OZIT"), -1},
        {"',#,' in the line", "7,#," + commas(17) + "OP", -1},
        {"no comma", "ORDINE", -1},
        {"empty", "", -1},
    };
    QTemporaryDir dir;
    const OrdersFile orders{QDir(dir.path())};
    for (const Case& c : cases) {
        for (const char* end : {"\r\n", "\n"}) {
            SCOPED_TRACE(std::string(c.what) + (end[0] == '\r' ? ", CR LF" : ", LF"));
            // The line, then the current one without a line end.
            const QByteArray file =
                tavo::text::toCp1250(c.line) + end + tavo::text::toCp1250(current);
            const QStringList texts = tavo::text::splitLines(tavo::text::fromCp1250(file));
            QList<QByteArrayView> stored;
            for (StoredLineSplitter lines(file); !lines.atEnd();) stored.append(lines.next());
            ASSERT_EQ(stored.size(), texts.size());
            ASSERT_EQ(texts.size(), 2);

            for (qsizetype i = 0; i < texts.size(); ++i) {
                const QString& text = texts[i];
                const QByteArrayView bytes = stored[i];
                EXPECT_EQ(tavo::text::fromCp1250(bytes), text);
                const int shape = i == 0 ? c.shape : currentCommas;
                EXPECT_EQ(knownShape(bytes), shape);
                EXPECT_EQ(knownShape(QStringView(text)), shape);
                for (const int n : knownShapes) EXPECT_EQ(forma_linie(text, commas(n)), n == shape);

                // Field k lies between comma k-1 and comma k; the last holds the rest.
                const ordin record = ordin::fromLine(text);
                const QStringList parts = text.split(QLatin1Char(','));
                EXPECT_EQ(record[numar_campuri], parts.mid(currentCommas).join(QLatin1Char(',')));
                LineFields<QByteArrayView> fields(bytes);
                for (int k = 1; k <= numar_campuri; ++k) {
                    if (k < numar_campuri) {
                        EXPECT_EQ(record[k], parts.value(k - 1)) << k;
                    }
                    const QByteArrayView field = k < numar_campuri ? fields.next() : fields.rest();
                    EXPECT_EQ(tavo::text::fromCp1250(field), record[k]) << k;
                    EXPECT_EQ(camp(bytes, k), field) << k;
                    EXPECT_EQ(camp(QStringView(text), k), record[k]) << k;
                    EXPECT_EQ(field.isNull(), record[k].isNull()) << k;
                }
                EXPECT_EQ(tavo::text::fromCp1250(typeOf(bytes)), typeOf(QStringView(text)));
                if (shape >= 0) {
                    const QString updated = updatedLine(text, shape);
                    EXPECT_EQ(camp(QStringView(updated), tip_doc), typeOf(QStringView(text)));
                }
            }

            // The list, from the stored bytes: every document's line, its
            // order number, document number and type as the text has them.
            ASSERT_TRUE(tavo::text::writeSynced(orders.path(), file));
            QStringList documents;
            for (const QString& text : texts) {
                if (knownShape(QStringView(text)) >= 0)
                    documents.append(text);
            }
            QStringList listed;
            for (const OrdersFile::DocumentLine& line : orders.documente())
                listed.append(line.text);
            EXPECT_EQ(listed, documents);
            const QStringList items = orders.incarcare_lista().items;
            ASSERT_EQ(items.size(), documents.size());
            for (qsizetype i = 0; i < items.size(); ++i) {
                const QString& text = documents[i];
                EXPECT_EQ(items[i].section(',', 0, 0),
                          camp(QStringView(text), nr_ordine).toString().rightJustified(5));
                EXPECT_EQ(items[i].section(',', 1, 1), camp(QStringView(text), nr_OP));
                EXPECT_EQ(items[i].section(',', -1), typeOf(QStringView(text)));
            }
        }
    }
}
