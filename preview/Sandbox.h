// The walls around the preview helper, put up after start-up (libraries and
// image plugins loaded) and before the first request is read. From then on
// the helper can read and write the descriptors it holds, take the ones its
// requests bring, use memory and clocks, and end. It cannot open a file,
// reach the network, start a program or touch another process.
//
// Linux: no new privileges; Landlock with no file access where the kernel
// offers it; a seccomp allow-list, every other call failing with EPERM.
// Windows: a low-integrity token without privileges, a restricted token on
// the thread that decodes, and no child processes.
#ifndef ARDENTIX_PREVIEW_SANDBOX_H
#define ARDENTIX_PREVIEW_SANDBOX_H

#include "PreviewProtocol.h"

namespace Sandbox {

// What was put up.
struct Walls
{
    bool installed = false; // every wall that must stand stands
    // Linux: the Landlock ABI in force, 0 where the kernel has none.
    int landlock = 0;
};

// The descriptor that requests come on (Linux).
constexpr int kRequestSocket = PreviewProtocol::RequestDescriptor;

Walls Install();

} // namespace Sandbox

#endif
