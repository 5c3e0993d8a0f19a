// The real program killed (SIGKILL) at random moments while it brings a large
// ordine.txt of older lines up to date (`tavo list`) and while it saves a
// document into it (`tavo script`). After every kill ordine.txt is the old
// file or a whole new one, and the next start takes over the lock left
// behind, removes man.txt and loads every document.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "order_generator.h"
#include "tavo_run.h"
#include "text/text_file.h"

namespace {

constexpr int kDocuments = 20000;
// Half of the kills of `tavo list`, half of the save. A longer soak:
// TAVO_KILLS=2000 TAVO_KILL_SEED=7 ctest -R Kills.
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
};

TEST(Kills, OrdersFileIsAlwaysTheOldOrAWholeNewOne) {
    QTemporaryDir dir, scripts;
    const QDir folder(dir.path());
    const QString ordine = folder.filePath("ordine.txt");
    const QString man = folder.filePath("man.txt");
    const QString lock = folder.filePath("tavo.lock");
    const QString script = QDir(scripts.path()).filePath("save.txt");
    ASSERT_TRUE(crash::writeBytes(script,
                                  "type Introd.NrO 1\nclick Introd.B_start\n"
                                  "type Incarc.d1(1) 4242\nanswer yes\n"
                                  "click Incarc.but_exit\n"));
    const QStringList list{"list"}, save{"script", script};
    const QByteArray old = tavo::text::joinLines(tavo::bench::generateOrders(kDocuments, true));
    const QString loaded = QStringLiteral("(s-au incarcat %1 OP/FV-uri)").arg(kDocuments);

    // Whole runs first: the new files, and how long a run takes (the first
    // run also writes the reference texts, and is not timed).
    const auto whole = [&](const QStringList& arguments) {
        crash::writeBytes(ordine, old);
        QElapsedTimer timer;
        timer.start();
        const crash::Run run = crash::run(folder.path(), arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains("MSG")) << run.out.toStdString();
        return timer.nsecsElapsed() / 1000;
    };
    whole(list);
    const qint64 listTime = whole(list);
    const QByteArray updated = crash::readBytes(ordine);
    const qint64 saveTime = whole(save);
    const QByteArray saved = crash::readBytes(ordine);
    ASSERT_NE(updated, old);
    ASSERT_NE(saved, updated);

    std::mt19937 random(kSeed);
    Tally tallies[2];
    // How much slower than the timed runs the machine is now (other tests
    // running beside this one): the kills stay spread over the whole run.
    double slowdown = 1;
    for (int kill = 0; kill < kKills; ++kill) {
        const bool saving = kill % 2 == 1;
        ASSERT_TRUE(crash::writeBytes(ordine, old));
        const double duration = double(saving ? saveTime : listTime) * slowdown;
        std::uniform_int_distribution<qint64> delay(0, qint64(duration * 1.1));
        QProcess tavo;
        tavo.setStandardOutputFile(QProcess::nullDevice());
        crash::start(tavo, folder.path(), saving ? save : list);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid_t(tavo.processId()), SIGKILL);
        ASSERT_TRUE(tavo.waitForFinished(60000));

        const QByteArray left = crash::readBytes(ordine);
        ASSERT_TRUE(left == old || left == updated || (saving && left == saved))
            << "kill " << kill << " left an ordine.txt of " << left.size() << " bytes";
        Tally& tally = tallies[saving];
        if (QFile::exists(man))
            ++tally.during;
        else if (left == old)
            ++tally.before;
        else
            ++tally.after;
        tally.finished += tavo.exitStatus() == QProcess::NormalExit;
        tally.locks += QFile::exists(lock);

        QElapsedTimer timer;
        timer.start();
        const crash::Run next = crash::run(folder.path(), list);
        // From the old file it did what the timed `tavo list` did.
        if (left == old)
            slowdown = (slowdown + double(timer.nsecsElapsed() / 1000) / double(listTime)) / 2;
        ASSERT_EQ(next.exitCode, 0) << "after kill " << kill << ": " << next.err.toStdString();
        ASSERT_TRUE(next.lines().contains(loaded)) << "after kill " << kill;
        ASSERT_EQ(crash::readBytes(ordine), left == saved ? saved : updated);
        ASSERT_FALSE(QFile::exists(man)) << "after kill " << kill;
    }

    const char* names[] = {"tavo list  ", "tavo script"};
    for (int saving = 0; saving < 2; ++saving) {
        const Tally& t = tallies[saving];
        std::printf(
            "%s (%lld ms): %d kills: %d before, %d during, %d after the rewrite "
            "(%d had ended); %d stale locks taken over\n",
            names[saving], (saving ? saveTime : listTime) / 1000, t.before + t.during + t.after,
            t.before, t.during, t.after, t.finished, t.locks);
    }
    // Kills on both sides of the rename, or the test proved nothing.
    EXPECT_GT(tallies[0].before + tallies[1].before, 0);
    EXPECT_GT(tallies[0].after + tallies[1].after - tallies[0].finished - tallies[1].finished, 0);
}

}  // namespace
