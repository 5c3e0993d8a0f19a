#pragma once
// Whole files read and written as bytes, for the tests' set-up and checks.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavo {

// The bytes of a file; none when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace tavo
