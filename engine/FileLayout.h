// Where the watermark sits in each type of export, and which bytes its
// keyed digest protects.
//
// The protected bytes are everything but a type-dependent prefix and the
// 512-byte watermark block: for a file of n bytes, bytes skip to
// n - 512 - tail, then the last tail bytes.
#ifndef ARDENTIX_ENGINE_FILELAYOUT_H
#define ARDENTIX_ENGINE_FILELAYOUT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#define ARDENTIX_WATERMARK_BLOCK_SIZE 512

namespace ardentix::engine {

// The types of export.
enum class FileType
{
    Jpg,
    Avi,
    Mp4
};
// How many types there are: the layout table has one row for each.
inline constexpr std::size_t FileTypeCount = 3;

// One type of export: skip bytes at the front are unprotected, and tail
// bytes after the block are protected.
struct FileLayout
{
    FileType type;
    const char* extension; // upper case, without the dot
    std::int64_t skip;
    std::int64_t tail;
};

// Every layout, one a type, in the order JPG, AVI, MP4: what the folder
// walk keeps and what the Open dialog offers come from this one table.
const std::array<FileLayout, FileTypeCount>& AllLayouts();
// The layout whose extension is the whole of text, compared without regard
// to the case of a to z; nothing for any other text.
std::optional<FileLayout> LayoutForExtension(std::string_view text);
// The layout for the text after the last "." of path, as LayoutForExtension
// compares it: JPG, AVI or MP4; nothing for any other type.
std::optional<FileLayout> LayoutForPath(const char* path);
// The layout of a type.
FileLayout LayoutOf(FileType type);

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

// The file's length from the status call, without opening it; nothing when
// the status cannot be obtained.
std::optional<std::int64_t> FileSize(const char* path);

} // namespace ardentix::engine

#endif
