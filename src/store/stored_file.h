#pragma once

#include <sys/mman.h>
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace tavo::store {

// The stored bytes of a file, mapped into memory when the system allows it
// (no copy of a large file), read otherwise. Views stay valid while it lives.
// The whole mapping is set up at once: a file that is read whole anyway would
// otherwise cost the system one fault every few pages.
class StoredFile {
  public:
    explicit StoredFile(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::ReadOnly))
            return;
        open_ = true;
        const qint64 size = file_.size();
        if (size > 0) {
            void* mapped = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                                  file_.handle(), 0);
            if (mapped != MAP_FAILED) {
                mapped_ = mapped;
                bytes_ = QByteArrayView(static_cast<const char*>(mapped), size);
                return;
            }
        }
        copy_ = file_.readAll();
        bytes_ = copy_;
    }
    ~StoredFile() {
        if (mapped_)
            ::munmap(mapped_, size_t(bytes_.size()));
    }
    StoredFile(const StoredFile&) = delete;
    StoredFile& operator=(const StoredFile&) = delete;

    explicit operator bool() const { return open_; }
    bool open() const { return open_; }
    QString errorString() const { return file_.errorString(); }
    QByteArrayView bytes() const { return bytes_; }

  private:
    QFile file_;
    bool open_ = false;
    void* mapped_ = nullptr;
    QByteArray copy_;
    QByteArrayView bytes_;
};

}  // namespace tavo::store
