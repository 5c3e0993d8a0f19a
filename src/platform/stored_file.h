#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace tavo::platform {

// The stored bytes of a file, for as long as this lives; views of them stay
// valid as long. The file may be renamed over or removed meanwhile, the bytes
// stay those read.
//
// On POSIX the file is mapped into memory where the system allows it (no copy
// of a large file), the whole mapping set up at once: a file that is read
// whole anyway would otherwise cost the system one fault every few pages. On
// Windows a file that is mapped, or even open, cannot be renamed over (the
// program replaces ordine.txt while it holds its old bytes): the file is read
// whole and closed at once.
class StoredFile {
  public:
    explicit StoredFile(const QString& path);
    ~StoredFile();
    StoredFile(const StoredFile&) = delete;
    StoredFile& operator=(const StoredFile&) = delete;

    explicit operator bool() const { return open_; }
    bool open() const { return open_; }
    QString errorString() const { return error_; }
    QByteArrayView bytes() const { return bytes_; }

  private:
    bool open_ = false;
    QString error_;
    void* mapped_ = nullptr;
    QByteArray copy_;
    QByteArrayView bytes_;
};

}  // namespace tavo::platform
