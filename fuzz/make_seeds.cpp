// ardentix-fuzz-seeds DIR: writes the seed corpora of the fuzz targets,
// made of genuine exports and their watermark blocks and texts.
#include "WatermarkWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace testsupport;

namespace {

std::string Media(std::size_t length, unsigned seed)
{
    std::string media(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        media[i] = static_cast<char>((i * 131 + seed * 7 + 1) & 0xff);
    return media;
}

bool Put(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    return WriteFile(path.string(), bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ardentix-fuzz-seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    bool ok = true;
    const MediaType types[3] = {MediaType::Jpg, MediaType::Avi, MediaType::Mp4};
    const char prefix[3] = {'\0', '\1', '\2'}; // the suffix selector of fuzz_authenticate
    for (int t = 0; t < 3; ++t) {
        const std::string media = Media(t == 0 ? 64 : 400, static_cast<unsigned>(t));
        const std::string exported = MakeExport(media, types[t]);
        const std::string name = SuffixFor(types[t]);
        ok &= Put(dir / "authenticate" / ("genuine-" + name), prefix[t] + exported);
        std::string tampered = exported;
        tampered[tampered.size() / 3] ^= 1;
        ok &= Put(dir / "authenticate" / ("tampered-" + name), prefix[t] + tampered);

        const std::int64_t at = BlockOffset(static_cast<std::int64_t>(exported.size()), types[t]);
        ok &= Put(dir / "rsa" / ("block-" + name), exported.substr(static_cast<std::size_t>(at), 512));
    }
    WatermarkFields fields;
    ok &= Put(dir / "watermark_text" / "canonical", CanonicalText(fields, std::string(32, 'a')));
    fields.version = "HMAC: inside";
    ok &= Put(dir / "watermark_text" / "key-inside-value", CanonicalText(fields, std::string(32, 'b')));
    // Reports: result selector, path, the eight fields, a SHA-256.
    const std::string hash(64, 'e');
    auto report = [&](char result, const std::string& path, const WatermarkFields& f) {
        std::string in(1, result);
        for (const std::string& piece : {path, f.marker, f.version, std::string(32, 'a'), f.startTime, f.endTime,
                                         f.timeSource, f.serial, f.camMac, hash})
            in += '\0' + piece;
        return in;
    };
    ok &= Put(dir / "report" / "authentic", report('\0', "/evidence/clip.avi", WatermarkFields()));
    WatermarkFields odd;
    odd.serial = "a,b\"c\r\nd";
    odd.startTime = "\x1b[31m\xff\xfe";
    ok &= Put(dir / "report" / "hostile", report('\5', "/evidence/new\nline \"quoted\", 100%\xe9.avi", odd));
    return ok ? 0 : 1;
}
