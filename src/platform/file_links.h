#pragma once

#include <QString>

namespace tavo::platform {

// Gives the file `existing` a second name `link`: a hard link, no copy, the
// content shared. Never replaces an existing `link`. Fails, with the system's
// reason, on a file system without hard links (FAT, many network shares):
// the caller copies instead.
bool hardLink(const QString& existing, const QString& link, QString* reason);

// Whether the paths `a` and `b` name one file (the same file under two
// names, as a hard link makes); false when either is missing.
bool sameFile(const QString& a, const QString& b);

// Makes the folder `folder` (its parent must exist); true when it is there
// already. Otherwise false, with the system's reason.
bool makeFolder(const QString& folder, QString* reason);

}  // namespace tavo::platform
