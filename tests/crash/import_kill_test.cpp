// `tavo import --yes` killed at random moments: the folder holds the old
// ordine.txt or the old file with every accepted row, never a part of them,
// and the next start loads every document.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>

#include "order_generator.h"
#include "tavo_run.h"
#include "text/csv_table.h"
#include "text/text_file.h"

namespace {

constexpr int kStored = 20000;
constexpr int kRows = 2000;
const int kImportKills =
    qEnvironmentVariableIsSet("TAVO_KILLS") ? qEnvironmentVariableIntValue("TAVO_KILLS") : 30;

// A payroll's withheld tax, the same row many times with its own number.
QByteArray payrollTable(int rows) {
    QList<QStringList> table{{"nr_OP", "suma", "platitor", "CIF_platitor", "adresa_platitor",
                              "IBAN_platitor", "beneficiar", "CIF_beneficiar", "IBAN_beneficiar",
                              "reprezentand", "data_emiterii"}};
    for (int n = 1; n <= rows; ++n)
        table.append({QString::number(n), QStringLiteral("%1,50").arg(n), "GAMA SRL", "4221306",
                      "STR. LUNGA 3 BRASOV", "RO29TREZ1315069XXX000001", "BUGETUL DE STAT",
                      "4221306", "RO86TREZ13120470101XXXXX", "IMPOZIT PE SALARII", "10/02/2025"});
    return tavo::text::writeTable(table, tavo::text::TableFlavour::Excel);
}

TEST(ImportKills, OrdersFileIsTheOldOneOrHoldsEveryAcceptedRow) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString ordine = folder.filePath("ordine.txt");
    const QByteArray old = tavo::text::joinLines(tavo::bench::generateOrders(kStored));
    ASSERT_TRUE(tavo::writeBytes(folder.filePath("plati.csv"), payrollTable(kRows)));
    const QStringList import{"import", "plati.csv", "--yes"};
    const auto putOld = [&] {
        QFile::remove(ordine);
        return tavo::writeBytes(ordine, old);
    };

    // A whole run, timed, gives the file with every row.
    crash::run(folder.path(), {"list"});
    ASSERT_TRUE(putOld());
    QElapsedTimer timer;
    timer.start();
    const crash::Run whole = crash::run(folder.path(), import);
    const qint64 wholeTime = timer.nsecsElapsed() / 1000;
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    ASSERT_TRUE(whole.out.endsWith(QStringLiteral("SAVED %1\n").arg(kRows)));
    const QByteArray imported = tavo::readBytes(ordine);
    ASSERT_TRUE(imported.startsWith(old));
    ASSERT_EQ(imported.count("\r\n"), old.count("\r\n") + kRows);

    std::mt19937 random(20250214u);
    // Half the kills anywhere in the run, half near its end, where the rewrite is.
    std::uniform_int_distribution<qint64> anywhere(0, qint64(double(wholeTime) * 1.1));
    std::uniform_int_distribution<qint64> late(qint64(double(wholeTime) * 0.7),
                                               qint64(double(wholeTime) * 1.3));
    int before = 0, after = 0;
    const QString loaded = QStringLiteral("(s-au incarcat %1 OP/FV-uri)");
    for (int kill = 0; kill < kImportKills; ++kill) {
        ASSERT_TRUE(putOld());
        QProcess tavo;
        tavo.setStandardOutputFile(QProcess::nullDevice());
        crash::start(tavo, folder.path(), import);
        std::this_thread::sleep_for(
            std::chrono::microseconds(kill % 2 ? late(random) : anywhere(random)));
        ::kill(pid_t(tavo.processId()), SIGKILL);
        ASSERT_TRUE(tavo.waitForFinished(60000));

        const QByteArray left = tavo::readBytes(ordine);
        ASSERT_TRUE(left == old || left == imported)
            << "kill " << kill << " left an ordine.txt of " << left.size() << " bytes";
        (left == old ? before : after) += 1;
        const crash::Run next = crash::run(folder.path(), {"list"});
        ASSERT_EQ(next.exitCode, 0) << next.err.toStdString();
        ASSERT_TRUE(next.lines().contains(loaded.arg(left == old ? kStored : kStored + kRows)));
        ASSERT_FALSE(QFile::exists(folder.filePath("man.txt"))) << "after kill " << kill;
    }
    std::printf("tavo import (%lld ms): %d kills, %d before and %d after the rewrite\n",
                wholeTime / 1000, before + after, before, after);
    EXPECT_GT(before, 0);
    EXPECT_GT(after, 0);
}

}  // namespace
