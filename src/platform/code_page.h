#pragma once

#include <array>

namespace tavo::platform {

// The character each byte stands for in the Windows code page 1250, as the
// system's converter reads it: ICU's "windows-1250" through Qt on Linux, the
// system's own code-page 1250 conversion on Windows (where Qt is built
// without ICU). U+FFFD for a byte the code page leaves undefined, and for
// every byte when the system has no such converter.
std::array<char16_t, 256> codePage1250();

}  // namespace tavo::platform
