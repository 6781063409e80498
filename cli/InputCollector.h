// Expands the PATHs given on the command line into the files to verify.
//
// A PATH that names a folder (or a symbolic link to one) is walked with the
// Open Folder rule (run/MediaFolderWalk.h) and its files are listed in
// byte-wise sorted path order. Anything else, whatever its name and even
// when it does not exist, is one file for the engine, which takes its status
// before it opens it, so a FIFO or a device cannot block the run.
//
// Qt leaves out of a folder listing every entry whose name is not
// well-formed UTF-8, and passes over subfolders it cannot list. A second,
// byte-level listing with the same rule finds the former and reports the
// latter as unreadable, so that nothing in a folder is skipped silently.
#ifndef ARDENTIX_CLI_INPUTCOLLECTOR_H
#define ARDENTIX_CLI_INPUTCOLLECTOR_H

#include "FileJob.h"

#include <QByteArray>

#include <vector>

class InputCollector
{
public:
    // The files of the PATHs, in the PATHs' order.
    static std::vector<FileJob> Collect(const std::vector<QByteArray>& paths);

    // The files under folder by the folder rule, sorted byte-wise, with
    // the subfolders that could not be listed among them (marked
    // unreadableFolder: what they hold cannot be vouched for). Sets *listed
    // to whether the folder itself could be listed.
    static std::vector<FileJob> FolderFiles(const QByteArray& folder, bool* listed);

    static bool IsFolder(const QByteArray& path);
};

#endif
