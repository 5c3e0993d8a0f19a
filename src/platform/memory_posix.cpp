#include "platform/memory.h"

#include <QtGlobal>

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace tavo::platform {

void keepFreedMemory() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    Q_UNUSED(kept);
#endif
}

}  // namespace tavo::platform
