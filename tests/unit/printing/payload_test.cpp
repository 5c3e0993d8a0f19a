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
const QString kLongPart = QStringLiteral(",#AB12CD34EF5#,#IND#,#1234567890#,06/04/2024");

}  // namespace

TEST(TextCB, FieldsSeparatorsAndTheLongForm) {
    struct Case {
        const char* name;
        std::function<void(PayloadSource&)> change;
        QString payload;
    } cases[] = {
        {"full order", [](PayloadSource&) {}, kShortPart + kLongPart},
        {"object cut after its 70th character",
         [](PayloadSource& d) { d.d1[D1::reprezentand] = QString(70, 'x') + "zzz"; },
         QString(kShortPart).replace("Amenda PV 123", QString(70, 'x')) + kLongPart},
        {"empty document", [](PayloadSource& d) { d = PayloadSource{}; },
         "##,,##,,##,##,##,##,,##,##,,##,"},
    };
    for (auto& c : cases) {
        PayloadSource doc = fullOrder();
        c.change(doc);
        EXPECT_EQ(text_CB(doc), c.payload) << c.name;
    }
    // One of the commitment fields kept, the others emptied: the long form
    // with the others empty, unless what is kept is only blanks.
    const struct {
        D1 kept;
        QString value, tail;
    } commitment[] = {
        {D1::data_debitarii, "06/04/2024", ",##,##,##,06/04/2024"},
        {D1::cod_program, "1234567890", ",##,##,#1234567890#,"},
        {D1::indicator_angajament, " I ", ",##,# I #,##,"},
        {D1::cod_angajament, "  ", ""},
    };
    for (const auto& c : commitment) {
        PayloadSource doc = fullOrder();
        for (int i = D1::cod_angajament; i <= D1::cod_program; ++i) doc.d1[i].clear();
        doc.d1[c.kept] = c.value;
        EXPECT_EQ(text_CB(doc), kShortPart + c.tail) << c.kept;
    }
}

TEST(ScrieOpcb, WritesThePayloadAsOneCp1250Line) {
    QTemporaryDir dir;
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

    QString error;
    EXPECT_FALSE(scrie_OPCB(QDir(dir.filePath("none")), fullOrder(), &error));
    EXPECT_FALSE(error.isEmpty());
}
