#include "gui/desktop.h"

#include <QApplication>
#include <cstdio>

#include "gui/introd_view.h"
#include "gui/qt_ui.h"
#include "main_window/introd.h"
#include "main_window/running_copy.h"
#include "store/program_state.h"

namespace tavo::gui {

int runDesktop(int argc, char** argv, const QDir& folder) {
    QApplication app(argc, argv);
    RunningCopy runningCopy;
    if (!runningCopy.acquire(folder)) {
        std::fprintf(stderr, "tavo: another copy of the program is working in %s\n",
                     qPrintable(folder.absolutePath()));
        return 1;
    }
    ProgramState state;
    QtUi ui(folder);
    Introd model(folder, ui, state);
    IntrodView view(model);
    ui.setParent(&view);
    view.show();
    model.start();
    view.refresh();
    return app.exec();
}

}  // namespace tavo::gui
