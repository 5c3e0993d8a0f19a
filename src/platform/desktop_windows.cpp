#include "platform/desktop.h"

#include <QDir>
#include <QStandardPaths>

namespace tavo::platform {

bool displayPresent() {
    return true;
}

QString defaultWorkingFolder(bool desktop) {
    if (!desktop)
        return QDir::currentPath();
    QString folder = qEnvironmentVariable("TAVO_DIR");
    if (folder.isEmpty()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents.isEmpty())
            return QDir::currentPath();
        folder = QDir(documents).filePath(QStringLiteral("TAVO"));
    }
    // When it cannot be made, the start says that the folder does not exist.
    QDir().mkpath(folder);
    return folder;
}

}  // namespace tavo::platform
