#include "FileDigest.h"

#include "InputFile.h"
#include "Sha256.h"

#include <openssl/crypto.h>

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>

std::int64_t FileSize(const char* path)
{
#ifdef _WIN32
    struct _stat64 st;
    if (_stat64(path, &st) != 0)
        return -1;
#else
    struct stat st;
    if (stat(path, &st) != 0)
        return -1;
#endif
    return static_cast<std::int64_t>(st.st_size);
}

int FileDigestWithSha256(const char* path, std::int64_t skip, std::int64_t tail,
                         unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE], Sha256Context* whole)
{
    InputFile file;
    Md5Context md5;
    unsigned char chunk[ARDENTIX_READ_CHUNK_SIZE];
    unsigned char md5Digest[ARDENTIX_MD5_DIGEST_SIZE];
    std::int64_t total = 0;
    std::size_t count = 0;
    int ret = -1;

    // The body's length comes from the status taken before opening: bytes
    // appended later are not hashed.
    const std::int64_t n = FileSize(path);
    std::int64_t body = n - ARDENTIX_WATERMARK_BLOCK_SIZE - skip - tail;
    if (body < 0)
        body = 0;

    InputFileInit(&file);
    md5.impl = nullptr;
    if (InputFileOpen(&file, path) != 0)
        goto cleanup;

    if (whole == nullptr) {
        if (InputFileSeek(&file, skip, SEEK_SET) != 0)
            goto cleanup;
    } else {
        // Read the prefix instead of skipping it, for the whole-file hash.
        std::int64_t left = skip;
        while (left > 0) {
            std::size_t want =
                left < static_cast<std::int64_t>(sizeof(chunk)) ? static_cast<std::size_t>(left) : sizeof(chunk);
            count = InputFileRead(&file, chunk, want);
            if (count == 0)
                break;
            Sha256Update(whole, chunk, count);
            left -= static_cast<std::int64_t>(count);
        }
        if (InputFileError(&file))
            goto cleanup;
    }

    if (Md5Init(&md5) != 0)
        goto cleanup;

    for (;;) {
        count = InputFileRead(&file, chunk, sizeof(chunk));
        if (count == 0)
            break;
        if (whole != nullptr)
            Sha256Update(whole, chunk, count);
        total += static_cast<std::int64_t>(count);
        if (total < body) {
            Md5Update(&md5, chunk, static_cast<std::uint32_t>(count));
        } else {
            // The part of the chunk that ends at the body's last byte.
            Md5Update(&md5, chunk, static_cast<std::uint32_t>(static_cast<std::int64_t>(count) - (total - body)));
            break;
        }
    }

    if (whole != nullptr) {
        // The rest of the file: the watermark block and whatever follows it.
        for (;;) {
            count = InputFileRead(&file, chunk, sizeof(chunk));
            if (count == 0)
                break;
            Sha256Update(whole, chunk, count);
        }
        if (InputFileError(&file))
            goto cleanup;
    }

    if (tail != 0) {
        // Only files long enough for the watermark block get here, so
        // neither the seek nor the read can fall outside the file.
        InputFileSeek(&file, -tail, SEEK_END);
        count = InputFileRead(&file, chunk, static_cast<std::size_t>(tail));
        Md5Update(&md5, chunk, static_cast<std::uint32_t>(count));
    }

    Md5Final(&md5, md5Digest);
    WatermarkHmac(md5Digest, sizeof(md5Digest), digest);
    ret = 0;

cleanup:
    if (ret != 0 && md5.impl != nullptr) {
        unsigned char discard[ARDENTIX_MD5_DIGEST_SIZE];
        Md5Final(&md5, discard);
    }
    InputFileFree(&file);
    OPENSSL_cleanse(md5Digest, sizeof(md5Digest));
    return ret;
}

int FileDigest(const char* path, std::int64_t skip, std::int64_t tail, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigestWithSha256(path, skip, tail, digest, nullptr);
}

int JpgDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, ARDENTIX_JPG_SKIP, ARDENTIX_JPG_TAIL, digest);
}

int AviDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, ARDENTIX_AVI_SKIP, ARDENTIX_AVI_TAIL, digest);
}

int Mp4Digest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, ARDENTIX_MP4_SKIP, ARDENTIX_MP4_TAIL, digest);
}
