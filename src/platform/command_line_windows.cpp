#include "platform/command_line.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#include <cstdio>

namespace tavo::platform {

QStringList commandLineWords(int argc, char** argv) {
    QStringList words;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        for (int i = 1; i < argc; ++i) words.append(QString::fromLocal8Bit(argv[i]));
        return words;
    }
    for (int i = 1; i < count; ++i) words.append(QString::fromWCharArray(wide[i]));
    LocalFree(wide);
    return words;
}

void writeStandardStreamsAsBytes() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace tavo::platform
