#include "InputFile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ardentix::engine {

namespace {

// Why an open failed.
enum class OpenFailure
{
    None,
    System,     // errno says why
    NotRegular, // a FIFO, a device or a folder where a regular file was asked for
    InUse       // another program holds the file without sharing it (Windows)
};

} // namespace

#ifdef _WIN32
namespace {

// A path this long or longer needs the prefix: a folder's path must leave
// room for a name of 8 and 3 characters below it.
const std::size_t kLongPath = MAX_PATH - 12;

bool HasPrefix(const std::wstring& path)
{
    return path.compare(0, 4, L"\\\\?\\") == 0 || path.compare(0, 4, L"\\\\.\\") == 0;
}

// The prefix rule of WidePath for a wide name.
std::wstring LongPathForm(const std::wstring& path)
{
    if (path.empty() || HasPrefix(path))
        return path;
    // The full form resolves what the prefix leaves as it is: a relative
    // path, "." and "..", and forward slashes.
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    if (full.size() < kLongPath)
        return path;
    if (full.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

} // namespace

std::wstring WidePath(const char* path)
{
    const int length = static_cast<int>(std::strlen(path));
    bool ascii = true;
    for (int i = 0; i < length && ascii; ++i)
        ascii = static_cast<unsigned char>(path[i]) < 0x80;
    // MB_ERR_INVALID_CHARS makes the UTF-8 reading fail on any byte that is
    // not part of well-formed UTF-8; the code page reading never fails.
    UINT codePage = CP_ACP;
    DWORD flags = 0;
    if (!ascii && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, length, nullptr, 0) > 0) {
        codePage = CP_UTF8;
        flags = MB_ERR_INVALID_CHARS;
    }
    const int wide = MultiByteToWideChar(codePage, flags, path, length, nullptr, 0);
    if (wide <= 0)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, flags, path, length, out.data(), wide);
    return LongPathForm(out);
}

bool WideAttributes(const std::wstring& path, unsigned long* attributes, std::int64_t* size)
{
    const auto length = [](DWORD high, DWORD low) { return static_cast<std::int64_t>((ULONGLONG(high) << 32) | low); };
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        *attributes = data.dwFileAttributes;
        *size = length(data.nFileSizeHigh, data.nFileSizeLow);
    } else {
        // Some files held open without sharing answer only through their
        // folder's listing. A wildcard there would list other names.
        if (GetLastError() != ERROR_SHARING_VIOLATION ||
            path.find_first_of(L"*?", HasPrefix(path) ? 4 : 0) != std::wstring::npos)
            return false;
        WIN32_FIND_DATAW found;
        const HANDLE find = FindFirstFileW(path.c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            return false;
        FindClose(find);
        *attributes = found.dwFileAttributes;
        *size = length(found.nFileSizeHigh, found.nFileSizeLow);
    }
    if ((*attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return true;
    // A link: what it leads to, as opening the path reaches it. Asking for
    // no access opens files that others hold without sharing.
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (!known)
        return false;
    *attributes = info.dwFileAttributes;
    *size = length(info.nFileSizeHigh, info.nFileSizeLow);
    return true;
}
#endif

#ifdef _WIN32
namespace {

// The C library's errno for a failed CreateFileW, as _wopen would set it.
int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    default:
        return EINVAL;
    }
}

// The C library's status calls a folder opened this way (Wine opens one) a
// regular file; the handle's attributes tell.
bool IsRegular(int fd)
{
    struct _stat64 st;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    BY_HANDLE_FILE_INFORMATION info;
    return _fstat64(fd, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG && GetFileType(handle) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<int> OpenReadOnly(const char* path, bool regularOnly, OpenFailure* why)
{
    *why = OpenFailure::System;
    const std::wstring wide = WidePath(path);
    if (wide.empty()) {
        errno = ENOENT;
        return std::nullopt;
    }
    // Others may go on reading and writing the file meanwhile, as with the
    // C library's open, and may rename or delete it, as on Linux: while its
    // picture is made, the user's own file stays theirs to move. The handle
    // is not inherited. A program that holds the file open without sharing
    // it makes the open fail at once.
    const HANDLE opened =
        CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
            *why = OpenFailure::InUse;
        errno = ErrnoOf(error);
        return std::nullopt;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(opened), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(opened);
        return std::nullopt;
    }
    if (regularOnly && !IsRegular(fd)) {
        _close(fd);
        *why = OpenFailure::NotRegular;
        return std::nullopt;
    }
    *why = OpenFailure::None;
    return fd;
}
} // namespace
#else
namespace {

std::optional<int> OpenReadOnly(const char* path, bool regularOnly, OpenFailure* why)
{
    *why = OpenFailure::System;
    // O_NONBLOCK keeps a FIFO from blocking the open; it is dropped again
    // once the file is known to be a regular file.
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0)
        return std::nullopt;
    if (regularOnly) {
        struct stat st;
        const bool known = fstat(fd, &st) == 0;
        const int flags = known && S_ISREG(st.st_mode) ? fcntl(fd, F_GETFL) : -1;
        if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            const int error = errno;
            close(fd);
            errno = error;
            if (known && !S_ISREG(st.st_mode))
                *why = OpenFailure::NotRegular;
            return std::nullopt;
        }
    }
    *why = OpenFailure::None;
    return fd;
}

} // namespace
#endif

InputFile::~InputFile()
{
    Close();
}

bool InputFile::Open(const char* path, bool regularOnly)
{
    Close();
    OpenFailure why = OpenFailure::None;
    const std::optional<int> fd = OpenReadOnly(path, regularOnly, &why);
    m_inUse = why == OpenFailure::InUse;
    m_notRegular = why == OpenFailure::NotRegular;
    if (!fd)
        return false;
#if !defined(_WIN32) && defined(POSIX_FADV_SEQUENTIAL)
    (void)posix_fadvise(*fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    m_fd = *fd;
    return true;
}

bool InputFile::ReadAt(std::int64_t offset, unsigned char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
#ifdef _WIN32
        // _read has no offset; one descriptor is never shared between threads.
        if (_lseeki64(m_fd, offset + static_cast<std::int64_t>(done), SEEK_SET) < 0)
            return false;
        const std::size_t want = size - done > 0x40000000 ? 0x40000000 : size - done;
        const int got = _read(m_fd, bytes + done, static_cast<unsigned int>(want));
#else
        const ssize_t got = pread(m_fd, bytes + done, size - done, static_cast<off_t>(offset + std::int64_t(done)));
#endif
        if (got < 0) {
#ifdef _WIN32
            // A part that another program has locked.
            m_inUse = GetLastError() == ERROR_LOCK_VIOLATION;
#endif
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<std::int64_t> InputFile::Length() const
{
#ifdef _WIN32
    struct _stat64 st;
    if (_fstat64(m_fd, &st) != 0)
        return std::nullopt;
#else
    struct stat st;
    if (fstat(m_fd, &st) != 0)
        return std::nullopt;
#endif
    return static_cast<std::int64_t>(st.st_size);
}

bool InputFile::Adopt(int fd)
{
    Close();
    m_inUse = false;
#ifdef _WIN32
    m_notRegular = fd >= 0 && !IsRegular(fd);
#else
    struct stat st;
    m_notRegular = fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode));
#endif
    m_fd = fd;
    if (m_notRegular)
        Close();
    return m_fd >= 0;
}

std::optional<FileIdentity> InputFile::Identity() const
{
    FileIdentity identity;
#ifdef _WIN32
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(m_fd));
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basic;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info) ||
        !GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof(basic)))
        return std::nullopt;
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t(high) << 32) | low; };
    identity.device = info.dwVolumeSerialNumber;
    identity.index = join(info.nFileIndexHigh, info.nFileIndexLow);
    identity.size = static_cast<std::int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow));
    identity.modified = basic.LastWriteTime.QuadPart;
    identity.changed = basic.ChangeTime.QuadPart;
#else
    struct stat st;
    if (m_fd < 0 || fstat(m_fd, &st) != 0)
        return std::nullopt;
    identity.device = static_cast<std::uint64_t>(st.st_dev);
    identity.index = static_cast<std::uint64_t>(st.st_ino);
    identity.size = static_cast<std::int64_t>(st.st_size);
    identity.modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.changed = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
#endif
    return identity;
}

int InputFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void InputFile::Close()
{
    if (m_fd < 0)
        return;
        // A read-only descriptor has nothing to flush; its close cannot lose data.
#ifdef _WIN32
    (void)_close(m_fd);
#else
    (void)close(m_fd);
#endif
    m_fd = -1;
}

} // namespace ardentix::engine
