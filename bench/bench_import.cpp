// Times `tavo import` of a table of 10 000 payments (every row checked as the
// entry window checks it, then saved) against `tavo list` of a file of as
// many documents, both whole processes measured in the same run.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "order_generator.h"
#include "text/csv_table.h"
#include "text/text_file.h"
#include "timing.h"

namespace {

using tavo::bench::medianMs;

constexpr int kRows = 10000;

// A payroll's withheld taxes: one row a payment, amounts and objects varied.
QByteArray payrollTable() {
    QList<QStringList> table{{"nr_OP", "suma", "platitor", "CIF_platitor", "adresa_platitor",
                              "IBAN_platitor", "beneficiar", "CIF_beneficiar", "IBAN_beneficiar",
                              "reprezentand", "data_emiterii", "tip_doc"}};
    for (int n = 1; n <= kRows; ++n)
        table.append({QString::number(n), QStringLiteral("%1,%2").arg(n * 7).arg(n % 100),
                      "Găma SRL", "4221306", "STR. LUNGA 3 BRASOV", "RO29TREZ1315069XXX000001",
                      "BUGETUL DE STAT", "4221306", "RO86TREZ13120470101XXXXX",
                      QStringLiteral("IMPOZIT PE SALARII LUNA %1").arg(n % 12 + 1),
                      QStringLiteral("%1/2/2025").arg(n % 28 + 1), "OP"});
    return tavo::text::writeTable(table, tavo::text::TableFlavour::Excel);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    folder.mkpath("list");
    folder.mkpath("import");
    const QDir listFolder(folder.filePath("list"));
    const QDir importFolder(folder.filePath("import"));
    tavo::text::writeLines(listFolder.filePath("ordine.txt"), tavo::bench::generateOrders(kRows));
    QFile table(importFolder.filePath("plati.csv"));
    if (!table.open(QIODevice::WriteOnly) || table.write(payrollTable()) < 0)
        return 1;
    table.close();

    const QString tavo = QStringLiteral(TAVO_BINARY);
    // The first runs write the reference texts, untimed.
    tavo::bench::runProcess(tavo, {"--dir", listFolder.path(), "list"});
    tavo::bench::runProcess(tavo,
                            {"--dir", importFolder.path(), "import", "--dry-run", "plati.csv"});
    const double listMs = medianMs([&] {
        tavo::bench::runProcess(tavo, {"--dir", listFolder.path(), "list"});
    });
    const QString report = folder.filePath("report.txt");
    const double dryMs = medianMs([&] {
        tavo::bench::runProcess(tavo,
                                {"--dir", importFolder.path(), "import", "--dry-run", "plati.csv"});
    });
    const double importMs = medianMs(
        [&] {
            tavo::bench::runProcess(
                tavo, {"--dir", importFolder.path(), "import", "--yes", "plati.csv"}, report);
        },
        [&] {
            QFile::remove(importFolder.filePath("ordine.txt"));
            QDir(importFolder.filePath("versiuni")).removeRecursively();
        });
    QFile written(report);
    const bool saved =
        written.open(QIODevice::ReadOnly) &&
        written.readAll().contains(QByteArray("SAVED ") + QByteArray::number(kRows) + '\n');

    std::printf("%d rows, %d documents\n", kRows, kRows);
    std::printf("%-44s %9.1f ms\n", "tavo list", listMs);
    std::printf("%-44s %9.1f ms  %.2f of tavo list\n", "tavo import --dry-run (checks only)", dryMs,
                dryMs / listMs);
    std::printf("%-44s %9.1f ms  %.2f of tavo list%s\n", "tavo import --yes (checks and save)",
                importMs, importMs / listMs, saved ? "" : "; NOT ALL SAVED");
    return 0;
}
