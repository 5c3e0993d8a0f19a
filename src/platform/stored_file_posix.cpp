#include "platform/stored_file.h"

#include <sys/mman.h>

namespace tavo::platform {

StoredFile::StoredFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return;
    }
    open_ = true;
    const qint64 size = file.size();
    if (size > 0) {
        // The mapping keeps the file's bytes after the file is closed.
        void* mapped =
            ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.handle(), 0);
        if (mapped != MAP_FAILED) {
            mapped_ = mapped;
            bytes_ = QByteArrayView(static_cast<const char*>(mapped), size);
            return;
        }
    }
    copy_ = file.readAll();
    bytes_ = copy_;
}

StoredFile::~StoredFile() {
    if (mapped_)
        ::munmap(mapped_, size_t(bytes_.size()));
}

}  // namespace tavo::platform
