// ardentix-make-samples DIR: writes a folder of sample exports, genuine and
// tampered, signed with the development key, for demos and first runs.
#include "WatermarkWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

using namespace testsupport;

namespace {

bool Write(const std::filesystem::path& dir, const std::string& name, const std::string& bytes)
{
    const std::filesystem::path path = dir / name;
    if (!WriteFile(path.string(), bytes)) {
        std::fprintf(stderr, "ardentix-make-samples: cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("  %s\n", name.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ardentix-make-samples DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(dir / "more", error);
    if (error) {
        std::fprintf(stderr, "ardentix-make-samples: cannot create %s: %s\n", dir.string().c_str(),
                     error.message().c_str());
        return 1;
    }

    bool ok = true;
    try {
        WatermarkFields fields;
        const std::string jpg = SampleMedia(MediaType::Jpg);
        const std::string avi = SampleMedia(MediaType::Avi);
        // Large enough that the recording has protected bytes after the
        // unprotected prefix.
        const std::string mp4 = PaddedMedia(MediaType::Mp4, SkipFor(MediaType::Mp4) + 256 * 1024);

        fields.startTime = "2012-05-14 09:30:00";
        fields.endTime = "2012-05-14 09:30:00";
        fields.serial = "VH-0042-1138";
        const std::string goodJpg = MakeExport(jpg, MediaType::Jpg, fields);
        fields.endTime = "2012-05-14 09:30:02";
        const std::string goodAvi = MakeExport(avi, MediaType::Avi, fields);
        fields.startTime = "2012-05-14 10:00:00";
        fields.endTime = "2012-05-14 10:00:02";
        fields.serial = "VH-0042-2271";
        const std::string goodMp4 = MakeExport(mp4, MediaType::Mp4, fields);
        // A longer recording: its key frames go on past the unprotected
        // prefix, so that its picture comes from signed bytes.
        fields.startTime = "2012-05-14 10:05:00";
        fields.endTime = "2012-05-14 10:05:02";
        const std::string longMp4 = MakeExport(KeyFramesPastPrefix(), MediaType::Mp4, fields);

        std::printf("Writing sample exports into %s:\n", dir.string().c_str());
        ok &= Write(dir, "genuine-picture.jpg", goodJpg);
        ok &= Write(dir, "genuine-recording.avi", goodAvi);
        ok &= Write(dir, "genuine-recording.mp4", goodMp4);
        ok &= Write(dir, "genuine-long-recording.mp4", longMp4);

        const auto half = [](const std::string& bytes) { return std::int64_t(bytes.size() / 2); };
        ok &= Write(dir, "tampered-picture.jpg", Flip(goodJpg, half(goodJpg)));
        ok &= Write(dir, "tampered-recording.avi", Flip(goodAvi, half(goodAvi)));
        ok &= Write(dir, "tampered-recording.mp4", Flip(goodMp4, -1024));
        ok &= Write(dir, "forged-watermark.avi",
                    Flip(goodAvi, BlockOffset(std::int64_t(goodAvi.size()), MediaType::Avi) + 10));
        ok &= Write(dir, "no-watermark.jpg", jpg);

        fields.startTime = "2012-06-01 18:00:00";
        fields.endTime = "2012-06-01 18:00:02";
        fields.serial = "VH-0099-0007";
        ok &= Write(dir / "more", "genuine-second-camera.avi", MakeExport(avi, MediaType::Avi, fields));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ardentix-make-samples: %s\n", e.what());
        return 1;
    }
    return ok ? 0 : 1;
}
