#include "AuthenticateFile.h"

#include "FileStream.h"
#include "InputFile.h"
#include "RsaPublicDecrypt.h"

#include <openssl/crypto.h>

#include <cstring>
#include <string>

namespace ardentix::engine {

namespace {

// Wipes what held the watermark text and the digests when the call ends.
template <std::size_t N> struct Wiped
{
    unsigned char bytes[N] = {};
    ~Wiped() { OPENSSL_cleanse(bytes, N); }
};

StreamSinks SinksFor(const AuthOptions& options)
{
    StreamSinks sinks;
    sinks.sha256 = options.sha256;
    sinks.sha256OnThread = options.sha256OnThread;
    sinks.progress = options.progress;
    sinks.cancel = options.cancel;
    return sinks;
}

AuthResult FromStream(StreamStatus status)
{
    switch (status) {
    case StreamStatus::Done:
        return AuthResult::Authentic;
    case StreamStatus::ReadError:
        return AuthResult::Unreadable;
    case StreamStatus::Cancelled:
        return AuthResult::Cancelled;
    case StreamStatus::NoDigest:
        return AuthResult::InternalError;
    }
    return AuthResult::InternalError;
}

// The checks up to the digest comparison. Leaves file open once it could be
// opened, and sets *hashedWhole when the SHA-256 sink saw the whole file.
AuthResult Check(WatermarkRecord& record, const char* path, const AuthOptions& options, AuthDetails& details,
                 InputFile& file, bool* hashedWhole)
{
    const std::optional<std::int64_t> size = FileSize(path);
    if (!size)
        return AuthResult::Unreadable;
    const std::int64_t n = *size;
    details.size = n;
    if (n < ARDENTIX_WATERMARK_BLOCK_SIZE)
        return AuthResult::TooShort;
    const std::optional<FileLayout> layout = LayoutForPath(path);
    if (!layout)
        return AuthResult::UnsupportedType;
    details.covered = ProtectedRangesOf(n, layout->skip, layout->tail);
    details.coverageKnown = true;

    // Everything below is read from this one open file, at offsets taken
    // from the first status, so the block and the digest describe the same
    // bytes.
    if (!file.Open(path) || file.Length() != n)
        return AuthResult::Unreadable;
    const std::int64_t blockFromEnd = ARDENTIX_WATERMARK_BLOCK_SIZE + layout->tail;
    if (n < blockFromEnd)
        return AuthResult::TooShort;
    unsigned char block[ARDENTIX_WATERMARK_BLOCK_SIZE];
    if (!file.ReadAt(n - blockFromEnd, block, sizeof(block)))
        return AuthResult::Unreadable;

    Wiped<ARDENTIX_MESSAGE_BUFFER_SIZE> message;
    std::size_t messageLength = 0;
    if (!RsaPublicDecrypt(block, message.bytes, &messageLength))
        return AuthResult::BadSignature;
    // The text ends at the message's end or its first zero byte.
    const void* zero = std::memchr(message.bytes, 0, messageLength);
    const std::size_t textLength =
        zero != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - message.bytes)
                        : messageLength;
    record.Fill(std::string(reinterpret_cast<const char*>(message.bytes), textLength));
    if (record.Marker != ARDENTIX_WATERMARK_MARKER)
        return AuthResult::BadMarker;

    Wiped<ARDENTIX_MD5_DIGEST_SIZE> md5;
    const StreamStatus status = StreamFile(file, n, details.covered, SinksFor(options), md5.bytes, details.sha256);
    if (status != StreamStatus::Done)
        return FromStream(status);
    *hashedWhole = options.sha256;

    // A file that changed length while it was read was not verified as a
    // whole: its digest may cover another content than the one on disk now.
    if (file.Length() != n || FileSize(path) != n)
        return AuthResult::Unreadable;

    Wiped<ARDENTIX_MD5_DIGEST_SIZE> mac;
    if (!WatermarkHmac(md5.bytes, ARDENTIX_MD5_DIGEST_SIZE, mac.bytes))
        return AuthResult::InternalError;
    char digestText[2 * ARDENTIX_MD5_DIGEST_SIZE];
    static const char hexDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < ARDENTIX_MD5_DIGEST_SIZE; ++i) {
        digestText[2 * i] = hexDigits[mac.bytes[i] >> 4];
        digestText[2 * i + 1] = hexDigits[mac.bytes[i] & 0x0f];
    }
    return record.HMAC == std::string(digestText, sizeof(digestText)) ? AuthResult::Authentic
                                                                      : AuthResult::DigestMismatch;
}

} // namespace

AuthResult AuthenticateFile(WatermarkRecord& record, const char* path, const AuthOptions& options,
                            AuthDetails* detailsOut)
{
    AuthDetails details;
    InputFile file;
    bool hashedWhole = false;
    AuthResult result = Check(record, path, options, details, file, &hashedWhole);

    // A file that failed before its digest still gets its SHA-256 when asked
    // for, from a pass of its own: the hash identifies what was examined,
    // whatever the verdict. An unreadable file has no hash worth recording.
    if (options.sha256 && !hashedWhole && result != AuthResult::Unreadable && result != AuthResult::Cancelled &&
        result != AuthResult::InternalError && details.size >= 0 && (file.IsOpen() || file.Open(path)) &&
        file.Length() == details.size) {
        StreamSinks sinks = SinksFor(options);
        sinks.md5 = false;
        unsigned char unused[ARDENTIX_MD5_DIGEST_SIZE];
        const StreamStatus status = StreamFile(file, details.size, ProtectedRanges(), sinks, unused, details.sha256);
        hashedWhole = status == StreamStatus::Done && file.Length() == details.size;
        // A cancel during this pass stops the file like any other: a failure
        // without its SHA-256 would be taken for a change of the file.
        if (status == StreamStatus::Cancelled)
            result = AuthResult::Cancelled;
    }
    details.hasSha256 = options.sha256 && hashedWhole && result != AuthResult::Unreadable &&
                        result != AuthResult::Cancelled && result != AuthResult::InternalError;
    if (!details.hasSha256)
        OPENSSL_cleanse(details.sha256, sizeof(details.sha256));
    details.inUse = result == AuthResult::Unreadable && file.InUse();
    if (file.IsOpen() && result != AuthResult::Unreadable) {
        if (const std::optional<FileIdentity> identity = file.Identity()) {
            details.identityKnown = true;
            details.identity = *identity;
        }
    }
    if (detailsOut != nullptr)
        *detailsOut = details;
    return result;
}

const char* AuthResultName(AuthResult result)
{
    switch (result) {
    case AuthResult::Authentic:
        return "authentic";
    case AuthResult::Unreadable:
        return "unreadable";
    case AuthResult::TooShort:
        return "too-short";
    case AuthResult::UnsupportedType:
        return "unsupported-type";
    case AuthResult::BadSignature:
        return "bad-signature";
    case AuthResult::BadMarker:
        return "bad-marker";
    case AuthResult::DigestMismatch:
        return "digest-mismatch";
    case AuthResult::Cancelled:
        return "cancelled";
    case AuthResult::InternalError:
        return "internal-error";
    }
    return "internal-error";
}

} // namespace ardentix::engine
