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

#ifdef _WIN32
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
    return out;
}
#endif

InputFile::~InputFile()
{
    Close();
}

bool InputFile::Open(const char* path)
{
    Close();
#ifdef _WIN32
    const std::wstring wide = WidePath(path);
    if (wide.empty())
        return false;
    const int fd = _wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL | _O_NOINHERIT);
    if (fd < 0)
        return false;
    // The C library's status calls a folder opened this way (Wine opens
    // one) a regular file; the handle's attributes tell.
    struct _stat64 st;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    BY_HANDLE_FILE_INFORMATION info;
    if (_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        _close(fd);
        return false;
    }
#else
    // O_NONBLOCK keeps a FIFO from blocking the open; it is dropped again
    // once the file is known to be a regular file.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return false;
    }
#if defined(POSIX_FADV_SEQUENTIAL)
    (void)posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
#endif
    m_fd = fd;
    return true;
}

std::int64_t InputFile::ReadAt(std::int64_t offset, unsigned char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
#ifdef _WIN32
        // _read has no offset; one descriptor is never shared between threads.
        if (_lseeki64(m_fd, offset + static_cast<std::int64_t>(done), SEEK_SET) < 0)
            return -1;
        const std::size_t want = size - done > 0x40000000 ? 0x40000000 : size - done;
        const int got = _read(m_fd, bytes + done, static_cast<unsigned int>(want));
#else
        const ssize_t got = pread(m_fd, bytes + done, size - done, static_cast<off_t>(offset + std::int64_t(done)));
#endif
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t InputFile::Length() const
{
#ifdef _WIN32
    struct _stat64 st;
    if (_fstat64(m_fd, &st) != 0)
        return -1;
#else
    struct stat st;
    if (fstat(m_fd, &st) != 0)
        return -1;
#endif
    return static_cast<std::int64_t>(st.st_size);
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
