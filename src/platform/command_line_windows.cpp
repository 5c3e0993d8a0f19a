#include "platform/command_line.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

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

}  // namespace tavo::platform
