// Renders the windows to PNG files (offscreen), so that a developer can look
// at what a user sees: screenshots OUTPUT_FOLDER.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "gui/text_viewer.h"
#include "gui/windows.h"
#include "main_window/program.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

using namespace tavo;

namespace {

bool save(QWidget& widget, const QDir& out, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    QTemporaryDir work;
    const QDir folder(work.path());
    text::writeLines(
        folder.filePath(QStringLiteral("ordine.txt")),
        {QStringLiteral("1,45,1500.00,SC ALFA CONSTRUCT SRL,13548146,STR. MARE 1 BRAŞOV,"
                        "RO49RNCB0089000000000001,BCR BRASOV,BUGETUL DE STAT,4221306,"
                        "RO61TREZ1315069XXX000000,,,IMPOZIT PROFIT,15/01/2023,,,,,OP"),
         QStringLiteral("2,46,200,ŞTEFĂNESCU ION,1800101220021,STR. MICA 2,,,BUGETUL LOCAL,"
                        "4221306,RO61TREZ1315069XXX000000,,,TAXA,16/01/2023,,,,,FV"),
         QStringLiteral("123456,47,75.50,SC BETA SA,14818116,STR. LUNGA 3,"
                        "RO49TREZ1315069XXX000001,,ADS,14818116,RO61TREZ1315069XXX000000,,,"
                        "REDEVENTA,17/01/2023,20/01/2023,,,,OP")});

    QStringList shown;
    ScriptedUi ui(folder, folder, [&](const QString& line) { shown.append(line); });
    Program program(folder, ui);
    gui::Windows windows(program);
    if (!program.start()) {
        std::fprintf(stderr, "the working folder is in use\n");
        return 1;
    }
    windows.update();
    bool ok = save(windows.introdView(), out, QStringLiteral("main-window"));

    program.introd().Command4_Click();
    gui::TextViewer viewer(folder.filePath(QStringLiteral("dosar.txt")), false);
    viewer.setAttribute(Qt::WA_DeleteOnClose, false);
    ok = save(viewer, out, QStringLiteral("summary-viewer")) && ok;

    // The entry window on a payment order, then on a deposit slip, each
    // opened with "Incărcare" and left without saving.
    const auto entry = [&](const QString& number, bool order, const QString& name) {
        program.introd().NrO = number;
        program.introd().Option_Click(order);
        program.introd().B_start_Click();
        windows.update();
        const bool saved = save(windows.incarcView(), out, name);
        ui.queueAnswer(QStringLiteral("no"));
        program.incarc().but_exit_Click();
        windows.update();
        return saved;
    };
    ok = entry(QStringLiteral("1"), true, QStringLiteral("entry-op")) && ok;
    ok = entry(QStringLiteral("2"), false, QStringLiteral("entry-fv")) && ok;
    for (const QString& line : shown) std::printf("%s\n", qPrintable(line));
    return ok ? 0 : 1;
}
