// A full disk or a folder the user may not write, met by a save and by the
// update of older lines at the start: ordine.txt stays byte for byte, no
// man.txt is left, the user is told, and the document typed stays in the
// entry window. A full disk met only by the copy of an earlier version does
// not stop the save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
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

// Opens document 1, types a new amount and saves on leaving; then shows the
// entry window (which fails when the window is closed).
const QByteArray kSaveScript =
    "type Introd.NrO 1\nclick Introd.B_start\ntype Incarc.d1(1) 4242\n"
    "answer yes\nclick Incarc.but_exit\nshow Incarc\n";

QString saveFailed(const QString& why) {
    return "MSG exclamation||OP/FV-ul NU a fost salvat: fisierul 'ordine.txt' nu a putut fi "
           "scris (" +
           why + "). Datele au ramas in macheta; incercati din nou.";
}

QString updateFailed(const QString& why) {
    return "MSG exclamation||Fisierul 'ordine.txt' nu a putut fi actualizat (" + why +
           "). Datele din fisier au ramas neschimbate.";
}

class FileFaults : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return QDir(dir.path()).filePath(name); }

    QByteArray writeOrders(const QStringList& lines) {
        const QByteArray bytes = tavo::text::joinLines(lines);
        EXPECT_TRUE(crash::writeBytes(path("ordine.txt"), bytes));
        return bytes;
    }

    // The save script met the fault: what it shows, and what it leaves.
    void expectNothingLost(const crash::Run& run, const QByteArray& before,
                           const QStringList& messages) {
        QStringList shown;
        for (const QString& line : run.lines()) {
            if (line.startsWith(QLatin1String("MSG ")))
                shown.append(line);
        }
        EXPECT_EQ(shown, messages) << run.out.toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.lines().contains("d1(1)=4242")) << run.out.toStdString();
        EXPECT_EQ(crash::readBytes(path("ordine.txt")), before);
        EXPECT_FALSE(QFile::exists(path("man.txt")));
    }
};

TEST_F(FileFaults, AFullDiskDuringASaveKeepsFileAndDocument) {
    const QByteArray before = writeOrders({kDoc1, kDoc2});
    const QString full = QStringLiteral("TAVO_FAULT_WRITE_AFTER=%1").arg(before.size() / 2);
    expectNothingLost(crash::run(dir.path(), {"script"}, kSaveScript, {full}), before,
                      {saveFailed("man.txt: No space left on device")});

    // Room again: the same save goes through.
    const crash::Run saved = crash::run(dir.path(), {"script"}, kSaveScript);
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(crash::readBytes(path("ordine.txt")),
              tavo::text::joinLines({QString(kDoc1).replace(",1500.00,", ",4242,"), kDoc2}));
}

TEST_F(FileFaults, AFullDiskDuringTheUpdateOfOlderLinesKeepsTheFile) {
    const QByteArray before = writeOrders({kDoc1, kDoc2Older});
    const QString full = QStringLiteral("TAVO_FAULT_WRITE_AFTER=%1").arg(before.size() / 2);
    const QString why = QStringLiteral("man.txt: No space left on device");
    expectNothingLost(crash::run(dir.path(), {"script"}, kSaveScript, {full}), before,
                      {updateFailed(why), saveFailed(why)});

    // `tavo list` still lists both documents, and the next start updates the file.
    const crash::Run listed = crash::run(dir.path(), {"list"}, {}, {full});
    EXPECT_TRUE(listed.lines().contains("(s-au incarcat 2 OP/FV-uri)")) << listed.out.toStdString();
    crash::run(dir.path(), {"list"});
    EXPECT_EQ(crash::readBytes(path("ordine.txt")), tavo::text::joinLines({kDoc1, kDoc2}));
}

// A disk without hard links with room for the new file (shorter) but not for
// a copy of the old one: the save goes through, the user is told, and no
// half copy is left as a version.
TEST_F(FileFaults, AFullDiskDuringTheCopyOfAVersionStillSaves) {
    const QByteArray before = writeOrders({kDoc1, kDoc2});
    const QStringList faults{QStringLiteral("TAVO_FAULT_WRITE_AFTER=%1").arg(before.size() - 1),
                             QStringLiteral("TAVO_FAULT_NO_HARD_LINKS=1")};
    const crash::Run run = crash::run(dir.path(), {"script"}, kSaveScript, faults);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.lines().contains(
        "MSG exclamation||Fisierul 'ordine.txt' a fost scris, dar versiunea lui anterioara nu a "
        "putut fi pastrata in dosarul 'versiuni' (versiuni/versiune.tmp: No space left on "
        "device)."))
        << run.out.toStdString();
    EXPECT_EQ(crash::readBytes(path("ordine.txt")),
              tavo::text::joinLines({QString(kDoc1).replace(",1500.00,", ",4242,"), kDoc2}));
    EXPECT_EQ(QDir(path("versiuni")).entryList(QDir::Files), QStringList());
}

TEST_F(FileFaults, AReadOnlyFolderKeepsFileAndDocument) {
    const QByteArray before = writeOrders({kDoc1, kDoc2Older});
    // Root writes anyway: there the file layer is told to fail as the folder would.
    QStringList faults;
    if (geteuid() == 0)
        faults.append(QStringLiteral("TAVO_FAULT_READ_ONLY=1"));
    else
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const crash::Run run = crash::run(dir.path(), {"script"}, kSaveScript, faults);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString why = QStringLiteral("man.txt: Permission denied");
    expectNothingLost(run, before, {updateFailed(why), saveFailed(why)});
}

}  // namespace
