// A full disk or a read-only folder met by a save and by the update of older lines.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tavo_run.h"
#include "text/text_file.h"

namespace {

const QString kDoc1 =
    "1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO49RNCB0089000000000001,BCR BRASOV,"
    "BUGETUL DE STAT,4221306,RO61TREZ1315069XXX000000,TREZ BRASOV,,IMPOZIT "
    "PROFIT,15/01/2023,,,,,OP";
const QString kDoc2 =
    "2,46,200,BETA SRL,4221306,STR. MICA 2,,,BUGETUL DE STAT,4221306,RO61TREZ1315069XXX000000,,,"
    "TAXA,16/01/2023,,,,,FV";
// The same document as an earlier version wrote it: no fields after the date.
const QString kDoc2Older =
    "2,46,200,BETA SRL,4221306,STR. MICA 2,,,BUGETUL DE STAT,4221306,RO61TREZ1315069XXX000000,,,"
    "TAXA,16/01/2023,FV";

QString saveFailed(const QString& why) {
    return "MSG exclamation||OP/FV-ul NU a fost salvat: fisierul 'ordine.txt' nu a putut fi "
           "scris (" +
           why + "). Datele au ramas in macheta; incercati din nou.";
}

QString updateFailed(const QString& why) {
    return "MSG exclamation||Fisierul 'ordine.txt' nu a putut fi actualizat (" + why +
           "). Datele din fisier au ramas neschimbate.";
}

// The file once document 1 is saved with the amount of crash::kSaveScript.
const QByteArray kSaved =
    tavo::text::joinLines({QString(kDoc1).replace(",1500.00,", ",4242,"), kDoc2});

class FileFaults : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return QDir(dir.path()).filePath(name); }

    QByteArray writeOrders(const QStringList& lines) {
        const QByteArray bytes = tavo::text::joinLines(lines);
        EXPECT_TRUE(tavo::writeBytes(path("ordine.txt"), bytes));
        return bytes;
    }
};

// The user is told, ordine.txt and the typed document stay, no man.txt is
// left; with room again the same save goes through.
TEST_F(FileFaults, ASaveThatFailsKeepsFileAndDocument) {
    const QString noSpace = "man.txt: No space left on device",
                  denied = "man.txt: Permission denied";
    const struct {
        const char* name;
        QString second;  // ordine.txt's second line
        bool readOnly;   // else a full disk
        QStringList messages;
    } rows[] = {
        {"full disk, a save", kDoc2, false, {saveFailed(noSpace)}},
        {"full disk, older lines", kDoc2Older, false, {updateFailed(noSpace), saveFailed(noSpace)}},
        {"read-only folder", kDoc2Older, true, {updateFailed(denied), saveFailed(denied)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray before = writeOrders({kDoc1, row.second});
        QStringList faults{QStringLiteral("TAVO_FAULT_WRITE_AFTER=%1").arg(before.size() / 2)};
        // Root writes anyway: there the file layer is told to fail as the folder would.
        if (row.readOnly && geteuid() == 0)
            faults = QStringList{"TAVO_FAULT_READ_ONLY=1"};
        else if (row.readOnly) {
            ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
        }
        const crash::Run run =
            crash::run(dir.path(), {"script"}, crash::kSaveScript + "show Incarc\n", faults);
        const crash::Run listed = crash::run(dir.path(), {"list"}, {}, faults);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        EXPECT_EQ(run.lines().filter(QRegularExpression("^MSG ")), row.messages)
            << run.out.toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.lines().contains("d1(1)=4242")) << run.out.toStdString();
        EXPECT_EQ(tavo::readBytes(path("ordine.txt")), before);
        EXPECT_FALSE(QFile::exists(path("man.txt")));
        EXPECT_TRUE(listed.lines().contains("(s-au incarcat 2 OP/FV-uri)"))
            << listed.out.toStdString();

        const crash::Run saved = crash::run(dir.path(), {"script"}, crash::kSaveScript);
        EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        EXPECT_EQ(tavo::readBytes(path("ordine.txt")), kSaved);
    }
}

// Room for the new (shorter) file but not for a copy of the old one: the save
// goes through and no half copy is left as a version.
TEST_F(FileFaults, AFullDiskDuringTheCopyOfAVersionStillSaves) {
    const QByteArray before = writeOrders({kDoc1, kDoc2});
    const QStringList faults{QStringLiteral("TAVO_FAULT_WRITE_AFTER=%1").arg(before.size() - 1),
                             QStringLiteral("TAVO_FAULT_NO_HARD_LINKS=1")};
    const crash::Run run = crash::run(dir.path(), {"script"}, crash::kSaveScript, faults);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.lines().contains(
        "MSG exclamation||Fisierul 'ordine.txt' a fost scris, dar versiunea lui anterioara nu a "
        "putut fi pastrata in dosarul 'versiuni' (versiuni/versiune.tmp: No space left on "
        "device)."))
        << run.out.toStdString();
    EXPECT_EQ(tavo::readBytes(path("ordine.txt")), kSaved);
    EXPECT_EQ(QDir(path("versiuni")).entryList(QDir::Files), QStringList());
}

}  // namespace
