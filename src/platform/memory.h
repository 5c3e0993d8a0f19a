#pragma once

namespace tavo::platform {

// Memory the program frees is kept for its next use instead of going back to
// the system at once: every printed page, every load of a long orders file
// frees and takes again the same large buffers, and each page of memory the
// system hands out anew costs a fault (on a virtual machine, a dozen
// microseconds each, a tenth of the time of a printed page). Set once per
// process, whatever the number of calls; nothing where the allocator has no
// such setting (Windows).
void keepFreedMemory();

}  // namespace tavo::platform
