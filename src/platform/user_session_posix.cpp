#include "platform/user_session.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tavo::platform {

QString userServerName(const QString& program, const QString& key) {
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return QDir(runtime).filePath(QStringLiteral("%1-%2-%3").arg(program).arg(getuid()).arg(key));
}

void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::temp().filePath(QStringLiteral("tavo-runtime-%1").arg(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

}  // namespace tavo::platform
