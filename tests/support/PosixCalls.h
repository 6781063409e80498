// The POSIX calls the suites use for FIFOs, links, folders and locked files,
// and files and folders that cannot be read.
// Windows has no FIFOs, and its links and permissions are not what these tests
// mean: the stand-ins fail, and the tests skip (ARDENTIX_SKIP_ON_WINDOWS).
#ifndef ARDENTIX_TESTS_POSIXCALLS_H
#define ARDENTIX_TESTS_POSIXCALLS_H

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>

#ifdef _WIN32
#include "InputFile.h"

#include <cerrno>
#include <direct.h>
#include <windows.h>

// FIFOs and links cannot be made, and the user counts as root, whom file
// modes do not stop; folders are made without a mode.
#define mkfifo(path, mode) ((void)(path), (void)(mode), errno = ENOSYS, -1)
#define symlink(target, link) ((void)(target), (void)(link), errno = ENOSYS, -1)
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

// A name that the ANSI code page holds, whichever of 1252, 932 or 1251 it
// is, followed by suffix.
inline QString AnsiName(const QString& suffix)
{
    const QString names[] = {QStringLiteral("caf\u00e9"), QStringLiteral("\u76e3\u8996"),
                             QStringLiteral("\u043e\u0442\u0447\u0451\u0442")};
    for (const QString& name : names) {
        if (QString::fromLocal8Bit(name.toLocal8Bit()) == name)
            return name + suffix;
    }
    return QStringLiteral("plain") + suffix;
}
#else
inline QByteArray NativePath(const QString& name)
{
    return QFile::encodeName(name);
}

#define ARDENTIX_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

// Keeps a file or a folder from being read or listed while it lives: held
// open without sharing on Windows, as another program can hold it; mode 0
// elsewhere, which does not stop root (Locked() is false then).
class Unreadable
{
public:
    explicit Unreadable(const QString& path) : m_path(NativePath(path))
    {
#ifdef _WIN32
        m_handle = CreateFileW(ardentix::engine::WidePath(m_path.constData()).c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        m_locked = m_handle != INVALID_HANDLE_VALUE;
#else
        struct stat st;
        m_locked = geteuid() != 0 && stat(m_path.constData(), &st) == 0 && chmod(m_path.constData(), 0) == 0;
        m_mode = m_locked ? st.st_mode & 07777 : 0;
#endif
    }
    ~Unreadable()
    {
#ifdef _WIN32
        if (m_locked)
            CloseHandle(m_handle);
#else
        if (m_locked)
            chmod(m_path.constData(), m_mode);
#endif
    }
    bool Locked() const
    {
        return m_locked;
    }

private:
    QByteArray m_path;
    bool m_locked = false;
#ifdef _WIN32
    HANDLE m_handle = INVALID_HANDLE_VALUE;
#else
    mode_t m_mode = 0;
#endif
};

#endif
