#include "printing/borderou.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <limits>

#include "../helpers.h"
#include "text/text_file.h"

using namespace tavo::printing;

namespace {

const tavo::beneficiary::ReferenceList& banks() {
    static const tavo::beneficiary::ReferenceList list(
        tavo::beneficiary::RowShape::Bank,
        {"RNCBROBU--BANCA COMERCIALA ROMANA", "TREZ131--Trezorerie operativa Brasov"});
    return list;
}

SummaryRequest cerere(const QString& tip = QStringLiteral("OP")) {
    SummaryRequest c;
    c.CIF = QStringLiteral("13548146");
    c.perioada = readPeriod(QStringLiteral("01/01/2023-31/12/2023"));
    c.tip = tip;
    return c;
}

// A stored line of the payer in the period, dated 15/01/2023.
QByteArray linie(int nr, const char* suma, const char* iban = "RO61TREZ1315069XXX000000",
                 const char* tip = "OP", const char* obiect = "IMPOZIT") {
    return QByteArray::number(nr) + ",45," + suma + ",ALFA SRL,13548146,BRASOV,RO49RNCB00890000," +
           ",BUGET,4221306," + iban + ",,," + obiect + ",15/01/2023,,,,," + tip;
}

}  // namespace

TEST(Borderou, ListsTheDocumentsOfEveryKnownShapeAndPassesOverOtherLines) {
    struct Case {
        const char* what;
        QByteArray file;
        qint64 documente;
        qint64 totalBani;
    };
    const QByteArray current = linie(1, "10.00");
    const std::vector<Case> cases{
        {"line ends CR LF, LF, none", current + "\r\n" + linie(2, "1.50") + "\n" + linie(3, "2"), 3,
         1350},
        // An earlier shape: fields 1 to 15, then the type after the last comma.
        {"15 commas", "4,45,7.25,ALFA SRL,13548146,BRASOV,,,BUGET,1,RO,,,X,15/01/2023,OP\r\n", 1,
         725},
        // Lines of no known shape are not documents, whatever their fields hold.
        {"a '#' in the object", linie(5, "9.00", "RO61TREZ1315069XXX000000", "OP", "A#B") + "\r\n",
         0, 0},
        {"16 commas", "6,45,9.00,ALFA SRL,13548146,B,,,B,1,RO,,,X,15/01/2023,,OP\r\n", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Borderou b = cre_borderou(c.file, cerere(), banks());
        EXPECT_EQ(b.documente, c.documente);
        EXPECT_EQ(b.totalBani, c.totalBani);
        EXPECT_FALSE(b.overflow);
        // 17 heading lines, 7 lines a document, 3 closing lines.
        EXPECT_EQ(b.linii().size(), (c.documente ? 17 : 0) + 7 * c.documente + 3);
    }
}

TEST(Borderou, TotalShowsStarsFromSixteenIntegerDigitsOrWhenTheSumOverflows) {
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    struct Case {
        qint64 bani;
        bool overflow;
        QString shown;
    };
    const std::vector<Case> cases{
        {5, false, "0.05"},
        {99999999999999999, false, "999999999999999.99"},
        {100000000000000000, false, "***************.**"},
        {largest, false, "***************.**"},
        {12, true, "***************.**"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(totalBorderou(c.bani, c.overflow), c.shown) << c.bani;
    }

    // Amounts too large to add up in bani: the total is not allowed to wrap
    // round to a small or negative number.
    QByteArray file;
    for (int i = 1; i <= 2; ++i) file += linie(i, "99999999999999999999") + "\r\n";
    const Borderou b = cre_borderou(file, cerere(), banks());
    EXPECT_TRUE(b.overflow);
    EXPECT_TRUE(b.linii().value(b.linii().size() - 2).endsWith("***************.**"));
}

// Each bank code is looked up once and its name reused: every document still
// shows the bank of its own IBAN, none that of the document before.
TEST(Borderou, NamesTheBankOfEachDocument) {
    struct Case {
        const char* iban;
        QString bank;
    };
    const std::vector<Case> cases{
        {"RO49RNCB0089000000000001", "BANCA COMERCIALA ROMANA"},
        {"RO61TREZ1315069XXX000000", "Trezorerie operativa Brasov"},
        {"RO49ZZZZ0089000000000001", ""},
        {"RO49RNCB0089000000000002", "BANCA COMERCIALA ROMANA"},
        {"RO61TREZ1325069XXX000000", ""},
    };
    QByteArray file;
    for (size_t i = 0; i < cases.size(); ++i)
        file += linie(int(i + 1), "1", cases[i].iban) + "\r\n";
    const QStringList lines = cre_borderou(file, cerere(), banks()).linii();
    for (const Case& c : cases) {
        const QString shown = QString::fromLatin1(c.iban) + " |" + c.bank.leftJustified(53);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const QString& line) { return line.endsWith(shown); }),
                  1)
            << c.iban;
    }
}

TEST(Borderou, WrittenInPiecesTheFileHoldsTheSameBytes) {
    // Some 3 MB of summary: several pieces, the last one partial.
    QByteArray file;
    for (int i = 1; i <= 5000; ++i) file += linie(i, i % 3 ? "12.5" : "7") + "\r\n";
    QTemporaryDir dir;
    const QString ordine = dir.filePath("ordine.txt");
    const QString borderou = dir.filePath("Borderou.txt");
    ASSERT_TRUE(tavo::text::writeSynced(ordine, file));

    const Borderou inMemory = cre_borderou(file, cerere(), banks());
    Borderou written;
    QString error;
    ASSERT_TRUE(scrie_borderou(ordine, borderou, cerere(), banks(), &written, &error))
        << error.toStdString();
    EXPECT_GT(inMemory.continut.size(), 2 << 20);
    EXPECT_EQ(tavo::readBytes(borderou), inMemory.continut);
    EXPECT_EQ(written.totalBani, inMemory.totalBani);
    EXPECT_EQ(written.documente, 5000);
    // A four-digit order number is followed by one blank.
    EXPECT_TRUE(inMemory.continut.contains("\r\n1000.  | 15/01/2023  | IMPOZIT\r\n"));

    // A file that cannot be read is named in the error.
    EXPECT_FALSE(
        scrie_borderou(dir.filePath("missing.txt"), borderou, cerere(), banks(), nullptr, &error));
    EXPECT_TRUE(error.startsWith("missing.txt: ")) << error.toStdString();
}
