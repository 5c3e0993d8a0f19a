#include "platform/file_links.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>

#include "platform/system_error.h"

namespace tavo::platform {

bool hardLink(const QString& existing, const QString& link, QString* reason) {
    if (::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0)
        return true;
    if (reason)
        *reason = lastSystemError();
    return false;
}

bool sameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool makeFolder(const QString& folder, QString* reason) {
    if (::mkdir(QFile::encodeName(folder).constData(), 0755) == 0)
        return true;
    const QString why = lastSystemError();
    if (QFileInfo(folder).isDir())
        return true;
    if (reason)
        *reason = why;
    return false;
}

}  // namespace tavo::platform
