// ardentix-bench-exports: makes genuine exports for the benchmarks.
//
//   ardentix-bench-exports large FILE MIB   one AVI or MP4 export of MIB MiB
//   ardentix-bench-exports small DIR COUNT  COUNT small JPG exports in DIR
//
// A large export is written as a stream: the media (a real sample followed
// by filler that players skip) goes to disk in 1 MiB pieces while the MD5
// of its protected bytes is computed, so a 1 GiB export never sits in
// memory. The watermark text is then signed with the development key by the
// test writer and appended.
#include "LargeExport.h"
#include "WatermarkWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

const std::int64_t kMiB = 1024 * 1024;

// A genuine export of mib MiB in all, streamed to disk.
void MakeLarge(const std::string& path, std::int64_t mib)
{
    const std::string suffix = path.size() > 4 ? path.substr(path.size() - 4) : std::string();
    MediaType type;
    if (suffix == ".avi")
        type = MediaType::Avi;
    else if (suffix == ".mp4")
        type = MediaType::Mp4;
    else
        throw std::runtime_error("a large export is an .avi or an .mp4");
    std::string error;
    if (!WriteLargeExport(path, type, mib * kMiB - 512, false, WatermarkFields(), &error))
        throw std::runtime_error(error);
}

void MakeSmall(const std::filesystem::path& dir, int count)
{
    std::filesystem::create_directories(dir);
    // A few distinct signed exports, repeated: signing every one would take
    // longer than verifying them.
    const int distinct = 16;
    const std::string media = SampleMedia(MediaType::Jpg);
    std::vector<std::string> exports;
    for (int i = 0; i < distinct && i < count; ++i) {
        WatermarkFields fields;
        char serial[32];
        std::snprintf(serial, sizeof(serial), "VH-0042-%04d", i);
        fields.serial = serial;
        ExportOptions options;
        options.seed = static_cast<std::uint32_t>(i + 1);
        exports.push_back(MakeExport(media, MediaType::Jpg, fields, options));
    }
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "picture-%05d.jpg", i);
        if (!WriteFile((dir / name).string(), exports[static_cast<std::size_t>(i % distinct)]))
            throw std::runtime_error("cannot write " + (dir / name).string());
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ardentix-bench-exports large FILE.avi|FILE.mp4 MIB\n"
                             "       ardentix-bench-exports small DIR COUNT\n");
        return 2;
    }
    const std::string mode = argv[1];
    const long long number = std::atoll(argv[3]);
    try {
        if (mode == "large" && number > 0)
            MakeLarge(argv[2], number);
        else if (mode == "small" && number > 0)
            MakeSmall(argv[2], static_cast<int>(number));
        else
            throw std::runtime_error("unknown mode or bad number");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ardentix-bench-exports: %s\n", e.what());
        return 1;
    }
    return 0;
}
