#include "FileLayout.h"

#include "InputFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

#include <algorithm>
#include <cstring>

namespace ardentix::engine {

namespace {

// The one table of the layouts.
const std::array<FileLayout, FileTypeCount> kLayouts = {
    {{FileType::Jpg, "JPG", 0, 2}, {FileType::Avi, "AVI", 240, 0}, {FileType::Mp4, "MP4", 3145764, 0}}};

} // namespace

const std::array<FileLayout, FileTypeCount>& AllLayouts()
{
    return kLayouts;
}

std::optional<FileLayout> LayoutForExtension(std::string_view text)
{
    for (const FileLayout& layout : kLayouts) {
        const std::string_view extension = layout.extension;
        if (text.size() != extension.size())
            continue;
        // Only a to z change case: the comparison must not depend on the locale.
        bool same = true;
        for (std::size_t i = 0; same && i < text.size(); ++i) {
            const char c = text[i];
            same = c == extension[i] || (c >= 'a' && c <= 'z' && c - 'a' + 'A' == extension[i]);
        }
        if (same)
            return layout;
    }
    return std::nullopt;
}

std::optional<FileLayout> LayoutForPath(const char* path)
{
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr)
        return std::nullopt;
    return LayoutForExtension(dot + 1);
}

FileLayout LayoutOf(FileType type)
{
    for (const FileLayout& layout : kLayouts) {
        if (layout.type == type)
            return layout;
    }
    return kLayouts[0];
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

std::optional<std::int64_t> FileSize(const char* path)
{
#ifdef _WIN32
    const std::wstring wide = WidePath(path);
    unsigned long attributes = 0;
    std::int64_t size = -1;
    // A folder's length is 0 there: it counts as unreadable, as its opening
    // fails elsewhere, not as a file too short.
    if (wide.empty() || !WideAttributes(wide, &attributes, &size) || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return size;
#else
    struct stat st;
    if (stat(path, &st) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(st.st_size);
#endif
}

} // namespace ardentix::engine
