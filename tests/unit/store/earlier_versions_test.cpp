#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../helpers.h"
#include "platform/file_links.h"
#include "store/earlier_versions.h"
#include "store/orders_file.h"
#include "text/text_file.h"

using namespace tavo::store;

namespace {

const QString kDoc =
    "1,45,%1,ALFA SRL,13548146,STR,RO49RNCB0089000000000001,,BUGET,4221306,"
    "RO61TREZ1315069XXX000000,,,IMPOZIT,15/01/2023,,,,,OP";
const QString kDocOlder = "2,47,1,GAMA,14818116,A,,,B,1,RO,,,O,17/01/2023,OP";

ordin documentWithAmount(int amount) {
    return ordin::fromLine(kDoc.arg(amount));
}

class EarlierVersionsTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    OrdersFile orders{QDir(dir.path())};
    EarlierVersions versions{QDir(dir.path())};

    void TearDown() override { qunsetenv("TAVO_FAULT_NO_HARD_LINKS"); }

    QString version(const QString& name) const { return QDir(versions.folder()).filePath(name); }
    static QByteArray bytes(const QString& path) { return tavo::readBytes(path); }
    QList<QByteArray> versionContents() const {
        QList<QByteArray> contents;
        for (const QString& name : versions.names()) contents.append(bytes(version(name)));
        return contents;
    }
};

// Each save keeps the file it replaces; the 30 newest stay, in the order of
// their names, whether linked or (without hard links) copied.
TEST_F(EarlierVersionsTest, KeepsTheNewestThirtyLinkedOrCopied) {
    struct Case {
        int saves;
        bool hardLinks;
    };
    for (const Case& c : {Case{2, true}, Case{31, true}, Case{31, false}}) {
        SCOPED_TRACE(testing::Message() << c.saves << " saves, hard links " << c.hardLinks);
        QDir(versions.folder()).removeRecursively();
        QFile::remove(orders.path());
        ASSERT_TRUE(QDir(dir.path()).mkpath("versiuni"));
        ASSERT_TRUE(tavo::text::writeSynced(version("nota.txt"), "a file of the user's"));
        if (!c.hardLinks)
            qputenv("TAVO_FAULT_NO_HARD_LINKS", "1");

        QList<QByteArray> replaced;
        // A second name of the file each save replaces, to know it again.
        const QString lastReplaced = QDir(dir.path()).filePath("replaced.txt");
        ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(0)));
        for (int save = 1; save <= c.saves; ++save) {
            replaced.append(bytes(orders.path()));
            QFile::remove(lastReplaced);
            ASSERT_TRUE(tavo::platform::hardLink(orders.path(), lastReplaced, nullptr));
            QString failure;
            ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(save), nullptr, &failure));
            ASSERT_EQ(failure, QString());
        }
        const qsizetype expected = std::min(c.saves, EarlierVersions::kept);
        EXPECT_EQ(versionContents(), replaced.mid(replaced.size() - expected));
        const QString newest = version(versions.names().back());
        EXPECT_EQ(tavo::platform::sameFile(newest, lastReplaced), c.hardLinks);
        EXPECT_EQ(bytes(version("nota.txt")), "a file of the user's");
        EXPECT_FALSE(QFile::exists(version(EarlierVersions::tempName)));
        qunsetenv("TAVO_FAULT_NO_HARD_LINKS");
    }
}

// A rewrite that changes nothing, or that replaces a file the newest version
// holds already (copied back by the user), pushes no version out.
TEST_F(EarlierVersionsTest, NoVersionForAnUnchangedFile) {
    ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(1)));
    ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(2)));
    ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(2)));
    EXPECT_EQ(versionContents(), QList<QByteArray>{tavo::text::joinLines({kDoc.arg(1)})});

    ASSERT_TRUE(QFile::remove(orders.path()));
    ASSERT_TRUE(QFile::copy(version(versions.names().back()), orders.path()));
    ASSERT_TRUE(orders.salvare_ordin(documentWithAmount(3)));
    EXPECT_EQ(versions.names().size(), 1);
}

// A version that cannot be kept (a file stands where its folder goes) is told,
// and the update of older lines goes through; for a save see
// tests/e2e/versions-not-kept.case.
TEST_F(EarlierVersionsTest, AVersionNotKeptDoesNotStopTheUpdate) {
    ASSERT_TRUE(tavo::text::writeSynced(versions.folder(), "a file"));
    const QByteArray before = tavo::text::joinLines({kDoc.arg(1), kDocOlder});
    ASSERT_TRUE(tavo::text::writeSynced(orders.path(), before));
    const LoadedList loaded = orders.incarcare_lista();
    EXPECT_EQ(loaded.rewriteError, QString());
    // The system's own words after the folder's name (strerror's on POSIX).
#ifdef Q_OS_WIN
    EXPECT_TRUE(loaded.versionFailure.startsWith("versiuni: ") &&
                loaded.versionFailure.size() > 10);
#else
    EXPECT_EQ(loaded.versionFailure, "versiuni: File exists");
#endif
    EXPECT_NE(bytes(orders.path()), before);
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("man.txt")));
}

}  // namespace
