// Read-only access to the file under test, with a fixed stream buffer.
//
// Only regular files are opened: a FIFO, a device or a directory given as a
// path is refused without blocking, whatever the status call said before.
#ifndef ARDENTIX_ENGINE_INPUTFILE_H
#define ARDENTIX_ENGINE_INPUTFILE_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Chunk size of the digest's reads.
#define ARDENTIX_READ_CHUNK_SIZE 1024
// Size of the stream buffer beneath the chunk reads: large enough that the
// system calls cost nothing next to the hash, and the same for every file.
#define ARDENTIX_STREAM_BUFFER_SIZE (std::size_t(256) * 1024)

struct InputFile
{
    std::FILE* stream;
    char* buffer;
};

void InputFileInit(InputFile* file);
// Opens path read-only, in binary mode. Returns 0, or -1 when it cannot be
// opened or is not a regular file.
int InputFileOpen(InputFile* file, const char* path);
// Reads up to size bytes; returns the count read, 0 at the end or on error.
std::size_t InputFileRead(InputFile* file, unsigned char* bytes, std::size_t size);
// Seeks like fseeko. Returns 0 or -1.
int InputFileSeek(InputFile* file, std::int64_t offset, int whence);
// Nonzero when a read failed (as opposed to reaching the end).
int InputFileError(InputFile* file);
// The length of the open file now, or -1.
std::int64_t InputFileLength(InputFile* file);
// Closes the file and releases the buffer. Harmless on a file never opened.
void InputFileFree(InputFile* file);

#endif
