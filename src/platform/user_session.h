#pragma once

#include <QString>

namespace tavo::platform {

// The full name of the local server (QLocalServer, QLocalSocket) `program`
// keeps for `key`. Local server names are shared by every user of the
// machine: the user's identity in the name keeps another user's copy apart.
// On POSIX a socket "PROGRAM-UID-KEY" in the user's runtime folder (the
// temporary folder without one), never in a working folder that may lie on a
// file system without sockets; on Windows a named pipe "PROGRAM-SID-KEY".
QString userServerName(const QString& program, const QString& key);

// Gives the process a private runtime folder when the session has none
// (XDG_RUNTIME_DIR: headless runs, CI, scripts often lack it, and Qt's GUI
// layer would complain on standard error). Nothing on Windows.
void ensureRuntimeFolder();

}  // namespace tavo::platform
