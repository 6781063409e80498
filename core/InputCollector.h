// Expands the paths given by the user into the files to verify.
//
// A path that names a folder (or a symbolic link to one) is walked with the
// media-file rule (MediaFolderWalk.h); its files come in byte-wise sorted
// path order, with the subfolders that could not be listed among them as
// unreadable entries. Anything else, whatever its name and even when it does
// not exist, is one file for the engine, which takes its status before it
// opens it, so a FIFO or a device cannot block the run.
#ifndef ARDENTIX_CORE_INPUTCOLLECTOR_H
#define ARDENTIX_CORE_INPUTCOLLECTOR_H

#include "FileJob.h"
#include "MediaFolderWalk.h"

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <functional>
#include <vector>

class InputCollector
{
public:
    // The files of the paths, in the paths' order. afterEachEntry is
    // handed to the folder walk.
    static std::vector<FileJob> Collect(const std::vector<QByteArray>& paths, const WalkTick& afterEachEntry = {});

    // The files of one path, appended to out.
    static void CollectOne(const QByteArray& path, std::vector<FileJob>& out, const WalkTick& afterEachEntry = {});

    // The local files and folders among dropped URLs, as the system names
    // them.
    static std::vector<QByteArray> LocalPaths(const QList<QUrl>& urls);

    // One file, taken as it is (never walked), with its size for progress.
    static FileJob JobFor(const QByteArray& path);
};

#endif
