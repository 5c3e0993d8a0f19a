#include "gui/desktop.h"

#include <QApplication>
#include <cstdio>

#include "gui/introd_view.h"
#include "gui/qt_ui.h"
#include "main_window/program.h"

namespace tavo::gui {

int runDesktop(int argc, char** argv, const QDir& folder) {
    QApplication app(argc, argv);
    QtUi ui(folder);
    Program program(folder, ui);
    IntrodView view(program.introd());
    ui.setParent(&view);
    if (!program.acquireWorkingFolder()) {
        std::fprintf(stderr, "%s\n", qPrintable(program.anotherCopyMessage()));
        return 1;
    }
    // Shown first, so that the messages of the start-up stand over the window.
    view.show();
    program.load();
    view.refresh();
    return app.exec();
}

}  // namespace tavo::gui
