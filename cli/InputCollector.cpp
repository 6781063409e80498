#include "InputCollector.h"

#include "FileDigest.h"
#include "MediaFolderWalk.h"
#include "PathText.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace {

#ifdef Q_OS_UNIX

// The complete suffix rule of MediaFolderWalk.h on a name's bytes.
bool HasMediaSuffix(const QByteArray& name)
{
    const qsizetype dot = name.indexOf('.');
    if (dot < 0)
        return false;
    const QByteArray suffix = name.mid(dot + 1).toLower();
    return suffix == "mp4" || suffix == "avi" || suffix == "jpg";
}

QByteArray Join(const QByteArray& folder, const QByteArray& name)
{
    // As QDirIterator joins them: a folder given with a trailing "/" gets no
    // second one.
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// Appends the files under folder that the folder rule keeps and whose path
// below the walk's root is not well-formed UTF-8 (or all of them, when
// inherited is set: an ancestor's name already was not). These are exactly
// the files that Qt's listing leaves out. Subfolders that cannot be listed
// go to unlisted. Returns whether folder itself could be opened.
bool ListUndecodable(const QByteArray& folder, bool inherited, std::vector<QByteArray>& out,
                     std::vector<QByteArray>& unlisted)
{
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr)
        return false;
    while (const dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue; // hidden entries, "." and ".."
        const bool undecodable = inherited || !PathText::IsValidUtf8(name);
#ifdef _DIRENT_HAVE_D_TYPE
        // Spare the status call where the entry's type settles it.
        if (entry->d_type == DT_LNK || (entry->d_type == DT_REG && !undecodable))
            continue;
#endif
        const QByteArray path = Join(folder, name);
        struct stat st;
        if (lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            if (!ListUndecodable(path, undecodable, out, unlisted))
                unlisted.push_back(path);
        } else if (S_ISREG(st.st_mode) && undecodable && HasMediaSuffix(name))
            out.push_back(path);
    }
    closedir(dir);
    return true;
}

#endif

} // namespace

bool InputCollector::IsFolder(const QByteArray& path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path.toStdString()), error);
}

std::vector<FileJob> InputCollector::FolderFiles(const QByteArray& folder, bool* listed)
{
    std::vector<QByteArray> files;
    std::vector<QByteArray> unlisted;
    const bool decodable = PathText::IsValidUtf8(folder);
    if (decodable) {
        // A folder whose own name Qt cannot hold is never handed to it: the
        // decoded name could be another folder's.
        const QStringList walked = CollectMediaFiles(QFile::decodeName(folder));
        files.reserve(static_cast<std::size_t>(walked.size()));
        for (const QString& path : walked)
            files.push_back(QFile::encodeName(path));
    }
#ifdef Q_OS_UNIX
    *listed = ListUndecodable(folder, !decodable, files, unlisted);
#else
    *listed = decodable && QDir(QFile::decodeName(folder)).isReadable();
#endif
    std::vector<FileJob> jobs;
    jobs.reserve(files.size() + unlisted.size());
    for (const QByteArray& file : files) {
        const std::int64_t size = FileSize(file.constData());
        jobs.push_back({file, size > 0 ? size : 0, false});
    }
    for (const QByteArray& path : unlisted)
        jobs.push_back({path, 0, true});
    std::sort(jobs.begin(), jobs.end(), [](const FileJob& a, const FileJob& b) { return a.path < b.path; });
    jobs.erase(
        std::unique(jobs.begin(), jobs.end(), [](const FileJob& a, const FileJob& b) { return a.path == b.path; }),
        jobs.end());
    return jobs;
}

std::vector<FileJob> InputCollector::Collect(const std::vector<QByteArray>& paths)
{
    std::vector<FileJob> jobs;
    for (const QByteArray& path : paths) {
        if (!IsFolder(path)) {
            const std::int64_t size = FileSize(path.constData());
            jobs.push_back({path, size > 0 ? size : 0, false});
            continue;
        }
        bool listed = false;
        std::vector<FileJob> files = FolderFiles(path, &listed);
        if (!listed) {
            jobs.push_back({path, 0, true});
            continue;
        }
        jobs.insert(jobs.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
    }
    return jobs;
}
