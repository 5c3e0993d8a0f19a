#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "../helpers.h"
#include "printing/payload.h"
#include "text/cp1250.h"

using namespace tavo::printing;
using tavo::D1;

namespace {

// A payment order with every field filled, each with a text of its own.
PayloadSource fullOrder() {
    PayloadSource doc;
    doc.d1 = tavo::fieldsOf<tavo::kD1Count>(
        "12,1234.50,ALFA SRL,14818116,Cluj-Napoca,RO49AAAA1B31007593840000,Sucursala A,"
        "BUGETUL DE STAT,4267117,RO24TREZ999650101XXXXXXX,Sucursala B,22910010000150323000029,"
        "Amenda PV 123,05/04/2024,AB12CD34EF5,IND,06/04/2024,1234567890");
    doc.BIC_platitor = QStringLiteral("AAAAROBU");
    doc.BIC_beneficiar = QStringLiteral("TREZROBU");
    return doc;
}

const QString kShortPart = QStringLiteral(
    "#12#,1234.50,#ALFA SRL#,14818116,#Cluj-Napoca#,#RO49AAAA1B31007593840000#,#AAAAROBU#,"
    "#BUGETUL DE STAT#,4267117,#RO24TREZ999650101XXXXXXX#,#TREZROBU#,22910010000150323000029,"
    "#Amenda PV 123#,05/04/2024");

}  // namespace

TEST(TextCB, FieldsSeparatorsAndTheLongForm) {
    struct Case {
        const char* name;
        std::function<void(PayloadSource&)> change;
        QString payload;
    } cases[] = {
        {"full order", [](PayloadSource&) {},
         kShortPart + ",#AB12CD34EF5#,#IND#,#1234567890#,06/04/2024"},
        {"commitment fields only blanks",
         [](PayloadSource& d) {
             for (int i = 14; i < 18; ++i) d.d1[i] = QStringLiteral("  ");
         },
         kShortPart},
        {"only the debit date",
         [](PayloadSource& d) {
             d.d1[D1::cod_angajament].clear();
             d.d1[D1::indicator_angajament].clear();
             d.d1[D1::cod_program].clear();
         },
         kShortPart + ",##,##,##,06/04/2024"},
        {"only the programme code",
         [](PayloadSource& d) {
             d.d1[D1::cod_angajament].clear();
             d.d1[D1::indicator_angajament].clear();
             d.d1[D1::data_debitarii].clear();
         },
         kShortPart + ",##,##,#1234567890#,"},
        {"only the indicator, kept as it stands",
         [](PayloadSource& d) {
             d.d1[D1::cod_angajament].clear();
             d.d1[D1::indicator_angajament] = QStringLiteral(" I ");
             d.d1[D1::data_debitarii].clear();
             d.d1[D1::cod_program].clear();
         },
         kShortPart + ",##,# I #,##,"},
    };
    for (auto& c : cases) {
        PayloadSource doc = fullOrder();
        c.change(doc);
        EXPECT_EQ(text_CB(doc), c.payload) << c.name;
    }
}

// The payloads of a payment order without commitment fields and of a deposit
// slip are in tests/e2e (print-listing-commands, print-command-line).
TEST(TextCB, EmptyDocument) {
    EXPECT_EQ(text_CB(PayloadSource{}), QStringLiteral("##,,##,,##,##,##,##,,##,##,,##,"));
}

TEST(TextCB, OnlyTheFirst70CharactersOfTheObject) {
    PayloadSource doc = fullOrder();
    const QString seventy = QString(69, QLatin1Char('x')) + QLatin1Char('y');
    for (const QString& object : {seventy, seventy + QStringLiteral("zzz")}) {
        doc.d1[D1::reprezentand] = object;
        EXPECT_TRUE(text_CB(doc).contains(QLatin1Char('#') + seventy + QStringLiteral("#,05/04")));
        EXPECT_FALSE(text_CB(doc).contains(QLatin1Char('z')));
    }
    EXPECT_EQ(doc.d1[D1::reprezentand].size(), 73);  // the document itself is not cut
}

TEST(ScrieOpcb, WritesThePayloadAsOneCp1250Line) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("OPCB.txt"));

    PayloadSource doc = fullOrder();
    doc.d1[D1::platitor] = QString::fromUtf8("ŞTEFĂNESCU ȘTEFAN");
    ASSERT_TRUE(scrie_OPCB(QDir(dir.path()), doc));
    const QByteArray bytes = tavo::readBytes(path);
    EXPECT_EQ(bytes, tavo::text::toCp1250(text_CB(doc)) + "\r\n");
    EXPECT_TRUE(bytes.contains("\xAA\x54\x45\x46\xC3NESCU \xAA"));  // Ş T E F Ă, Ș as Ş

    // Rewritten, not appended: a shorter payload leaves nothing of the first.
    PayloadSource small;
    ASSERT_TRUE(scrie_OPCB(QDir(dir.path()), small));
    EXPECT_EQ(tavo::readBytes(path), text_CB(small).toLatin1() + "\r\n");
    EXPECT_FALSE(QFile::exists(path + ".tmp"));
}

TEST(ScrieOpcb, ReportsAFolderThatCannotBeWritten) {
    QString error;
    EXPECT_FALSE(scrie_OPCB(QDir(QStringLiteral("/nonexistent/folder")), fullOrder(), &error));
    EXPECT_FALSE(error.isEmpty());
}
