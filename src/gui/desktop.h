#pragma once

#include <QDir>

namespace tavo::gui {

// Opens the windows on the working folder and runs until the main window closes.
int runDesktop(int argc, char** argv, const QDir& folder);

// Tells why the windows cannot open, in a message box, when there is a display.
void showStartError(int argc, char** argv, const QString& message);

}  // namespace tavo::gui
