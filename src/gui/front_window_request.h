#pragma once

#include <QDir>
#include <QLocalServer>
#include <QObject>

namespace tavo::gui {

// The doorbell of the copy that works on a working folder. The lock file
// decides which copy owns the folder; a copy started again on it from the
// menu rings here, and the running copy brings its window to the front.
//
// The bell is a local server named after the folder (its canonical path
// hashed) and the user: on POSIX a socket in the user's runtime folder, never
// in the working folder, which may lie on a file system that has no sockets;
// on Windows a named pipe (platform/user_session.h).
class FrontWindowRequest : public QObject {
    Q_OBJECT

  public:
    FrontWindowRequest();

    // The local server's full name for `folder`.
    static QString serverName(const QDir& folder);

    // In the copy that holds the folder's lock: listens, first removing a
    // socket left by a copy that died. False when the socket cannot be made
    // (the program runs on without it).
    bool listen(const QDir& folder);

    // In a second copy: asks the running copy to come to the front. True once
    // it answered; false when no copy answered within `timeoutMs`.
    static bool send(const QDir& folder, int timeoutMs = 2000);

  signals:
    // A second copy asked for the front window.
    void frontWindowRequested();

  private:
    void answer();

    QLocalServer server_;
};

}  // namespace tavo::gui
