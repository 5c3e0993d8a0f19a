#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace tavo::store {

// The stored bytes of a file, mapped into memory when the system allows it
// (no copy of a large file), read otherwise. Views stay valid while it lives.
class StoredFile {
  public:
    explicit StoredFile(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::ReadOnly))
            return;
        open_ = true;
        const qint64 size = file_.size();
        if (size > 0) {
            if (const uchar* mapped = file_.map(0, size)) {
                bytes_ = QByteArrayView(reinterpret_cast<const char*>(mapped), size);
                return;
            }
        }
        copy_ = file_.readAll();
        bytes_ = copy_;
    }
    explicit operator bool() const { return open_; }
    bool open() const { return open_; }
    QString errorString() const { return file_.errorString(); }
    QByteArrayView bytes() const { return bytes_; }

  private:
    QFile file_;
    bool open_ = false;
    QByteArray copy_;
    QByteArrayView bytes_;
};

}  // namespace tavo::store
