// The POSIX calls the suites use for FIFOs, links, folders and locked files.
// Windows has no FIFOs, and its links and permissions are not what these tests
// mean: the stand-ins fail, and the tests skip (ARDENTIX_SKIP_ON_WINDOWS).
#ifndef ARDENTIX_TESTS_POSIXCALLS_H
#define ARDENTIX_TESTS_POSIXCALLS_H

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>

#ifdef _WIN32
#include <cerrno>
#include <direct.h>

// FIFOs and links cannot be made, and the user counts as root, whom file
// modes do not stop; folders are made without a mode.
#define mkfifo(path, mode) (errno = ENOSYS, -1)
#define symlink(target, link) (errno = ENOSYS, -1)
#define geteuid() 0

inline int mkdir(const char* path, int)
{
    return _mkdir(path);
}

#define ARDENTIX_SKIP_ON_WINDOWS(why) QSKIP(why)

// A name as the engine takes it: UTF-8 reaches every name on Windows.
inline QByteArray NativePath(const QString& name)
{
    return name.toUtf8();
}
#else
inline QByteArray NativePath(const QString& name)
{
    return QFile::encodeName(name);
}

#define ARDENTIX_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

#endif
