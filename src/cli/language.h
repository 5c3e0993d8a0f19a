#pragma once

#include <QString>

namespace tavo::cli {

// A text of the command line itself (its help, usage errors and failure
// lines) in the user's language: Romanian when the locale is ro_*, the English
// of `source` otherwise. The texts are Qt translations (translations/tavo_ro.ts),
// found by lupdate at each call, under their `context`. They do not wait for
// an application object: the help and the usage errors are written before
// there is one, and the desktop makes its own.
QString translate(const char* context, const char* source);

}  // namespace tavo::cli
