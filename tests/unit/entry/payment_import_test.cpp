// The import of payments from a table: each row checked as the entry window
// checks a typed document, the refusals with their reasons, the numbers.
#include "entry/payment_import.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "../helpers.h"
#include "document/import_values.h"
#include "text/csv_table.h"
#include "text/text_file.h"

namespace tavo {
namespace {

const beneficiary::ReferenceLists& lists() {
    static const beneficiary::ReferenceLists built = beneficiary::builtInLists();
    return built;
}

const QDate kToday(2025, 3, 14);

const QStringList kHeader{"nr_OP",           "suma",          "platitor",      "CIF_platitor",
                          "adresa_platitor", "IBAN_platitor", "beneficiar",    "CIF_beneficiar",
                          "IBAN_beneficiar", "reprezentand",  "data_emiterii", "tip_doc"};
// Withheld income tax paid by a treasury payer to its treasury's budget account.
const QStringList kTaxRow{"12",
                          "1500.00",
                          "GAMA SRL",
                          "4221306",
                          "STR. LUNGA 3 BRASOV",
                          "RO29TREZ1315069XXX000001",
                          "BUGETUL DE STAT",
                          "4221306",
                          "RO86TREZ13120470101XXXXX",
                          "IMPOZIT PE SALARII",
                          "10/02/2025",
                          "OP"};

QByteArray tableOf(const QStringList& header, const QList<QStringList>& rows) {
    QList<QStringList> all{header};
    all += rows;
    return text::writeTable(all, text::TableFlavour::Csv);
}

document::PaymentTable check(const QByteArray& bytes) {
    const document::CheckContext context{lists().Form_IBAN.Banci1, QString(), kToday, true};
    return document::checkPaymentTable(bytes, entryTyping(), context);
}

// The tax row with the cell of `column` replaced.
QStringList taxRowWith(const QString& column, const QString& value) {
    QStringList row = kTaxRow;
    row[kHeader.indexOf(column)] = value;
    return row;
}

TEST(PaymentImport, RowsAcceptedOrRefusedWithTheirReasons) {
    struct Case {
        const char* name;
        const char* column;
        QString value;
        QList<document::ImportReason> reasons;  // none: accepted
    };
    const QList<Case> cases = {
        {"as typed", "nr_OP", "12", {}},
        {"lower case and diacritics", "platitor", "găma srl", {}},
        {"blanks around and inside an IBAN", "IBAN_platitor", " ro29 trez 1315 069x xx00 0001", {}},
        {"a decimal comma", "suma", "1500,5", {}},
        {"thousands grouped", "suma", "1.500,00", {}},
        {"an amount without decimals", "suma", "1500", {}},
        {"a date without leading zeros", "data_emiterii", "10/2/2025", {}},
        {"a date year first", "data_emiterii", "2025-02-10", {}},
        {"the type in lower case", "tip_doc", "op", {}},
        {"an empty type is OP", "tip_doc", "", {}},
        {"a payer code with a wrong control digit",
         "CIF_platitor",
         "4221307",
         {{"CIF_platitor", "Cod identificare fiscala PLATITOR eronat "}}},
        {"wrong IBAN check digits",
         "IBAN_beneficiar",
         "RO87TREZ13120470101XXXXX",
         {{"IBAN_beneficiar",
           "Cod IBAN beneficiar eronat. Cifra de control corectă după RO ar fi 86."}}},
        {"day and month swapped",
         "data_emiterii",
         "02/13/2025",
         {{"data_emiterii", "valoarea a fost schimbata de verificare in \"13/02/2025\""}}},
        {"no date becomes today's",
         "data_emiterii",
         "",
         {{"data_emiterii", "valoarea a fost schimbata de verificare in \"14/03/2025\""}}},
        {"a date before 2015",
         "data_emiterii",
         "10/02/2014",
         {{"data_emiterii", "ATENTIE ! Data trebuie sa fie in format dd/mm/yyyy."}}},
        {"an amount that is not one",
         "suma",
         "o mie",
         {{"suma", "Suma: scrieti 1500 sau 1500,50"}}},
        {"a sign dropped",
         "suma",
         "-1500",
         {{"suma", "valoarea a fost schimbata de verificare in \"1500\""}}},
        {"a comma in an address", "adresa_platitor", "STR. LUNGA, 3", {}},
        {"a comma and a semicolon in an object", "reprezentand", "IMPOZIT, SALARII; 01", {}},
        {"a hash in a name", "beneficiar", "BUGETUL #DE STAT", {}},
        {"a comma in a name and an exclamation mark", "platitor", "GAMA, SRL!", {}},
        {"a comma in the order number",
         "nr_OP",
         "1,2",
         {{"nr_OP", "valoarea a fost schimbata de verificare in \"12\""}}},
        {"a comma in a fiscal code",
         "CIF_platitor",
         "4221,306",
         {{"CIF_platitor", "Cod identificare fiscala PLATITOR eronat "}}},
        {"past the typed limit",
         "platitor",
         "GAMA SOCIETATE CU RASPUNDERE LIMITATA",
         {{"platitor", "Textul are mai mult de 30 caractere"}}},
        {"a missing name", "platitor", "", {{"platitor", "Denumire plătitor necompletată"}}},
        {"an unknown type",
         "tip_doc",
         "OPX",
         {{"tip_doc", "Tip de document necunoscut: \"OPX\" (se scrie OP sau FV)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const document::PaymentTable table =
            check(tableOf(kHeader, {taxRowWith(c.column, c.value)}));
        ASSERT_TRUE(table.error.isEmpty()) << table.error.toStdString();
        ASSERT_EQ(table.rows.size(), 1);
        EXPECT_EQ(table.rows[0].line, 2);
        EXPECT_EQ(table.rows[0].reasons, c.reasons)
            << table.rows[0].reasons.value(0).message.toStdString();
    }
}

TEST(PaymentImport, TheDocumentAsTheFormStoresIt) {
    const document::PaymentTable table =
        check(tableOf(kHeader + QStringList{"nr_ordine"},
                      {taxRowWith("suma", "1.500,5") << "99", taxRowWith("tip_doc", "fv") << "",
                       taxRowWith("adresa_platitor", "STR. LUNGA, 3#A") << ""}));
    ASSERT_EQ(table.rows.size(), 3);
    const document::Document& op = table.rows[0].document;
    EXPECT_TRUE(op.op);
    EXPECT_EQ(op[D1::suma], "1500.50");
    EXPECT_EQ(op[D1::IBAN_platitor], "RO29TREZ1315069XXX000001");
    EXPECT_TRUE(op.nr_ordine.isEmpty()) << "nr_ordine is never read";
    EXPECT_FALSE(table.rows[1].document.op);
    // Stored as typing it leaves it: the characters a stored line cannot hold are blanks.
    EXPECT_EQ(table.rows[2].document[D1::adresa_platitor], "STR. LUNGA  3 A");
    EXPECT_EQ(table.acceptedCount(), 3);
}

TEST(PaymentImport, ColumnsNamedAsTheHeaderWritesThemOrByTheirStoredName) {
    QStringList header = kHeader;
    header[kHeader.indexOf("suma")] = "Sumă";
    QStringList row = taxRowWith("suma", "zero");
    // No column for the payer's name: it is missing, named by its stored name.
    const qsizetype payer = kHeader.indexOf("platitor");
    header.removeAt(payer);
    row.removeAt(payer);
    const document::PaymentTable table = check(tableOf(header, {row, row + QStringList{"x"}}));
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].reasons,
              (QList<document::ImportReason>{{"Sumă", "Suma: scrieti 1500 sau 1500,50"},
                                             {"platitor", "Denumire plătitor necompletată"}}));
    EXPECT_EQ(
        table.rows[1].reasons,
        (QList<document::ImportReason>{{"", "Randul are 12 celule, capul de tabel 11 coloane"}}));
}

TEST(PaymentImport, TablesThatAreNotTablesOfPayments) {
    const struct {
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"suma;platitor;culoare\r\n1;A;rosu\r\n", "Coloana necunoscuta: \"culoare\""},
        {"suma,PLATITI LEI\n1,2\n", "Coloana repetata: \"PLATITI LEI\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(check(c.bytes).error, c.error);
        EXPECT_TRUE(check(c.bytes).rows.isEmpty());
    }
    for (const QByteArray& empty :
         {QByteArray(), QByteArray("\r\n\r\n"), QByteArray("suma;platitor\r\n")}) {
        const document::PaymentTable table = check(empty);
        EXPECT_TRUE(table.error.isEmpty());
        EXPECT_TRUE(table.rows.isEmpty());
    }
}

TEST(PaymentImport, WhatAUserWouldNotCallAChange) {
    const struct {
        int field;
        QString cell, checked;
        bool same;
    } cases[] = {
        {D1::suma, "1500", "1500.00", true},
        {D1::suma, "1 500,00", "1500.00", true},
        {D1::suma, "1.500.000,01", "1500000.01", true},
        {D1::suma, "1500.001", "1500.00", false},
        {D1::suma, "1,500", "1.50", false},
        {D1::suma, "", "1.00", false},
        {D1::data_emiterii, "5/3/2025", "05/03/2025", true},
        {D1::data_emiterii, "05.03.2025", "05/03/2025", true},
        {D1::data_emiterii, "03/05/2025", "05/03/2025", false},
        {D1::data_emiterii, "5/3/25", "05/03/2025", false},
        {D1::data_emiterii, "", "05/03/2025", false},
        {D1::platitor, "Ştefan  şi fiii", "STEFAN SI FIII", true},
        {D1::platitor, "A-B", "A B", false},
        {D1::beneficiar, "", "BUGETUL DE STAT", false},
        {D1::beneficiar, "  ", "", true},
        // What the cleaning turns into blanks, where it does.
        {D1::adresa_platitor, "STR. X, 3", "STR. X  3", true},
        {D1::reprezentand, "TAXA #2; LUNA 1", "TAXA  2  LUNA 1", true},
        {D1::cod_program, "12,3", "12 3", true},
        {D1::cod_program, "12!3", "12!3", true},
        {D1::adresa_platitor, "STR. X, 3", "STR. X  4", false},
        {D1::adresa_platitor, "STR. X, 3", "STR. X- 3", false},
        {D1::adresa_platitor, "STR. X, 3", "STR. X", false},
        {D1::nr_OP, "1,2", "12", false},
        {D1::IBAN_platitor, "RO29,TREZ1315069XXX000001", "RO29TREZ1315069XXX000001", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(document::sameAsCell(c.field, c.cell, c.checked), c.same)
            << c.cell.toStdString() << " / " << c.checked.toStdString();
}

// The accepted rows get the numbers after the count of stored documents,
// past the numbers already taken, in the file's order.
TEST(PaymentImport, NumbersAfterTheStoredDocuments) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString stored =
        ",12,1500.00,GAMA SRL,4221306,STR. LUNGA 3,RO29TREZ1315069XXX000001,,BUGETUL DE STAT,"
        "4221306,RO86TREZ13120470101XXXXX,,,IMPOZIT,10/02/2025,,,,,OP";
    ASSERT_TRUE(text::writeLines(folder.filePath("ordine.txt"),
                                 {"1" + stored, "2" + stored, "4" + stored}));
    ASSERT_TRUE(
        writeBytes(folder.filePath("plati.csv"),
                   tableOf(kHeader, {kTaxRow, taxRowWith("platitor", ""), kTaxRow, kTaxRow})));
    const PaymentImport checked =
        readPaymentImport(folder.filePath("plati.csv"), store::OrdersFile(folder), lists(), kToday);
    ASSERT_TRUE(checked.error.isEmpty());
    EXPECT_EQ(checked.report(),
              (QStringList{"ROW 2 OK 5", "ROW 3 REFUSED platitor|Denumire plătitor necompletată",
                           "ROW 4 OK 6", "ROW 5 OK 7", "IMPORT accepted 3, refused 1"}));
    ASSERT_EQ(checked.documents().size(), 3);
    EXPECT_EQ(checked.documents()[2][store::nr_ordine], "7");
    EXPECT_FALSE(
        readPaymentImport(folder.filePath("none.csv"), store::OrdersFile(folder), lists(), kToday)
            .error.isEmpty());
}

// The model table shipped with the program passes its own import.
TEST(PaymentImport, TheModelTablePasses) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QString error;
    ASSERT_TRUE(writeImportModel(folder, &error)) << error.toStdString();
    EXPECT_FALSE(writeImportModel(folder, &error));
    EXPECT_TRUE(error.contains("model-import.csv"));
    const PaymentImport checked = readPaymentImport(folder.filePath("model-import.csv"),
                                                    store::OrdersFile(folder), lists(), kToday);
    EXPECT_EQ(checked.report(),
              (QStringList{"ROW 2 OK 1", "ROW 3 OK 2", "IMPORT accepted 2, refused 0"}));
    ASSERT_EQ(checked.rows.size(), 2);
    EXPECT_TRUE(checked.rows[0].document.op);
    EXPECT_FALSE(checked.rows[1].document.op);
}

}  // namespace
}  // namespace tavo
