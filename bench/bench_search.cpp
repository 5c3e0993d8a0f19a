// Times the search of the main window over 100 000 documents (a word typed
// letter by letter, and fresh searches) against `grep -F -i -c` of the same
// file, and the main window showing those documents against `tavo list` on
// the same folder, run as a whole process. Both measured in the same run.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "gui/introd_view.h"
#include "main_window/introd.h"
#include "order_generator.h"
#include "store/orders_file.h"
#include "text/text_file.h"
#include "timing.h"
#include "ui/scripted_ui.h"

namespace {

using tavo::bench::medianMs;
using tavo::bench::runProcess;

constexpr int kDocuments = 100000;
constexpr double kKeystrokeBudgetMs = 30;

void printFigure(const char* what, double ms, double baselineMs, const char* baseline) {
    std::printf("%-52s %8.2f ms  ratio %.2f of %s\n", what, ms, ms / baselineMs, baseline);
}

// The word typed letter by letter in the model: the slowest keystroke and the average.
void timeTyping(tavo::Introd& model, const QString& word, double grepMs) {
    double slowest = 0;
    double total = 0;
    for (qsizetype letters = 1; letters <= word.size(); ++letters) {
        const double ms = medianMs(
            [&] {
                model.Cauta = word.left(letters);
                model.Cauta_Change();
            },
            [&] {
                // Each keystroke narrows the result of the one before it.
                model.Cauta = word.left(letters - 1);
                model.Cauta_Change();
            });
        slowest = std::max(slowest, ms);
        total += ms;
    }
    const QByteArray what = QStringLiteral("typing \"%1\", slowest keystroke").arg(word).toUtf8();
    printFigure(what.constData(), slowest, kKeystrokeBudgetMs, "30 ms");
    printFigure("  average keystroke", total / double(word.size()), kKeystrokeBudgetMs, "30 ms");
    std::printf("  (%lld documents hold it; grep -F -i -c: %.2f ms)\n",
                static_cast<long long>(model.Ordine.size()), grepMs);
}

// A text that does not extend the previous one: the whole list is scanned.
void timeFreshSearch(tavo::Introd& model, const QString& text, const QString& orders) {
    const double ms = medianMs(
        [&] {
            model.Cauta = text;
            model.Cauta_Change();
        },
        [&] {
            model.Cauta = QStringLiteral("#");
            model.Cauta_Change();
        });
    const double grepMs = medianMs([&] { runProcess("grep", {"-F", "-i", "-c", text, orders}); });
    const QByteArray what = QStringLiteral("fresh search \"%1\" (%2 found)")
                                .arg(text)
                                .arg(model.Ordine.size())
                                .toUtf8();
    printFigure(what.constData(), ms, grepMs, "grep -F -i -c");
}

// The main window on a folder: its model loaded, its view shown.
struct ShownMainWindow {
    explicit ShownMainWindow(const QDir& folder)
        : ui(folder, folder, [](const QString&) {}), model(folder, ui, state), view(model) {
        model.start();
        view.refresh();
        view.show();
    }

    tavo::ScriptedUi ui;
    tavo::ProgramState state;
    tavo::Introd model;
    tavo::gui::IntrodView view;
};

// The main window made, loaded and shown until the window system shows it.
double timeMainWindow(const QDir& folder, int* listed) {
    return medianMs([&] {
        ShownMainWindow window(folder);
        while (!window.view.windowHandle() || !window.view.windowHandle()->isExposed())
            QApplication::processEvents();
        QApplication::processEvents();
        *listed = window.view.findChild<QComboBox*>(QStringLiteral("Ordine"))->count();
    });
}

// A keystroke in the window's search field: the search and the list shown again.
double timeWindowKeystroke(const QDir& folder, const QString& word) {
    ShownMainWindow window(folder);
    auto* field = window.view.findChild<QLineEdit*>(QStringLiteral("Cauta"));
    double slowest = 0;
    for (qsizetype letters = 1; letters <= word.size(); ++letters) {
        slowest = std::max(slowest, medianMs(
                                        [&] {
                                            field->setText(word.left(letters));
                                            QApplication::processEvents();
                                        },
                                        [&] {
                                            field->setText(word.left(letters - 1));
                                            QApplication::processEvents();
                                        }));
    }
    return slowest;
}

}  // namespace

int main(int argc, char** argv) {
    tavo::bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString orders = folder.filePath(QLatin1String(tavo::store::OrdersFile::fileName));
    tavo::text::writeLines(orders, tavo::bench::generateOrders(kDocuments));
    std::printf("ordine.txt: %d documents, %.1f MB\n", kDocuments,
                double(QFileInfo(orders).size()) / 1e6);

    {
        tavo::ScriptedUi ui(folder, folder, [](const QString&) {});
        tavo::ProgramState state;
        tavo::Introd model(folder, ui, state);
        model.start();
        const QString word = QStringLiteral("popescu");
        timeTyping(model, word, medianMs([&] {
                       runProcess("grep", {"-F", "-i", "-c", word, orders});
                   }));
        for (const char* text : {"4221306", "tva de plata", "1234", "nicaieri"})
            timeFreshSearch(model, QString::fromLatin1(text), orders);
    }

    int listed = 0;
    const double windowMs = timeMainWindow(folder, &listed);
    const double listMs = medianMs([&] {
        runProcess(TAVO_BINARY, {"--dir", folder.path(), "list"});
    });
    std::printf("%-52s %8.2f ms\n", "tavo list, whole process (baseline)", listMs);
    printFigure("main window shown (IntrodView, offscreen)", windowMs, listMs, "tavo list");
    std::printf("  (%d items in the window's list)\n", listed);
    printFigure("keystroke in the window's Cauta (\"popescu\", slowest)",
                timeWindowKeystroke(folder, QStringLiteral("popescu")), kKeystrokeBudgetMs,
                "30 ms");
    return 0;
}
