#include <gtest/gtest.h>

#include "text/cp1250.h"
#include "text/csv_table.h"

using namespace tavo::text;

namespace {

QByteArray bytesOf(const char* text, size_t size) {
    return QByteArray(text, qsizetype(size));
}

// "a\0b" as a QByteArray with its NUL byte.
template <size_t N>
QByteArray bytesOf(const char (&text)[N]) {
    return bytesOf(text, N - 1);
}

QString describe(const TableReading& reading) {
    QString out = reading.error;
    for (const TableRow& row : reading.rows)
        out += QStringLiteral("\n%1: [%2]").arg(row.line).arg(row.fields.join(QStringLiteral("|")));
    return out;
}

}  // namespace

TEST(CsvTable, TellsTheEncodingsApart) {
    struct Case {
        QByteArray bytes;
        TableEncoding encoding;
        QStringList header;
    };
    const Case cases[] = {
        {"Suma;Tara\n", TableEncoding::Utf8, {"Suma", "Tara"}},
        {"Sum\xC4\x83;\xC8\x9A\x61r\xC4\x83;\xC8\x99\n",
         TableEncoding::Utf8,
         {"Sumă", "Țară", "ș"}},
        {"\xEF\xBB\xBFSum\xC4\x83;\xC8\x9B\n", TableEncoding::Utf8WithBom, {"Sumă", "ț"}},
        // CP1250 holds the cedilla forms of s and t.
        {"Sum\xE3;\xDE\x61r\xE3;\xBA\xFE\r\n", TableEncoding::Cp1250, {"Sumă", "Ţară", "şţ"}},
        {"\x80;\xAA\n", TableEncoding::Cp1250, {"€", "Ş"}},
        // A BOM alone is an empty UTF-8 table, not CP1250 letters; a second
        // one is a character of the first field.
        {"\xEF\xBB\xBF", TableEncoding::Utf8WithBom, {}},
        {"\xEF\xBB\xBF\xEF\xBB\xBF\x61\n",
         TableEncoding::Utf8WithBom,
         {QChar(0xFEFF) + QString("a")}},
    };
    for (const Case& c : cases) {
        const TableReading reading = readTable(c.bytes);
        ASSERT_TRUE(reading.ok()) << c.bytes.toStdString() << ": "
                                  << describe(reading).toStdString();
        EXPECT_EQ(reading.encoding, c.encoding) << c.bytes.toStdString();
        EXPECT_EQ(reading.rows.isEmpty() ? QStringList() : reading.rows.front().fields, c.header)
            << c.bytes.toStdString();
    }
}

TEST(CsvTable, FindsTheSeparatorInTheHeader) {
    struct Case {
        const char* text;
        char16_t separator;
        QStringList secondRow;
    };
    const Case cases[] = {
        {"a;b\n1,5;2\n", u';', {"1,5", "2"}},
        {"a\tb\n1;5\t2\n", u'\t', {"1;5", "2"}},
        {"a,b\n1;5,2\n", u',', {"1;5", "2"}},
        {"suma, lei;cont\n1;2\n", u';', {"1", "2"}},
        {"a,b\tc\nx\ty,z\n", u'\t', {"x", "y,z"}},
        // Separators inside quotes do not count.
        {"\"a;b\",c\n1;2,3\n", u',', {"1;2", "3"}},
        {"\"a,\"\"b\"\";c\"\td\n1\t2\n", u'\t', {"1", "2"}},
        // A quote inside a name is a plain character, and blank lines come first.
        {"\r\n\na\"b;c,d\n1;2\n", u';', {"1", "2"}},
        // One column: read with ",".
        {"nume\nx;y,z\n", u',', {"x;y", "z"}},
    };
    for (const Case& c : cases) {
        const TableReading reading = readTable(QByteArray(c.text));
        ASSERT_TRUE(reading.ok()) << c.text;
        EXPECT_EQ(reading.separator, QChar(c.separator)) << c.text;
        ASSERT_EQ(reading.rows.size(), 2) << c.text;
        EXPECT_EQ(reading.rows[1].fields, c.secondRow) << c.text;
    }
}

TEST(CsvTable, ReadsQuotesLineEndsAndLineNumbers) {
    struct Case {
        const char* text;
        QList<TableRow> rows;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n\n\r\n", {}},
        {"a,b\r\n1,2\r\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"a\n\n\r\nb\n", {{1, {"a"}}, {4, {"b"}}}},
        // A lone CR ends a line too.
        {"a\rb\r\nc\r\rd", {{1, {"a"}}, {2, {"b"}}, {3, {"c"}}, {5, {"d"}}}},
        // Line ends inside quotes stay in the field and still count as lines.
        {"a,\"x\r\ny\"\nc,d\n", {{1, {"a", "x\r\ny"}}, {3, {"c", "d"}}}},
        {"\"x\ry\n\nz\",1\n2\n", {{1, {"x\ry\n\nz", "1"}}, {5, {"2"}}}},
        {"\"he said \"\"hi\"\"\",\"\"\"\"\n", {{1, {"he said \"hi\"", "\""}}}},
        {"a,\"b,c\",\"d\"\"\"", {{1, {"a", "b,c", "d\""}}}},
        // Empty fields, at the end of a row too.
        {"a,,b,\n,\n", {{1, {"a", "", "b", ""}}, {2, {"", ""}}}},
        {"\"\"\nx\n", {{1, {""}}, {2, {"x"}}}},
        // Blanks are kept, except after a closing quote.
        {" a , b \n\"q\"  ,\"r\" \n", {{1, {" a ", " b "}}, {2, {"q", "r"}}}},
        // A quote after the start of a field is a plain character.
        {"a\"b,c\"\n", {{1, {"a\"b", "c\""}}}},
    };
    for (const Case& c : cases) {
        const TableReading reading = readTable(QByteArray(c.text));
        ASSERT_TRUE(reading.ok()) << c.text << ": " << reading.error.toStdString();
        EXPECT_EQ(reading.rows, c.rows) << c.text << describe(reading).toStdString();
    }
}

TEST(CsvTable, RefusesBadFilesNamingTheLine) {
    struct Case {
        QByteArray bytes;
        const char* error;
    };
    const Case cases[] = {
        {"a,b\n1,\"open\n2,3\n", "Ghilimele neinchise la linia 2"},
        {"a,\"x\ny\"\n\"z\nw\"q,1\n", "Text dupa ghilimelele de inchidere la linia 4"},
        {"a\rb\r\"q\"\"\r", "Ghilimele neinchise la linia 3"},
        {"a,b\n\"x\"y,1\n", "Text dupa ghilimelele de inchidere la linia 2"},
        {bytesOf("a\r\nb\0c\n"), "Caracter nul la linia 2"},
        {bytesOf("\0"), "Caracter nul la linia 1"},
        {"\xEF\xBB\xBF\x61\r\n\xC4\x83\n\xE3\n", "Text UTF-8 gresit la linia 3"},
        {"\xEF\xBB\xBF\x61\r\xC4\n", "Text UTF-8 gresit la linia 2"},
        {"a\n\xE3\r\nb\x81",
         "Caracter necunoscut (fisierul nu este nici UTF-8, nici CP1250) la linia 3"},
        {"\x98\xE3", "Caracter necunoscut (fisierul nu este nici UTF-8, nici CP1250) la linia 1"},
    };
    for (const Case& c : cases) {
        const TableReading reading = readTable(c.bytes);
        EXPECT_EQ(reading.error, QString::fromLatin1(c.error)) << c.bytes.toStdString();
        EXPECT_TRUE(reading.rows.isEmpty()) << c.bytes.toStdString();
    }
}

TEST(CsvTable, WritesEachFlavourQuotingOnlyWhenNeeded) {
    const QList<QStringList> rows = {
        {"nume", "suma, lei"}, {"Ana Pop", "1,5"}, {"a;b", "x\"y"},
        {" lead", "tab\t"},    {"ș\nț", ""},       {""},
    };
    EXPECT_EQ(writeTable(rows, TableFlavour::Excel), QByteArray("\xEF\xBB\xBFnume;\"suma, lei\"\r\n"
                                                                "Ana Pop;1,5\r\n"
                                                                "\"a;b\";\"x\"\"y\"\r\n"
                                                                "\" lead\";\"tab\t\"\r\n"
                                                                "\"\xC8\x99\n\xC8\x9B\";\r\n"
                                                                "\"\"\r\n"));
    EXPECT_EQ(writeTable(rows, TableFlavour::Csv), QByteArray("nume,\"suma, lei\"\n"
                                                              "Ana Pop,\"1,5\"\n"
                                                              "a;b,\"x\"\"y\"\n"
                                                              "\" lead\",\"tab\t\"\n"
                                                              "\"\xC8\x99\n\xC8\x9B\",\n"
                                                              "\"\"\n"));
}

TEST(CsvTable, WrittenTablesReadBackTheSame) {
    const QStringList awkward = {
        "",           "plain",       "Sumă țară Ș", "a;b",        "a,b",   "a\tb",
        "\"",         "\"\"",        "say \"hi\"",  "\"quoted\"", " ",     " lead",
        "trail ",     "line\nbreak", "cr\rlf\r\n",  "\r\n",       "€ „x”", "\t",
        "\u00A0nbsp", "一",          "end\"",       ";",          ",",
    };
    // Qt drops a byte-order mark starting a UTF-8 literal: these are made by hand.
    const QString bom(QChar(0xFEFF));
    QList<QList<QStringList>> tables;
    for (const QString& field : awkward + QStringList{bom, bom + "x", "x" + bom}) {
        tables.append({{field, "b"}, {"x", field}, {field}});  // header, row, one-field row
        tables.append({{field}, {field}, {"y"}});              // one column
    }
    tables.append({awkward, awkward});
    tables.append({{}, {"a"}});  // a row without fields reads as one empty field
    for (const TableFlavour flavour : {TableFlavour::Excel, TableFlavour::Csv}) {
        for (const QList<QStringList>& table : tables) {
            const QByteArray bytes = writeTable(table, flavour);
            const TableReading reading = readTable(bytes);
            ASSERT_TRUE(reading.ok()) << bytes.toStdString();
            QList<QStringList> back;
            for (const TableRow& row : reading.rows) back.append(row.fields);
            QList<QStringList> expected = table;
            if (expected.front().isEmpty())
                expected.front() = QStringList{QString()};
            EXPECT_EQ(back, expected) << bytes.toStdString();
            if (expected.front().size() > 1) {
                EXPECT_EQ(reading.separator, flavour == TableFlavour::Excel ? u';' : u',')
                    << bytes.toStdString();
            }
        }
    }
}

TEST(CsvTable, FoldsColumnNames) {
    struct Case {
        const char* name;
        const char* folded;
    };
    const Case cases[] = {
        {"Cod fiscal", "codfiscal"},
        {"COD_FISCAL", "codfiscal"},
        {"  cod\t_ fiscal ", "codfiscal"},
        {"Sumă", "suma"},
        {"ĂÂÎȘŞȚŢ ăâîșşțţ", "aaisstt aaisstt"},
        {"Nr. ordine", "nr.ordine"},
        {"Ω 1", "ω1"},
    };
    for (const Case& c : cases) {
        QString expected = QString::fromUtf8(c.folded);
        expected.remove(QLatin1Char(' '));
        EXPECT_EQ(foldedName(QString::fromUtf8(c.name)), expected) << c.name;
    }
}

// The row-by-row writer of stored fields writes what writeTable writes of
// the same texts, in both flavours; an amount's "." becomes "," on request.
TEST(CsvTable, StoredFieldsWrittenRowByRowAsWriteTableWritesThem) {
    const QList<QStringList> rows = {
        {"1", "1500.00", "ŞCOALA Ţ", "a;b", "a,b", "say \"da\"", " lead", "trail ", "",
         "two\nlines"},
        {"2", "", "", "", "", "", "", "", "", ""},
        {"3", "12.5", "\u00A0nbsp", "tab\t", "x", "y", "z", "w", "v", "u"},
    };
    const QStringList header = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (const TableFlavour flavour : {TableFlavour::Excel, TableFlavour::Csv}) {
        TableWriter writer(flavour, header);
        QList<QStringList> expected{header};
        for (const QStringList& row : rows) {
            QStringList shown = row;
            for (qsizetype f = 0; f < row.size(); ++f) {
                if (f == 1 && flavour == TableFlavour::Excel) {
                    writer.amountField(toCp1250(row[f]));
                    shown[f].replace('.', ',');
                } else {
                    writer.field(toCp1250(row[f]));
                }
            }
            writer.endRow();
            expected.append(shown);
        }
        EXPECT_EQ(writer.take(), writeTable(expected, flavour)) << int(flavour);
    }
}
