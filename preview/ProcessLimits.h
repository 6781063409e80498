// Limits that the preview helper puts on itself before it reads a byte of
// evidence: a crafted file may make a decoder ask for all the memory there
// is, and the helper should then fail alone rather than starve the machine.
#ifndef ARDENTIX_PREVIEW_PROCESSLIMITS_H
#define ARDENTIX_PREVIEW_PROCESSLIMITS_H

#include <cstddef>

namespace ProcessLimits {

// Caps the process's memory at bytes. False when the system refused.
bool CapMemory(std::size_t bytes);

} // namespace ProcessLimits

#endif
