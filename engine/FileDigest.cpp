#include "FileDigest.h"

#include "FileStream.h"
#include "InputFile.h"

#include <openssl/crypto.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

#include <algorithm>
#include <cstring>

const FileLayout kJpgLayout = {"JPG", 0, 2};
const FileLayout kAviLayout = {"AVI", 240, 0};
const FileLayout kMp4Layout = {"MP4", 3145764, 0};

const FileLayout* LayoutForPath(const char* path)
{
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr)
        return nullptr;
    static const FileLayout* const layouts[] = {&kJpgLayout, &kAviLayout, &kMp4Layout};
    for (const FileLayout* layout : layouts) {
        // Only a to z change case: the comparison must not depend on the locale.
        const char* a = dot + 1;
        const char* b = layout->extension;
        while (*a != '\0' && *b != '\0' && (*a == *b || (*a >= 'a' && *a <= 'z' && *a - 'a' + 'A' == *b))) {
            ++a;
            ++b;
        }
        if (*a == '\0' && *b == '\0')
            return layout;
    }
    return nullptr;
}

ProtectedRanges ProtectedRangesOf(std::int64_t size, std::int64_t skip, std::int64_t tail)
{
    ProtectedRanges ranges;
    const std::int64_t bodyEnd = size - ARDENTIX_WATERMARK_BLOCK_SIZE - tail;
    if (bodyEnd > skip) {
        ranges.begin[ranges.count] = skip;
        ranges.end[ranges.count] = bodyEnd;
        ranges.total += bodyEnd - skip;
        ++ranges.count;
    }
    if (tail > 0 && size > 0) {
        const std::int64_t tailBegin = std::max<std::int64_t>(0, size - tail);
        if (tailBegin < size) {
            ranges.begin[ranges.count] = tailBegin;
            ranges.end[ranges.count] = size;
            ranges.total += size - tailBegin;
            ++ranges.count;
        }
    }
    return ranges;
}

std::int64_t FileSize(const char* path)
{
#ifdef _WIN32
    const std::wstring wide = WidePath(path);
    unsigned long attributes = 0;
    std::int64_t size = -1;
    // A folder's length is 0 there: it counts as unreadable, as its opening
    // fails elsewhere, not as a file too short.
    if (wide.empty() || !WideAttributes(wide, &attributes, &size) || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return -1;
    return size;
#else
    struct stat st;
    if (stat(path, &st) != 0)
        return -1;
    return static_cast<std::int64_t>(st.st_size);
#endif
}

int FileDigest(const char* path, std::int64_t skip, std::int64_t tail, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    // The length comes from the status taken before opening: bytes
    // appended later are not hashed.
    const std::int64_t size = FileSize(path);
    InputFile file;
    if (size < 0 || !file.Open(path))
        return -1;
    unsigned char md5[ARDENTIX_MD5_DIGEST_SIZE];
    unsigned char unused[ARDENTIX_SHA256_DIGEST_SIZE];
    StreamSinks sinks;
    int ret = -1;
    if (StreamFile(file, size, ProtectedRangesOf(size, skip, tail), sinks, md5, unused) == StreamStatus::Done &&
        WatermarkHmacChecked(md5, sizeof(md5), digest) == 0)
        ret = 0;
    OPENSSL_cleanse(md5, sizeof(md5));
    return ret;
}

int JpgDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, kJpgLayout.skip, kJpgLayout.tail, digest);
}

int AviDigest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, kAviLayout.skip, kAviLayout.tail, digest);
}

int Mp4Digest(const char* path, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    return FileDigest(path, kMp4Layout.skip, kMp4Layout.tail, digest);
}
