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
#include <optional>
#ifdef _WIN32
#include <string>
#endif

namespace ardentix::engine {

// What tells one file from another and one content of it from the next:
// the file system's number for it (device and inode, or volume serial and
// file index), its length and its modification and status-change times.
// Another file put in its place, or a write to it, changes it.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t index = 0;
    std::int64_t size = -1;
    std::int64_t modified = 0; // nanoseconds (100 ns steps on Windows)
    std::int64_t changed = 0;

    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && index == other.index && size == other.size && modified == other.modified &&
               changed == other.changed;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

class InputFile
{
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens path (the system's bytes; on Windows read as WidePath reads
    // them) read-only in binary mode, not inherited by child processes.
    // regularOnly refuses anything but a regular file without blocking on a
    // FIFO; without it, a FIFO's open waits for its writer, as a list read
    // from one needs. Returns false when the file cannot be opened (errno
    // says why, InUse whether another program holds it) or is not a regular
    // file (NotRegular).
    bool Open(const char* path, bool regularOnly = true);
    bool IsOpen() const { return m_fd >= 0; }
    // Takes over an open descriptor (the C runtime's on Windows), which it
    // then closes. False, with the descriptor closed, when it is not a
    // regular file.
    bool Adopt(int fd);
    // The open descriptor, still owned here.
    int Descriptor() const { return m_fd; }

    // Reads size bytes at offset, retrying interrupted and partial reads.
    // Returns false on a read error, or when the file ends before them.
    bool ReadAt(std::int64_t offset, unsigned char* bytes, std::size_t size);

    // The length of the open file now; nothing when its status fails.
    std::optional<std::int64_t> Length() const;
    // The open file's identity now; nothing when its status fails.
    std::optional<FileIdentity> Identity() const;

    // Whether the last Open or ReadAt failed because another program holds
    // the file open without sharing it, or has locked the part read
    // (Windows); false elsewhere.
    bool InUse() const { return m_inUse; }
    // Whether the last Open failed because the path is not a regular file.
    bool NotRegular() const { return m_notRegular; }

    // Hands the open descriptor (the C runtime's on Windows) to the caller,
    // who closes it; the file is no longer open here.
    int Release();

    void Close();

private:
    int m_fd = -1;
    bool m_inUse = false;
    bool m_notRegular = false;
};

#ifdef _WIN32
// An 8-bit path as Windows' wide (UTF-16) name, in the form its file calls
// take at any length. Names that fit the ANSI code page come in that code
// page; a name that does not fit comes as UTF-8 instead, so that no file is
// out of reach for its name. Well-formed UTF-8 with a byte above 0x7F is read
// as UTF-8, anything else in the ANSI code page. A path whose full form is
// too long for the calls' old limit of 260 characters (a folder's is 248) is
// given as that full form with the prefix "\\?\" ("\\?\UNC\" for a
// share), which lifts the limit. Returns an empty string for a path that
// converts to nothing.
std::wstring WidePath(const char* path);

// The attributes and length of what a wide path (from WidePath) names, as
// its folder lists them, so that a file that another program holds open
// has them too. False when there is nothing at the path.
bool WideAttributes(const std::wstring& path, unsigned long* attributes, std::int64_t* size);
#endif

} // namespace ardentix::engine

#endif
