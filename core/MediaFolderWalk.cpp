#include "MediaFolderWalk.h"

#include "PathText.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
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
    // QByteArray::toLower changes only ASCII letters, whatever the locale.
    const QByteArray suffix = name.mid(dot + 1).toLower();
    return suffix == "mp4" || suffix == "avi" || suffix == "jpg";
}

namespace {

#ifndef Q_OS_WIN

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
    // Windows names are UTF-16 and all of them convert; Qt's iterator lists
    // them, without hidden entries or links.
    // The paths found keep the separator of the folder as given: "D:\x"
    // lists "D:\x\a.jpg", "D:/x" lists "D:/x/a.jpg".
    const QString root = PathText::FromNative(folder);
    const bool backslashes = root.contains(QLatin1Char('\\'));
    out.listed = QFileInfo(root).isDir() && QDir(root).isReadable();
    if (out.listed) {
        QDirIterator it(root, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (IsMediaFileName(PathText::ToNative(it.fileName())))
                out.files.push_back(
                    PathText::ToNative(backslashes ? QDir::toNativeSeparators(it.filePath()) : it.filePath()));
            if (!tick())
                break;
        }
    }
#else
    out.listed = Walk(folder, out, tick);
#endif
    std::sort(out.files.begin(), out.files.end());
    std::sort(out.unlisted.begin(), out.unlisted.end());
    return out;
}
