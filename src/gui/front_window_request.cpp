#include "gui/front_window_request.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <algorithm>

#include "platform/user_session.h"

// Off unless asked for: QT_LOGGING_RULES="tavo.front-window.info=true".
Q_LOGGING_CATEGORY(frontWindowLog, "tavo.front-window", QtWarningMsg)

namespace tavo::gui {
namespace {

constexpr char kRequest[] = "front\n";
constexpr char kAnswer[] = "ok\n";

int remaining(const QDeadlineTimer& deadline) {
    return int(std::max<qint64>(0, deadline.remainingTime()));
}

}  // namespace

FrontWindowRequest::FrontWindowRequest() {
    connect(&server_, &QLocalServer::newConnection, this, &FrontWindowRequest::answer);
}

QString FrontWindowRequest::serverName(const QDir& folder) {
    QString path = QFileInfo(folder.absolutePath()).canonicalFilePath();
    if (path.isEmpty())
        path = folder.absolutePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
    // Local server names are per machine: the user and the folder make it ours.
    return platform::userServerName(QStringLiteral("tavo"), QLatin1String(hash.left(24)));
}

bool FrontWindowRequest::listen(const QDir& folder) {
    const QString name = serverName(folder);
    // Called once the lock is ours: a socket still there was left by a copy
    // that was killed, and no copy answers on it.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        qCInfo(frontWindowLog) << "cannot listen on" << name << ":" << server_.errorString();
        return false;
    }
    qCInfo(frontWindowLog) << "listening on" << name;
    return true;
}

void FrontWindowRequest::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRequest) {
                qCInfo(frontWindowLog) << "front window requested";
                emit frontWindowRequested();
                socket->write(kAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}

bool FrontWindowRequest::send(const QDir& folder, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const QString name = serverName(folder);
    QLocalSocket socket;
    // The running copy listens a moment after it takes the lock: a copy that
    // started just before this one may not be listening yet.
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(remaining(deadline)))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(kRequest);
    socket.flush();
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remaining(deadline)))
            return false;
    }
    return socket.readLine() == kAnswer;
}

}  // namespace tavo::gui
