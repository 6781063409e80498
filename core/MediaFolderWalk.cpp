#include "MediaFolderWalk.h"

#include "FileLayout.h"
#include "PathText.h"

#include <QLatin1Char>
#include <QStringList>

#include <algorithm>
#include <string_view>

#ifdef Q_OS_WIN
#include "InputFile.h"

#include <QString>

#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>
#endif

bool IsMediaFileName(const QByteArray& name)
{
    const qsizetype dot = name.indexOf('.');
    if (dot < 0)
        return false;
    // The whole complete suffix names a type: "clip.2012.mp4" is none.
    const std::string_view suffix(name.constData() + dot + 1, static_cast<std::size_t>(name.size() - dot - 1));
    return ardentix::engine::LayoutForExtension(suffix).has_value();
}

QString MediaFilePatterns()
{
    QStringList patterns;
    for (const ardentix::engine::FileLayout& layout : ardentix::engine::AllLayouts())
        patterns << QStringLiteral("*.") + QString::fromLatin1(layout.extension).toLower();
    return patterns.join(QLatin1Char(';'));
}

namespace {

#ifdef Q_OS_WIN

// The paths found keep the separator of the folder as given: "D:\x" lists
// "D:\x\a.jpg", "D:/x" lists "D:/x/a.jpg". They are joined as text and
// converted whole, so that a name outside the code page makes the whole path
// UTF-8, as PathText::ToNative makes any path.
QString Join(const QString& folder, QChar separator, const QString& name)
{
    const bool ends = folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')) ||
                      (folder.size() == 2 && folder.at(1) == QLatin1Char(':'));
    return ends ? folder + name : folder + separator + name;
}

// A link to a file or a folder, which the walk does not follow. Other
// reparse points (files kept in the cloud, deduplicated files) are files.
bool IsLink(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (entry.dwReserved0 == IO_REPARSE_TAG_SYMLINK || entry.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

// Returns whether folder could be listed. It is listed by its wide name as
// the engine opens files (WidePath), so a path of any length is listed.
bool Walk(const QString& folder, QChar separator, MediaFolderListing& out, const std::function<bool()>& tick)
{
    std::wstring pattern = ardentix::engine::WidePath(PathText::ToNative(folder).constData());
    if (pattern.empty())
        return false;
    if (pattern.back() != L'\\' && pattern.back() != L'/' && pattern.back() != L':')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND; // a drive's empty root
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0 && !IsLink(entry)) {
            const QString path = Join(folder, separator, name);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!Walk(path, separator, out, tick))
                    out.unlisted.push_back(PathText::ToNative(path));
            } else if (IsMediaFileName(PathText::ToNative(name))) {
                out.files.push_back(PathText::ToNative(path));
            }
        }
        if (!tick())
            break;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return true;
}

#else

QByteArray Join(const QByteArray& folder, const QByteArray& name)
{
    // A folder given with a trailing "/" gets no second one.
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// Returns whether folder could be opened.
bool Walk(const QByteArray& folder, MediaFolderListing& out, const std::function<bool()>& tick)
{
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr)
        return false;
    while (const dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue; // hidden entries, "." and ".."
        const QByteArray path = Join(folder, name);
        bool isDir = false;
        bool isFile = false;
#ifdef _DIRENT_HAVE_D_TYPE
        // Spare the status call where the entry's type settles it.
        if (entry->d_type == DT_DIR || entry->d_type == DT_REG) {
            isDir = entry->d_type == DT_DIR;
            isFile = entry->d_type == DT_REG;
        } else if (entry->d_type != DT_UNKNOWN) {
            if (!tick())
                break;
            continue; // symbolic links, FIFOs, sockets, devices
        } else
#endif
        {
            struct stat st;
            if (lstat(path.constData(), &st) == 0) {
                isDir = S_ISDIR(st.st_mode);
                isFile = S_ISREG(st.st_mode);
            }
        }
        if (isDir) {
            if (!Walk(path, out, tick))
                out.unlisted.push_back(path);
        } else if (isFile && IsMediaFileName(name)) {
            out.files.push_back(path);
        }
        if (!tick())
            break;
    }
    closedir(dir);
    return true;
}

#endif

} // namespace

MediaFolderListing WalkMediaFolder(const QByteArray& folder, const WalkTick& afterEachEntry)
{
    MediaFolderListing out;
    if (folder.isEmpty())
        return out;
    // Once stopped, the walk stays stopped at every level of the tree.
    bool stopped = false;
    const std::function<bool()> tick = [&] {
        if (!stopped && afterEachEntry && !afterEachEntry())
            stopped = true;
        return !stopped;
    };
#ifdef Q_OS_WIN
    // Windows names are UTF-16 and all of them convert; hidden entries and
    // links are passed over, as elsewhere.
    const QString root = PathText::FromNative(folder);
    out.listed = Walk(root, root.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/'), out, tick);
#else
    out.listed = Walk(folder, out, tick);
#endif
    std::sort(out.files.begin(), out.files.end());
    std::sort(out.unlisted.begin(), out.unlisted.end());
    return out;
}
