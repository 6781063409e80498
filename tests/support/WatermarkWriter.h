// Test-only watermark writer: makes exports as a recording server makes
// them, signed with the development key, and malformed ones on request.
//
// It shares no code with the engine's reading side: the digest is computed
// over an in-memory copy with OpenSSL's one-shot MD5 and HMAC.
#ifndef ARDENTIX_TESTS_WATERMARKWRITER_H
#define ARDENTIX_TESTS_WATERMARKWRITER_H

#include <cstdint>
#include <string>

namespace testsupport {

enum class MediaType
{
    Jpg,
    Avi,
    Mp4
};

// Unprotected prefix and protected bytes after the block, per type.
std::int64_t SkipFor(MediaType type);
std::int64_t TailFor(MediaType type);
const char* SuffixFor(MediaType type); // "jpg", "avi", "mp4"

struct WatermarkFields
{
    std::string marker = "Quorvane Digital Watermark";
    std::string version = "1.0";
    std::string hmac; // empty: the right digest of the media
    std::string startTime = "2012-05-14 09:30:00";
    std::string endTime = "2012-05-14 09:35:00";
    std::string timeSource = "NTP";
    std::string serial = "VH-0042-1138";
    std::string camMac = "00:1A:2B:3C:4D:5E";
};

enum class BlockFault
{
    None,
    BlockType1,  // 0x00 0x01 0xFF.. 0x00 M
    NoSeparator, // 0x00 0x02 followed by nonzero bytes only
    AtModulus,   // the number equals the modulus
    AboveModulus // all 0xFF
};

struct ExportOptions
{
    BlockFault fault = BlockFault::None;
    bool useRawText = false;
    std::string rawText;    // the whole watermark text, when useRawText
    std::uint32_t seed = 1; // random padding and the block's second half
};

// The canonical watermark text for the fields and an HMAC value.
std::string CanonicalText(const WatermarkFields& fields, const std::string& hmacHex);

// The keyed digest (32 lower-case hex digits) that an export of media gets.
std::string DigestHexOfMedia(const std::string& media, MediaType type);

// The keyed digest (32 lower-case hex digits) of an export's protected
// bytes, whatever its watermark says: what a genuine block would carry.
std::string DigestHexOfExport(const std::string& exportBytes, MediaType type);

// The keyed digest (32 lower-case hex digits) of the MD5 of protected bytes.
std::string KeyedDigestHex(const unsigned char* md5, unsigned int md5Length);

// The header of a top-level MP4 "free" box of size bytes, which players skip.
std::string FreeBoxHeader(std::uint32_t size);

// The 256-byte RSA block that carries message (PKCS#1 v1.5 type 2 unless a
// fault is asked for), made with the private key.
std::string EncryptMessage(const std::string& message, const ExportOptions& options);

// The private operation on an arbitrary 256-byte encoded message (EM),
// for padding cases that the writer's own encoder would never make.
std::string PrivateOperation(const std::string& em);

// The 512-byte watermark block for a text.
std::string MakeBlock(const std::string& text, const ExportOptions& options);

// The export of media: for a JPG the block goes before its last 2 bytes,
// for AVI and MP4 it is appended.
std::string MakeExport(const std::string& media, MediaType type, const WatermarkFields& fields = WatermarkFields(),
                       const ExportOptions& options = ExportOptions());

// Offset of the watermark block in an export of the given length.
std::int64_t BlockOffset(std::int64_t exportLength, MediaType type);

// The development key's halves, read from the keys folder.
std::string DevelopmentModulusHex();
std::string DevelopmentPrivateExponentHex();

// The small real media files committed for the tests.
std::string SampleMedia(MediaType type);

// AVI or MP4 media padded to at least length bytes, still a valid file of its
// type: an MP4 "free" box, bytes after an AVI (players ignore them).
std::string PaddedMedia(MediaType type, std::int64_t length);

// The bytes with the lowest bit of one byte flipped; a negative offset
// counts from the end.
std::string Flip(std::string bytes, std::int64_t offset);

// A fragmented MP4 (tests/data/keyframes.mp4: a red half second, then a
// test pattern, a key frame every half second) with a free box after its
// first fragment, so that the key frames from the second on lie after the
// unprotected prefix.
std::string KeyFramesPastPrefix();
// An export whose unprotected prefix holds another recording (other, with a
// free box that runs on to the watermark block) in place of its own bytes:
// its signature still holds.
std::string PlantPrefix(const std::string& exportBytes, const std::string& other);

bool WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

} // namespace testsupport

#endif
