// The folder walk of "Open Folder", shared with the command-line verifier.
// Header-only and Qt Core only, so that the verifier need not link Widgets.
#ifndef ARDENTIX_RUN_MEDIAFOLDERWALK_H
#define ARDENTIX_RUN_MEDIAFOLDERWALK_H

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>

// The regular files below folder, at any depth, whose complete suffix (all
// after the first dot of the name) is "mp4", "avi" or "jpg" in any letter
// case, in the order of the walk. Symbolic links are neither listed nor
// followed, and hidden entries are skipped. afterEachEntry runs after every
// entry, collected or not. The empty path gives an empty list: it would
// otherwise walk the working directory.
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
            files.append(info.filePath());
        if (afterEachEntry)
            afterEachEntry();
    }
    return files;
}

#endif
