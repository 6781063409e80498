// What the file system says of a path, asked one way on every platform: the
// window, the verifier and the folder walk ask here whether a path names a
// regular file or a folder, and how long the file is.
//
// A path is 8-bit, as the system names it (PathText::ToNative). On Windows
// it is taken as the engine opens it (WidePath: the ANSI code page, or UTF-8
// where the name does not fit it, with the long-path prefix where the length
// needs it) and asked by its wide name, so that every name the engine can
// open is found here too. Links are followed. Whether a file can be read is
// not asked beforehand: the engine's open answers it, for the file as it is
// then (a file that another program holds open is a failed file, not a
// missing one).
#ifndef ARDENTIX_CORE_PATHINFO_H
#define ARDENTIX_CORE_PATHINFO_H

#include <QByteArray>
#include <QtGlobal>

namespace PathInfo {

enum class Kind
{
    None,   // nothing there, or the status could not be taken
    File,   // a regular file
    Folder, // a folder
    Other   // a FIFO, a socket or a device
};

struct Status
{
    Kind kind = Kind::None;
    // A regular file's length; -1 for anything else.
    qint64 size = -1;
};

Status Of(const QByteArray& path);

inline bool IsFile(const QByteArray& path)
{
    return Of(path).kind == Kind::File;
}

inline bool IsFolder(const QByteArray& path)
{
    return Of(path).kind == Kind::Folder;
}

} // namespace PathInfo

#endif
