// The whole procedure on arbitrary file contents. The first byte picks the
// suffix; the rest is the file.
#include "AuthenticateFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

using ardentix::engine::AuthenticateFile;
using ardentix::engine::AuthResult;
using ardentix::engine::WatermarkRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const suffixes[] = {"jpg", "avi", "mp4", "JPG"};
    const char* suffix = suffixes[data[0] % 4];
    char path[] = "/tmp/ardentix-fuzz-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return 0;
    const std::string named = std::string(path) + "." + suffix;
    std::FILE* file = fdopen(fd, "wb");
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);
    std::rename(path, named.c_str());

    WatermarkRecord record;
    record.Marker = "untouched";
    const AuthResult result = AuthenticateFile(record, named.c_str());
    std::remove(named.c_str());

    // Before the text is obtained the record stays as given; after, the
    // marker is what the text holds.
    const bool stoppedEarly =
        result == AuthResult::TooShort || result == AuthResult::UnsupportedType || result == AuthResult::BadSignature;
    if (stoppedEarly && record.Marker != "untouched")
        std::abort();
    if (result == AuthResult::Authentic && record.Marker != ARDENTIX_WATERMARK_MARKER)
        std::abort();
    return 0;
}
