// One file to verify, as the paths given by the user yield it.
#ifndef ARDENTIX_CORE_FILEJOB_H
#define ARDENTIX_CORE_FILEJOB_H

#include <QByteArray>
#include <QtGlobal>

struct FileJob
{
    // The path as the system names it: 8-bit, byte for byte as given or as
    // read from the folder (never re-encoded).
    QByteArray path;
    // The length from the status call when the paths were expanded (0 when
    // there is none), for progress counts.
    qint64 size = 0;
    // A folder that could not be listed: reported as a failed file with
    // reason "unreadable" without asking the engine.
    bool unreadableFolder = false;
};

#endif
