// Read-only access to the file under test.
//
// Only regular files are opened: a FIFO, a device or a directory given as a
// path is refused without blocking, whatever the status call said before.
// The file is read by offset, so the watermark block and the digest are
// taken from the same open file, whatever happens to the path meanwhile.
#ifndef ARDENTIX_ENGINE_INPUTFILE_H
#define ARDENTIX_ENGINE_INPUTFILE_H

#include <cstddef>
#include <cstdint>
#ifdef _WIN32
#include <string>
#endif

class InputFile
{
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens path read-only, in binary mode. Returns false when it cannot be
    // opened or is not a regular file.
    bool Open(const char* path);
    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to size bytes at offset, retrying interrupted and partial
    // reads. Returns the count read (less than size only at the end of the
    // file), or -1 on a read error.
    std::int64_t ReadAt(std::int64_t offset, unsigned char* bytes, std::size_t size);

    // The length of the open file now, or -1.
    std::int64_t Length() const;

    void Close();

private:
    int m_fd = -1;
};

#ifdef _WIN32
// An 8-bit path as Windows' wide (UTF-16) name. Names that fit the ANSI code
// page come in that code page; a name that does not fit comes as UTF-8
// instead, so that no file is out of reach for its name. Well-formed UTF-8
// with a byte above 0x7F is read as UTF-8, anything else in the ANSI code
// page. Returns an empty string for a path that converts to nothing.
std::wstring WidePath(const char* path);
#endif

#endif
