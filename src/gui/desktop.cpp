#include "gui/desktop.h"

#include <QApplication>

namespace tavo::gui {

int runDesktop(int argc, char** argv, const QDir& /*folder*/) {
    QApplication app(argc, argv);
    return 0;
}

}  // namespace tavo::gui
