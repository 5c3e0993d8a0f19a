#include "platform/memory.h"

namespace tavo::platform {

// The Windows heap has no threshold to set: it keeps freed blocks itself.
void keepFreedMemory() {}

}  // namespace tavo::platform
