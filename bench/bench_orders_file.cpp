// Times the heavy paths of the orders file on 100 000 documents against `cp`
// of the same file, measured in the same run, and prints the ratios.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "main_window/program.h"
#include "order_generator.h"
#include "store/earlier_versions.h"
#include "store/orders_file.h"
#include "text/text_file.h"
#include "timing.h"
#include "ui/scripted_ui.h"

namespace {

using tavo::bench::medianMs;

constexpr int kDocuments = 100000;

void copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    if (!QFile::copy(from, to))
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(from));
}

// A save that changes a document, keeping the file it replaces as an earlier
// version: the versions folder full (30 versions, the oldest a file of its
// own that the save removes), as after months of use. And the same save with
// the versions folder blocked by a file, so that no version is kept: the
// save as it was without them.
struct VersionTimes {
    double keepMs = 0;
    double noKeepMs = 0;
    bool keptOne = false;  // the timed save did keep a version

    void print(double cpMs, double cpSyncMs) const {
        std::printf("%-44s %9.1f ms  ratio %.2f (%.2f of cp and sync)\n",
                    "salvare_ordin, changed, no version kept", noKeepMs, noKeepMs / cpMs,
                    noKeepMs / cpSyncMs);
        std::printf("%-44s %9.1f ms  ratio %.2f (%.2f of cp and sync; %.2f of no version%s)\n",
                    "salvare_ordin, changed, keeping a version", keepMs, keepMs / cpMs,
                    keepMs / cpSyncMs, keepMs / noKeepMs, keptOne ? "" : "; NONE KEPT");
    }
};

VersionTimes timeVersionKeeping(const tavo::store::OrdersFile& file, const QDir& folder,
                                tavo::store::ordin document, const QString& older) {
    using tavo::store::EarlierVersions;
    document[tavo::store::suma] = QStringLiteral("123.45");
    const QString current = folder.filePath("current.txt");
    const QString versions = folder.filePath(EarlierVersions::folderName);
    const auto fillVersions = [&] {
        QDir(versions).removeRecursively();
        QDir().mkpath(versions);
        for (int n = 0; n < EarlierVersions::kept; ++n) {
            const QString name = QDir(versions).filePath(
                QStringLiteral("ordine-20000101-000000-%1.txt").arg(n, 3, 10, QLatin1Char('0')));
            if (n == 0 || !tavo::text::linkFile(older, name))
                copyFile(older, name);
        }
    };
    VersionTimes times;
    times.keepMs = medianMs([&] { file.salvare_ordin(document); },
                            [&] {
                                copyFile(current, file.path());
                                fillVersions();
                            });
    const QStringList names = EarlierVersions(folder).names();
    times.keptOne = names.size() == EarlierVersions::kept &&
                    !names.back().startsWith(QLatin1String("ordine-2000"));
    QDir(versions).removeRecursively();
    tavo::text::writeSynced(versions, "blocked");
    times.noKeepMs =
        medianMs([&] { file.salvare_ordin(document); }, [&] { copyFile(current, file.path()); });
    QFile::remove(versions);
    return times;
}

// The same through the windows: "Incărcare" on the last document until
// the entry window is filled, and "Iesire" with Yes to "Salvati ?" after
// an edit (the save, then the main list shown again).
struct WindowTimes {
    double openMs = 0;
    bool filled = false;
    double exitMs = 0;
};

WindowTimes timeWindows(const QDir& folder) {
    tavo::ScriptedUi ui(folder, folder, [](const QString&) {});
    tavo::Program program(folder, ui);
    program.start();
    tavo::Incarc& entry = program.incarc();
    WindowTimes times;
    times.openMs = medianMs([&] { program.introd().B_start_Click(); },
                            [&] {
                                program.introd().visible = true;
                                program.introd().NrO = QString::number(kDocuments);
                            });
    times.filled = entry.visible && !entry.d1[tavo::D1::platitor].isEmpty();
    times.exitMs = medianMs([&] { entry.but_exit_Click(); },
                            [&] {
                                program.introd().B_start_Click();
                                entry.d1[tavo::D1::reprezentand] =
                                    QStringLiteral("OBIECT MODIFICAT");
                                ui.queueAnswer(QStringLiteral("yes"));
                            });
    return times;
}

// `tavo list` as a whole process (start-up, loading the list, printing
// every item) on a copy of `current` in a folder of its own; `lines` the
// lines it printed.
double timeTavoList(const QDir& folder, const QString& current, qsizetype* lines) {
    const QString listFolder = folder.filePath("list");
    folder.mkpath("list");
    copyFile(current, QDir(listFolder).filePath("ordine.txt"));
    const QString listed = folder.filePath("listed.txt");
    const double listMs = medianMs([&] {
        tavo::bench::runProcess(QStringLiteral(TAVO_BINARY), {"--dir", listFolder, "list"}, listed);
    });
    QFile file(listed);
    *lines = file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
    return listMs;
}

// `tavo export` of every document of the same copy as `tavo list` (folder
// "list"), as a whole process, in the given format.
double timeTavoExport(const QDir& folder, const char* format) {
    const QString listFolder = folder.filePath("list");
    return medianMs([&] {
        tavo::bench::runProcess(QStringLiteral(TAVO_BINARY),
                                {"--dir", listFolder, "export", "export.csv", "--format", format});
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString orders = folder.filePath("ordine.txt");
    const QString current = folder.filePath("current.txt");
    const QString older = folder.filePath("older.txt");
    tavo::text::writeLines(current, tavo::bench::generateOrders(kDocuments));
    tavo::text::writeLines(older, tavo::bench::generateOrders(kDocuments, true));
    const qint64 bytes = QFileInfo(current).size();

    const double cpMs = medianMs([&] {
        QProcess::execute("cp", {current, folder.filePath("cp-copy.txt")});
    });

    // Every rewrite of ordine.txt is synced to disk; cp is not. This second
    // baseline shows the floor of any safe rewrite of a file of this size.
    const double cpSyncMs = medianMs([&] {
        QProcess::execute("sh", {"-c", "cp \"$0\" \"$1\" && sync \"$1\"", current,
                                 folder.filePath("cp-sync-copy.txt")});
    });

    tavo::store::OrdersFile file(folder);
    qsizetype items = 0;
    const double loadMs = medianMs([&] { items = file.incarcare_lista().items.size(); },
                                   [&] { copyFile(current, orders); });
    const double loadOlderMs =
        medianMs([&] { file.incarcare_lista(); }, [&] { copyFile(older, orders); });
    const auto document =
        tavo::store::ordin::fromLine(tavo::bench::generateOrders(kDocuments / 2).back());
    const double saveMs =
        medianMs([&] { file.salvare_ordin(document); }, [&] { copyFile(current, orders); });

    const VersionTimes versionTimes = timeVersionKeeping(file, folder, document, older);

    copyFile(current, orders);
    const WindowTimes windows = timeWindows(folder);
    // `tavo list` is weighed against cp and sync, all run as processes.
    qsizetype listedLines = 0;
    const double listMs = timeTavoList(folder, current, &listedLines);
    const double exportExcelMs = timeTavoExport(folder, "excel");
    const double exportCsvMs = timeTavoExport(folder, "csv");

    std::printf("ordine.txt: %d documents, %.1f MB (%lld items listed)\n", kDocuments,
                double(bytes) / 1e6, static_cast<long long>(items));
    std::printf("%-44s %9.1f ms\n", "cp of the same file (baseline)", cpMs);
    std::printf("%-44s %9.1f ms  ratio %.2f\n", "cp and sync of the copy", cpSyncMs,
                cpSyncMs / cpMs);
    std::printf("%-44s %9.1f ms  ratio %.2f\n", "incarcare_lista, file up to date", loadMs,
                loadMs / cpMs);
    std::printf("%-44s %9.1f ms  ratio %.2f\n", "incarcare_lista, half older lines (rewrite)",
                loadOlderMs, loadOlderMs / cpMs);
    std::printf("%-44s %9.1f ms  ratio %.2f (%.2f of cp and sync)\n",
                "salvare_ordin of one document (rewrite)", saveMs, saveMs / cpMs,
                saveMs / cpSyncMs);
    versionTimes.print(cpMs, cpSyncMs);
    std::printf("%-44s %9.1f ms  (%s)\n", "Incarcare: entry window filled, last document",
                windows.openMs, windows.filled ? "filled" : "NOT FILLED");
    std::printf("%-44s %9.1f ms  ratio %.2f (%.2f of cp and sync)\n",
                "Iesire: save of an edited document + list", windows.exitMs, windows.exitMs / cpMs,
                windows.exitMs / cpSyncMs);
    std::printf("%-44s %9.1f ms  ratio %.2f (%.2f of cp and sync; %lld lines)\n",
                "tavo list, file up to date (whole process)", listMs, listMs / cpMs,
                listMs / cpSyncMs, static_cast<long long>(listedLines));
    std::printf("%-44s %9.1f ms  %.2f of tavo list\n", "tavo export, every document, excel",
                exportExcelMs, exportExcelMs / listMs);
    std::printf("%-44s %9.1f ms  %.2f of tavo list\n", "tavo export, every document, csv",
                exportCsvMs, exportCsvMs / listMs);
    return 0;
}
