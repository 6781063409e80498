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

struct Sha256Context;

#define ARDENTIX_WATERMARK_BLOCK_SIZE 512

#define ARDENTIX_JPG_SKIP 0
#define ARDENTIX_JPG_TAIL 2
#define ARDENTIX_AVI_SKIP 240
#define ARDENTIX_AVI_TAIL 0
#define ARDENTIX_MP4_SKIP 3145764
#define ARDENTIX_MP4_TAIL 0

// The file's length from the status call, without opening it; -1 when the
// status cannot be obtained.
std::int64_t FileSize(const char* path);

// Computes the keyed digest into digest. Returns 0, or -1 when the file
// cannot be opened or the prefix cannot be skipped (digest untouched).
int FileDigest(const char* path, std::int64_t skip, std::int64_t tail, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);

// As FileDigest; when whole is not null it also absorbs every byte of the
// file, front to back, so that a SHA-256 of the whole file comes out of the
// same pass. whole must be initialised; it is left for the caller to finish.
// Returns -1 also when the whole-file pass meets a read error.
int FileDigestWithSha256(const char* path, std::int64_t skip, std::int64_t tail,
                         unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE], Sha256Context* whole);

int JpgDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);
int AviDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);
int Mp4Digest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);

#endif
