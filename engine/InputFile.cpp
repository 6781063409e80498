#include "InputFile.h"

#include <cstdlib>

#ifdef _WIN32
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

void InputFileInit(InputFile* file)
{
    file->stream = nullptr;
    file->buffer = nullptr;
}

int InputFileOpen(InputFile* file, const char* path)
{
#ifdef _WIN32
    file->stream = std::fopen(path, "rb");
    if (file->stream == nullptr)
        return -1;
    struct _stat64 st;
    if (_fstat64(_fileno(file->stream), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        InputFileFree(file);
        return -1;
    }
#else
    // O_NONBLOCK keeps a FIFO from blocking the open; it is dropped again
    // once the file is known to be a regular file.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
#if defined(POSIX_FADV_SEQUENTIAL)
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    file->stream = fdopen(fd, "rb");
    if (file->stream == nullptr) {
        close(fd);
        return -1;
    }
#endif
    file->buffer = static_cast<char*>(std::malloc(ARDENTIX_STREAM_BUFFER_SIZE));
    // Without the buffer the stream keeps its default one; only speed differs.
    if (file->buffer != nullptr && std::setvbuf(file->stream, file->buffer, _IOFBF, ARDENTIX_STREAM_BUFFER_SIZE) != 0) {
        std::free(file->buffer);
        file->buffer = nullptr;
    }
    return 0;
}

std::size_t InputFileRead(InputFile* file, unsigned char* bytes, std::size_t size)
{
    return std::fread(bytes, 1, size, file->stream);
}

int InputFileSeek(InputFile* file, std::int64_t offset, int whence)
{
#ifdef _WIN32
    return _fseeki64(file->stream, offset, whence) == 0 ? 0 : -1;
#else
    return fseeko(file->stream, static_cast<off_t>(offset), whence) == 0 ? 0 : -1;
#endif
}

int InputFileError(InputFile* file)
{
    return std::ferror(file->stream);
}

std::int64_t InputFileLength(InputFile* file)
{
#ifdef _WIN32
    struct _stat64 st;
    if (_fstat64(_fileno(file->stream), &st) != 0)
        return -1;
#else
    struct stat st;
    if (fstat(fileno(file->stream), &st) != 0)
        return -1;
#endif
    return static_cast<std::int64_t>(st.st_size);
}

void InputFileFree(InputFile* file)
{
    // A read-only stream has nothing to flush; its close cannot lose data.
    if (file->stream != nullptr)
        (void)std::fclose(file->stream);
    std::free(file->buffer);
    file->stream = nullptr;
    file->buffer = nullptr;
}
