#include "gui/desktop.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <cstdio>

#include "gui/front_window_request.h"
#include "gui/qt_ui.h"
#include "gui/romanian.h"
#include "gui/window_places.h"
#include "gui/windows.h"
#include "main_window/program.h"
#include "platform/desktop.h"
#include "printing/shipped_fonts.h"

namespace tavo::gui {

int runDesktop(int argc, char** argv, const QDir& folder) {
    QApplication app(argc, argv);
    installRomanian(app);
    printing::loadShippedFonts();
#ifdef Q_OS_WIN
    // The windows in the face the form is drawn with, as on Linux: the
    // system's own may lack Romanian letters, or draw "Nr." as one sign.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    QApplication::setFont(font);
#endif
    QtUi ui(folder);
    Program program(folder, ui);
    if (!program.acquireWorkingFolder()) {
        // Started again from the menu: the running copy comes to the front.
        if (FrontWindowRequest::send(folder))
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(program.anotherCopyMessage()));
        return 1;
    }
    rememberWindowPlacesBetweenRuns();
    Windows windows(program, [&ui](QWidget* front) { ui.setParent(front); });
    // Made after the lock is taken and closed before it is let go, so that
    // its socket is never removed from under the next copy.
    FrontWindowRequest doorbell;
    QObject::connect(&doorbell, &FrontWindowRequest::frontWindowRequested, &app,
                     [&windows] { windows.bringToFront(); });
    doorbell.listen(folder);
    // Shown first, so that the messages of the start-up stand over the window.
    windows.introdView().show();
    program.load();
    windows.update();
    return app.exec();
}

void showStartError(int argc, char** argv, const QString& message) {
    if (!tavo::platform::displayPresent() || qgetenv("QT_QPA_PLATFORM") == "offscreen")
        return;  // no one would see the box, and it would wait for ever
    QApplication app(argc, argv);
    QMessageBox::critical(nullptr, QStringLiteral("TAVO"), message);
}

}  // namespace tavo::gui
