#pragma once

#include <QDir>

namespace tavo::gui {

// Opens the windows on the working folder and runs until the main window closes.
int runDesktop(int argc, char** argv, const QDir& folder);

}  // namespace tavo::gui
