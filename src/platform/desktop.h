#pragma once

#include <QString>

namespace tavo::platform {

// Whether the session has a display a window could be shown on. On Windows
// always.
bool displayPresent();

// The working folder of a run given none (no --dir): the current folder.
// `desktop`: the run opens the windows (no command). Linux starts those from
// the desktop menu through its launcher (packaging/tavo-desktop), which gives
// the user's folder with --dir. Windows has no such launcher, and its menu
// starts the program in no folder of the user's: there the windows open on
// %TAVO_DIR% when it is set, otherwise on the user's Documents\TAVO, made
// when missing (as the launcher makes ~/TAVO).
QString defaultWorkingFolder(bool desktop);

}  // namespace tavo::platform
