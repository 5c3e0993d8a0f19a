#pragma once

#include <QStringList>

namespace tavo::platform {

// The words of the program's command line after the program's own name, as
// the user typed them. On Windows they are read from the wide-character
// command line: `argv` holds them in the ANSI code page, which has no ș or ț
// (comma below) and loses them.
QStringList commandLineWords(int argc, char** argv);

// Has standard output and standard error take the bytes written as they are,
// every line ended by LF alone: on Windows the C runtime writes them in text
// mode, and would turn each LF into CR LF.
void writeStandardStreamsAsBytes();

}  // namespace tavo::platform
