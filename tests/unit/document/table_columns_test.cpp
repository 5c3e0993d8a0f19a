// The column names of a table of payments.
#include "document/table_columns.h"

#include <gtest/gtest.h>

#include "store/field_names.h"
#include "store/ordin.h"

namespace tavo::document {
namespace {

TEST(TableColumns, NamesPeopleGiveColumns) {
    const struct {
        const char* name;
        TableColumn column;
    } cases[] = {
        {"suma", {TableColumn::Field, D1::suma}},
        {"PLATITI", {TableColumn::Field, D1::suma}},
        {"Plătiți lei", {TableColumn::Field, D1::suma}},
        {"CIF_beneficiar", {TableColumn::Field, D1::CIF_beneficiar}},
        {"Cod de identificare fiscală beneficiar", {TableColumn::Field, D1::CIF_beneficiar}},
        {" cod de identificare fiscala  BENEFICIAR ", {TableColumn::Field, D1::CIF_beneficiar}},
        {"Data emiterii", {TableColumn::Field, D1::data_emiterii}},
        {"Reprezentând", {TableColumn::Field, D1::reprezentand}},
        {"data_debitarii", {TableColumn::Field, D1::data_debitarii}},
        {"nr_ordine", {TableColumn::OrderNumber, -1}},
        {"TIP_DOC", {TableColumn::Type, -1}},
    };
    for (const auto& c : cases) {
        const auto column = columnNamed(QString::fromUtf8(c.name));
        ASSERT_TRUE(column) << c.name;
        EXPECT_EQ(*column, c.column) << c.name;
    }
    EXPECT_FALSE(columnNamed("IBAN"));
    EXPECT_FALSE(columnNamed(""));
}

// The exported header reads back as the 20 stored positions in order.
TEST(TableColumns, HeaderReadsBackInStoredOrder) {
    const HeaderReading reading = readHeader(tableHeader());
    ASSERT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    ASSERT_EQ(reading.columns.size(), store::numar_campuri);
    for (int position = 1; position <= store::numar_campuri; ++position)
        EXPECT_EQ(reading.columns[position - 1], columnAt(position)) << position;

    EXPECT_EQ(readHeader({"suma", "Banca"}).error, "Coloana necunoscuta: \"Banca\"");
    EXPECT_EQ(readHeader({"suma", "PLATITI"}).error, "Coloana repetata: \"PLATITI\"");
}

}  // namespace
}  // namespace tavo::document
