#include "platform/stored_file.h"

namespace tavo::platform {

// Read whole and closed before the constructor returns: QFile opens files on
// Windows without FILE_SHARE_DELETE, and a mapped view would keep the file
// from being replaced all the same.
StoredFile::StoredFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return;
    }
    open_ = true;
    copy_ = file.readAll();
    bytes_ = copy_;
}

StoredFile::~StoredFile() = default;

}  // namespace tavo::platform
