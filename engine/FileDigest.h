// The keyed digest of a watermarked file's protected bytes.
//
// The protected bytes are everything but a type-dependent prefix and the
// 512-byte watermark block: for a file of n bytes, bytes skip to
// n - 512 - tail, then the last tail bytes. Their MD5 is keyed with
// WatermarkHmac.
#ifndef ARDENTIX_ENGINE_FILEDIGEST_H
#define ARDENTIX_ENGINE_FILEDIGEST_H

#include "Md5.h"

#include <cstdint>

#define ARDENTIX_WATERMARK_BLOCK_SIZE 512

// Where the watermark sits in each type of export, and what it leaves
// unprotected: skip bytes at the front, and tail bytes after the block.
struct FileLayout
{
    const char* extension; // upper case, without the dot
    std::int64_t skip;
    std::int64_t tail;
};

// The one table of the layouts: JPG, AVI, MP4.
extern const FileLayout kJpgLayout;
extern const FileLayout kAviLayout;
extern const FileLayout kMp4Layout;

// The layout for the text after the last "." of path, compared without
// regard to the case of a to z; null for any other type.
const FileLayout* LayoutForPath(const char* path);

// The bytes that the digest covers, in file order: at most two half-open
// ranges [begin, end), and their total length.
struct ProtectedRanges
{
    int count = 0;
    std::int64_t begin[2] = {0, 0};
    std::int64_t end[2] = {0, 0};
    std::int64_t total = 0;
};

ProtectedRanges ProtectedRangesOf(std::int64_t size, std::int64_t skip, std::int64_t tail);

// The file's length from the status call, without opening it; -1 when the
// status cannot be obtained.
std::int64_t FileSize(const char* path);

// Computes the keyed digest into digest. Returns 0, or -1 when the file
// cannot be opened or read, or no digest can be computed (digest untouched).
int FileDigest(const char* path, std::int64_t skip, std::int64_t tail, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);

int JpgDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);
int AviDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);
int Mp4Digest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);

#endif
