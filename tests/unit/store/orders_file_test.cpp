#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "../helpers.h"
#include "store/line_shape.h"
#include "store/orders_file.h"
#include "text/text_file.h"

using namespace tavo::store;

namespace {

const QString kDoc1 =
    "1,45,1500.00,ALFA SRL,13548146,STR,RO49RNCB0089000000000001,,BUGET,4221306,"
    "RO61TREZ1315069XXX000000,,,IMPOZIT,15/01/2023,,,,,OP";
const QString kDoc2 =
    "2,46,200,BETA SRL,4221306,STR,,,DGFP,4221306,RO61TREZ,,,TAXA,16/01/2023,,,,,FV";
const QString kDoc3Old = "3,47,1,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,OP";

class OrdersFileTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    OrdersFile orders{QDir(dir.path())};

    QString path(const char* name) const { return QDir(dir.path()).filePath(name); }
    void writeRaw(const char* name, const QByteArray& bytes) {
        ASSERT_TRUE(tavo::text::writeSynced(path(name), bytes));
    }
    void writeLines(const QStringList& lines) {
        writeRaw("ordine.txt", tavo::text::joinLines(lines));
    }
    QByteArray bytes(const char* name) const { return tavo::readBytes(path(name)); }
};

TEST_F(OrdersFileTest, MissingAndEmptyFilesGiveNoDocuments) {
    EXPECT_FALSE(orders.incarcare_lista().fileExists);
    writeRaw("ordine.txt", QByteArray());
    EXPECT_FALSE(orders.incarcare_lista().fileExists);
    EXPECT_FALSE(QFile::exists(path("ordine.txt")));  // an empty file is deleted
    EXPECT_EQ(orders.citire(1).kind, Lookup::NoDocuments);
}

TEST_F(OrdersFileTest, LoadListsDocumentsAndTakesDefaultsFromTheLast) {
    writeLines({kDoc1, kDoc2, kDoc3Old});
    const LoadedList loaded = orders.incarcare_lista();
    EXPECT_EQ(loaded.items, QStringList({"    1,45,OP", "    2,46,FV", "    3,47,,,,,OP"}));
    EXPECT_EQ(loaded.CIF_curent, "14818116");
    EXPECT_EQ(loaded.data_curenta, "17/01/2023");
    // The next load shows the updated line like any other.
    EXPECT_EQ(orders.incarcare_lista().items.back(), "    3,47,OP");
}

TEST_F(OrdersFileTest, LoadNormalisesLineEndsAndKeepsAnUpToDateFileAsItIs) {
    writeRaw("ordine.txt", (kDoc1 + "\n" + kDoc2).toLatin1());
    orders.incarcare_lista();
    EXPECT_EQ(bytes("ordine.txt"), tavo::text::joinLines({kDoc1, kDoc2}));

    const QByteArray upToDate = tavo::text::joinLines({kDoc2, kDoc1});
    writeRaw("ordine.txt", upToDate);
    writeRaw("man.txt", "left by an interrupted run");
    orders.incarcare_lista();
    EXPECT_EQ(bytes("ordine.txt"), upToDate);
    EXPECT_FALSE(QFile::exists(path("man.txt")));
}

TEST_F(OrdersFileTest, ListsExactlyTheLinesOfAKnownShape) {
    // The byte scan against the shape test on random lines; ¬ (0xAC) is a
    // comma with its high bit set.
    std::mt19937 random(7);
    const QString alphabet = QString::fromUtf8("aaaa ¬ţ1");
    QStringList lines;
    QStringList expected;
    for (int i = 0; i < 400; ++i) {
        const int commas = 14 + int(random() % 7);  // 14 to 20
        QString line = QString::number(i + 1);
        for (int field = 0; field < commas; ++field) {
            line += ',';
            const int length = int(random() % 12);
            for (int k = 0; k < length; ++k) line += alphabet[int(random() % alphabet.size())];
            if (random() % 40 == 0)
                line += '#';
        }
        lines.append(line);
        if (knownShape(QStringView(line)) >= 0)
            expected.append(QString::number(i + 1));
    }
    writeLines(lines);
    QStringList listed;
    for (const QString& item : orders.incarcare_lista().items) {
        listed.append(item.section(',', 0, 0).trimmed());
    }
    EXPECT_EQ(listed, expected);
    EXPECT_GT(expected.size(), 100);
    EXPECT_LT(expected.size(), 300);
}

// A save creates the file, replaces in place or appends, and never writes over
// a line that is not a document.
TEST_F(OrdersFileTest, SaveReplacesInPlaceOrAppends) {
    ASSERT_TRUE(orders.salvare_ordin(ordin::fromLine(kDoc1)));
    EXPECT_EQ(bytes("ordine.txt"), tavo::text::joinLines({kDoc1}));

    ASSERT_TRUE(orders.salvare_ordin(ordin::fromLine(kDoc2)));
    ordin changed = ordin::fromLine(kDoc1);
    changed[suma] = "99.50";
    changed[nr_ordine] = "007";  // read as 7: a new number, appended in decimal form
    ASSERT_TRUE(orders.salvare_ordin(changed));
    changed[nr_ordine] = "1";
    ASSERT_TRUE(orders.salvare_ordin(changed));
    EXPECT_EQ(bytes("ordine.txt"),
              tavo::text::joinLines(
                  {changed.linie(), kDoc2, QString(changed.linie()).replace(0, 1, "7")}));

    writeLines({"1 not a document", kDoc2});
    ASSERT_TRUE(orders.salvare_ordin(ordin::fromLine(kDoc1)));
    EXPECT_EQ(bytes("ordine.txt"), tavo::text::joinLines({"1 not a document", kDoc2, kDoc1}));

    // Lines ended by LF alone: each is copied or replaced, ended by CR LF.
    writeRaw("ordine.txt", (kDoc1 + "\n" + kDoc2 + "\n").toLatin1());
    ASSERT_TRUE(orders.salvare_ordin(changed));
    EXPECT_EQ(bytes("ordine.txt"), tavo::text::joinLines({changed.linie(), kDoc2}));
}

// man.txt cannot be written: nothing changes.
TEST_F(OrdersFileTest, ARewriteThatCannotWriteLeavesTheOldFile) {
    writeLines({kDoc1, kDoc3Old});
    const QByteArray old = bytes("ordine.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir("man.txt"));
    QString error;
    EXPECT_FALSE(orders.salvare_ordin(ordin::fromLine(kDoc2), &error));
    // The system's own words after the file's name (strerror's on POSIX).
#ifdef Q_OS_WIN
    EXPECT_TRUE(error.startsWith("man.txt: ") && error.size() > 9) << error.toStdString();
#else
    EXPECT_EQ(error, "man.txt: Is a directory");
#endif
    const LoadedList loaded = orders.incarcare_lista();
    EXPECT_FALSE(loaded.rewriteError.isEmpty());
    EXPECT_EQ(loaded.items.size(), 2);
    EXPECT_EQ(bytes("ordine.txt"), old);
}

// Deleting with a copy is in tests/e2e/main-list.case.
TEST_F(OrdersFileTest, DeleteAllDeletesNothingWithoutAFileOrACopy) {
    EXPECT_EQ(orders.deleteAll(), OrdersFile::Deletion::NoFile);
    writeLines({kDoc1});
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordine_copie.txt"));
    EXPECT_EQ(orders.deleteAll(), OrdersFile::Deletion::Failed);
    EXPECT_TRUE(QFile::exists(path("ordine.txt")));
}

}  // namespace
