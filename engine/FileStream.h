// One streaming pass over an open file, feeding the MD5 of its protected
// bytes and, when asked, the SHA-256 of the whole file from the same reads.
#ifndef ARDENTIX_ENGINE_FILESTREAM_H
#define ARDENTIX_ENGINE_FILESTREAM_H

#include "FileLayout.h"
#include "Md5.h"
#include "Sha256.h"

#include <atomic>
#include <cstdint>
#include <functional>

// Size of each read. Fixed, whatever the file's size.
#define ARDENTIX_READ_BLOCK_SIZE (std::size_t(256) * 1024)

namespace ardentix::engine {

class InputFile;

struct StreamSinks
{
    // MD5 over the protected ranges.
    bool md5 = true;
    // SHA-256 over the whole file: the pass then reads every byte.
    bool sha256 = false;
    // Hash the SHA-256 on a second thread, overlapping the MD5 and the reads.
    bool sha256OnThread = false;
    // The offset reached, after each block.
    std::function<void(std::int64_t)> progress;
    // Checked before each block.
    const std::atomic<bool>* cancel = nullptr;
};

enum class StreamStatus
{
    Done,
    ReadError, // a read failed, or the file ended before size
    Cancelled,
    NoDigest // no digest computation could be started
};

// Reads file (of size bytes) once. md5 and sha256 receive the digests when
// their sink was asked for and the pass is Done.
StreamStatus StreamFile(InputFile& file, std::int64_t size, const ProtectedRanges& ranges, const StreamSinks& sinks,
                        unsigned char md5[ARDENTIX_MD5_DIGEST_SIZE], unsigned char sha256[ARDENTIX_SHA256_DIGEST_SIZE]);

} // namespace ardentix::engine

#endif
