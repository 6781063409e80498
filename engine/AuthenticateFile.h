// Decides whether a file is an unaltered, watermarked export.
//
// This is the engine's interface for the layers above: every failure it
// reports is an AuthResult; the other calls answer with a bool or an
// optional value.
#ifndef ARDENTIX_ENGINE_AUTHENTICATEFILE_H
#define ARDENTIX_ENGINE_AUTHENTICATEFILE_H

#include "FileLayout.h"
#include "InputFile.h"
#include "Sha256.h"
#include "WatermarkRecord.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace ardentix::engine {

// The first check that failed, in the order the procedure makes them, and
// the two ways it can end without a verdict.
enum class AuthResult
{
    Authentic = 0,
    Unreadable,      // no status, cannot be opened or read, or changed while read
    TooShort,        // shorter than the watermark block, or a JPG of 512 or 513 bytes
    UnsupportedType, // no "." in the path, or an extension other than JPG, AVI, MP4
    BadSignature,    // the watermark block does not open under the built-in key
    BadMarker,       // the text's first line is not the marker
    DigestMismatch,  // the HMAC field differs from the recomputed digest
    Cancelled,       // stopped on request before a verdict: no verdict
    InternalError    // this system could not compute a digest: no verdict
};

struct AuthOptions
{
    // Also compute the SHA-256 of the whole file, from the same reads.
    bool sha256 = false;
    // Hash the SHA-256 on a second thread (when a processor is free for it).
    bool sha256OnThread = false;
    // Bytes of the file passed so far; called after every block read.
    std::function<void(std::int64_t)> progress;
    // Set from any thread to stop the procedure within one block.
    const std::atomic<bool>* cancel = nullptr;
};

// What the procedure learnt of the file besides its verdict.
struct AuthDetails
{
    // The length from the status call; -1 when there was none.
    std::int64_t size = -1;
    // The bytes that the watermark's digest covers, once the length and the
    // type are known.
    bool coverageKnown = false;
    ProtectedRanges covered;
    // The whole file's SHA-256, when asked for and the file was read whole.
    bool hasSha256 = false;
    unsigned char sha256[ARDENTIX_SHA256_DIGEST_SIZE] = {};
    // Unreadable because another program holds the file open without
    // sharing it, or has locked it (Windows).
    bool inUse = false;
    // The identity of the file that was read, once it could be opened: what
    // the verdict is about, should the path later name another file.
    bool identityKnown = false;
    FileIdentity identity;
};

// Authenticates the file at path (an 8-bit path in the system's narrow code
// page; its text after the last "." selects the type). Returns why it failed,
// or AuthResult::Authentic. The record is filled once the watermark text has
// been obtained, and left as given when the procedure stopped before that.
// The reason never depends on the options, but for cancellation.
AuthResult AuthenticateFile(WatermarkRecord& record, const char* path, const AuthOptions& options = {},
                            AuthDetails* details = nullptr);

// The reason's word: "authentic", "unreadable", "too-short",
// "unsupported-type", "bad-signature", "bad-marker", "digest-mismatch",
// "cancelled" or "internal-error".
const char* AuthResultName(AuthResult result);

} // namespace ardentix::engine

#endif
