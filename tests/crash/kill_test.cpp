// `tavo list` (updating older lines) and `tavo script` (a save) killed at
// random moments, versions kept by hard links or copies: ordine.txt and every
// version stay whole, and the next start loads every document.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "order_generator.h"
#include "store/earlier_versions.h"
#include "tavo_run.h"
#include "text/text_file.h"

namespace {

constexpr int kDocuments = 20000;
// A longer soak: TAVO_KILLS=2000 TAVO_KILL_SEED=7 ctest -R Kills.
const int kKills =
    qEnvironmentVariableIsSet("TAVO_KILLS") ? qEnvironmentVariableIntValue("TAVO_KILLS") : 60;
const unsigned kSeed = qEnvironmentVariableIsSet("TAVO_KILL_SEED")
                           ? unsigned(qEnvironmentVariableIntValue("TAVO_KILL_SEED"))
                           : 20240601u;

// Where the kills landed, by what they left.
struct Tally {
    int before = 0;    // the old file, no man.txt
    int during = 0;    // man.txt being written
    int after = 0;     // a new file in place
    int finished = 0;  // of those after: the run had ended before the kill
    int locks = 0;     // tavo.lock left behind (taken over by the next start)
    int copying = 0;   // a version being copied (versiune.tmp left)
};

using tavo::store::EarlierVersions;

// A full versions folder: every version kept then removes the oldest.
QList<QByteArray> fillVersions(const QString& folder) {
    QList<QByteArray> contents;
    QDir().mkpath(folder);
    for (int n = 0; n < EarlierVersions::kept; ++n) {
        const QByteArray content = QByteArray::number(n) + ",an earlier file\r\n";
        const QString name =
            QStringLiteral("ordine-20000101-000000-%1.txt").arg(n, 3, 10, QLatin1Char('0'));
        tavo::writeBytes(QDir(folder).filePath(name), content);
        contents.append(content);
    }
    return contents;
}

// Every version (not the temporary copy) is one of `files` whole; at most 30.
testing::AssertionResult versionsAreWhole(const QString& folder, const QList<QByteArray>& files) {
    int count = 0;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        const QString path = it.next();
        if (it.fileName() == QLatin1String(EarlierVersions::tempName))
            continue;
        ++count;
        if (!files.contains(tavo::readBytes(path)))
            return testing::AssertionFailure() << qPrintable(it.fileName()) << " is no whole file";
    }
    if (count > EarlierVersions::kept)
        return testing::AssertionFailure() << count << " versions";
    return testing::AssertionSuccess();
}

class Kills : public testing::Test {
  protected:
    QTemporaryDir dir, scripts;
    const QDir folder{dir.path()};
    const QString ordine = folder.filePath("ordine.txt");
    const QString man = folder.filePath("man.txt");
    const QString lock = folder.filePath("tavo.lock");
    const QString versions = folder.filePath(EarlierVersions::folderName);
    const QString script = QDir(scripts.path()).filePath("save.txt");
    const QByteArray old = tavo::text::joinLines(tavo::bench::generateOrders(kDocuments, true));
    const QStringList list{"list"}, save{"script", script};
    const QStringList copies{"TAVO_FAULT_NO_HARD_LINKS=1"};

    void SetUp() override { ASSERT_TRUE(tavo::writeBytes(script, crash::kSaveScript)); }

    // A new file, not written over in place: the file in place may be a version.
    bool putOld() const {
        QFile::remove(ordine);
        return tavo::writeBytes(ordine, old);
    }

    // A whole run from the old file, timed (microseconds).
    qint64 whole(const QStringList& arguments, const QStringList& faults = {}) const {
        putOld();
        QElapsedTimer timer;
        timer.start();
        const crash::Run run = crash::run(folder.path(), arguments, {}, faults);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains("MSG")) << run.out.toStdString();
        return timer.nsecsElapsed() / 1000;
    }
};

TEST_F(Kills, OrdersFileIsAlwaysTheOldOrAWholeNewOne) {
    QList<QByteArray> files = fillVersions(versions);
    const QString loaded = QStringLiteral("(s-au incarcat %1 OP/FV-uri)").arg(kDocuments);
    // The first run also writes the reference texts, and is not timed. By
    // kind of run: list, save, list copying versions, save copying them.
    whole(list);
    const qint64 times[4] = {whole(list), whole(save), whole(list, copies), whole(save, copies)};
    const QByteArray saved = tavo::readBytes(ordine);
    whole(list);
    const QByteArray updated = tavo::readBytes(ordine);
    ASSERT_NE(updated, old);
    ASSERT_NE(saved, updated);
    files << old << updated << saved;
    ASSERT_TRUE(versionsAreWhole(versions, files));

    std::mt19937 random(kSeed);
    Tally tallies[2];
    // How much slower than the timed runs the machine is now (other tests
    // running beside this one): the kills stay spread over the whole run.
    double slowdown = 1;
    for (int kill = 0; kill < kKills; ++kill) {
        const int kind = kill % 4;
        const bool saving = kind % 2 == 1;
        ASSERT_TRUE(putOld());
        std::uniform_int_distribution<qint64> delay(0,
                                                    qint64(double(times[kind]) * slowdown * 1.1));
        QProcess tavo;
        tavo.setStandardOutputFile(QProcess::nullDevice());
        crash::start(tavo, folder.path(), saving ? save : list, kind >= 2 ? copies : QStringList());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid_t(tavo.processId()), SIGKILL);
        ASSERT_TRUE(tavo.waitForFinished(60000));

        const QByteArray left = tavo::readBytes(ordine);
        ASSERT_TRUE(left == old || left == updated || (saving && left == saved))
            << "kill " << kill << " left an ordine.txt of " << left.size() << " bytes";
        ASSERT_TRUE(versionsAreWhole(versions, files)) << "kill " << kill;
        Tally& tally = tallies[saving];
        if (QFile::exists(man))
            ++tally.during;
        else if (left == old)
            ++tally.before;
        else
            ++tally.after;
        tally.finished += tavo.exitStatus() == QProcess::NormalExit;
        tally.locks += QFile::exists(lock);
        tally.copying += QFile::exists(QDir(versions).filePath(EarlierVersions::tempName));

        QElapsedTimer timer;
        timer.start();
        const crash::Run next = crash::run(folder.path(), list);
        // From the old file it did what the timed `tavo list` did.
        if (left == old)
            slowdown = (slowdown + double(timer.nsecsElapsed() / 1000) / double(times[0])) / 2;
        ASSERT_EQ(next.exitCode, 0) << "after kill " << kill << ": " << next.err.toStdString();
        ASSERT_TRUE(next.lines().contains(loaded)) << "after kill " << kill;
        ASSERT_EQ(tavo::readBytes(ordine), left == saved ? saved : updated);
        ASSERT_FALSE(QFile::exists(man)) << "after kill " << kill;
        ASSERT_TRUE(versionsAreWhole(versions, files)) << "after kill " << kill;
    }

    const char* names[] = {"tavo list  ", "tavo script"};
    for (int saving = 0; saving < 2; ++saving) {
        const Tally& t = tallies[saving];
        std::printf(
            "%s (%lld ms): %d kills: %d before, %d during, %d after the rewrite "
            "(%d had ended); %d stale locks taken over; %d while copying a version\n",
            names[saving], times[saving] / 1000, t.before + t.during + t.after, t.before, t.during,
            t.after, t.finished, t.locks, t.copying);
    }
    // Kills on both sides of the rename, or the test proved nothing.
    EXPECT_GT(tallies[0].before + tallies[1].before, 0);
    EXPECT_GT(tallies[0].after + tallies[1].after - tallies[0].finished - tallies[1].finished, 0);
}

}  // namespace
