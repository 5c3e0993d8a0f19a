#pragma once
// For the Windows sources of this folder only.

#include <QDir>
#include <QString>
#include <string>

namespace tavo::platform {

// `path` as the wide-character (W) functions of Windows take it: backslashes,
// UTF-16. Kept in a std::wstring so that it lives as long as the call needs it.
inline std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

}  // namespace tavo::platform
