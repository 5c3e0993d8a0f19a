// Renders the windows to PNG files (offscreen), so that a developer can look
// at what a user sees: screenshots OUTPUT_FOLDER.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "gui/introd_view.h"
#include "gui/text_viewer.h"
#include "main_window/introd.h"
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
    ProgramState state;
    Introd model(folder, ui, state);
    gui::IntrodView view(model);
    model.start();
    view.refresh();
    bool ok = save(view, out, QStringLiteral("main-window"));

    model.Command4_Click();
    gui::TextViewer viewer(folder.filePath(QStringLiteral("dosar.txt")), false);
    viewer.setAttribute(Qt::WA_DeleteOnClose, false);
    ok = save(viewer, out, QStringLiteral("summary-viewer")) && ok;
    return ok ? 0 : 1;
}
