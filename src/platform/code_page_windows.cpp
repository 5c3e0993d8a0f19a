#include "platform/code_page.h"

#include <windows.h>

namespace tavo::platform {

std::array<char16_t, 256> codePage1250() {
    std::array<char16_t, 256> table;
    table.fill(0xFFFD);
    // Byte by byte, each refused when the code page leaves it undefined
    // (rather than read as the system's best guess for it).
    for (int i = 0; i < 256; ++i) {
        const char byte = char(i);
        wchar_t character = 0;
        if (MultiByteToWideChar(1250, MB_ERR_INVALID_CHARS, &byte, 1, &character, 1) == 1)
            table[i] = char16_t(character);
    }
    return table;
}

}  // namespace tavo::platform
