// The Open Folder rule: which files of a folder are verified.
//
// The folder is walked recursively. Only regular files are kept: no
// symbolic links (to files or to folders), no FIFOs, sockets or devices, and
// no hidden entries (hidden folders are not entered). A file is kept when its
// complete suffix (everything after the first "."), in lower case, is exactly
// "mp4", "avi" or "jpg": "clip.MP4" is kept, "clip.mp4.bak" and
// "clip.2012.mp4" are not.
//
// Header-only and QtCore-only, for the desktop program and the command-line
// verifier alike.
#ifndef ARDENTIX_RUN_MEDIAFOLDERWALK_H
#define ARDENTIX_RUN_MEDIAFOLDERWALK_H

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <functional>

// The media files under folder, in the order the walk meets them.
// afterEachEntry, when given, is called after every entry the walk yields,
// kept or not (to report progress or to keep an event loop turning). An
// empty folder path gives an empty list: it never stands for the working
// directory.
inline QStringList CollectMediaFiles(const QString& folder, const std::function<void()>& afterEachEntry = {})
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    QDirIterator it(folder, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString suffix = info.completeSuffix().toLower();
        if (suffix == QLatin1String("mp4") || suffix == QLatin1String("avi") || suffix == QLatin1String("jpg"))
            files << info.filePath();
        if (afterEachEntry)
            afterEachEntry();
    }
    return files;
}

#endif
