// Decides whether a file is an unaltered, watermarked export.
#ifndef ARDENTIX_ENGINE_AUTHENTICATEFILE_H
#define ARDENTIX_ENGINE_AUTHENTICATEFILE_H

#include "WatermarkRecord.h"

struct Sha256Context;

// The first check that failed, in the order the procedure makes them.
enum AuthResult
{
    AuthAuthentic = 0,
    AuthUnreadable,      // no status, cannot be opened, digest not computed, or changed while read
    AuthTooShort,        // shorter than the watermark block, or a JPG of 512 or 513 bytes
    AuthUnsupportedType, // no "." in the path, or an extension other than JPG, AVI, MP4
    AuthBadSignature,    // the watermark block does not open under the built-in key
    AuthBadMarker,       // the text's first line is not the marker
    AuthDigestMismatch   // the HMAC field differs from the recomputed digest
};

// Authenticates the file at path (an 8-bit path in the system's narrow code
// page; its text after the last "." selects the type). Returns why it failed,
// or AuthAuthentic. The record is filled once the watermark text has been
// obtained, and left as given when the procedure stopped before that.
AuthResult AuthenticateFileDetailed(WatermarkRecord& record, const char* path);

// As AuthenticateFileDetailed; when whole is not null and the procedure
// reaches the digest, whole has absorbed every byte of the file. Returns
// whether whole was fed completely through *whole_complete.
AuthResult AuthenticateFileWithSha256(WatermarkRecord& record, const char* path, Sha256Context* whole,
                                      bool* whole_complete);

// 0 for an authentic file, -1 otherwise.
int AuthenticateFile(WatermarkRecord& record, const char* path);

// The reason's word: "authentic", "unreadable", "too-short",
// "unsupported-type", "bad-signature", "bad-marker" or "digest-mismatch".
const char* AuthResultName(AuthResult result);

#endif
