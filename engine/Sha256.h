// SHA-256 of whole files, for chain-of-custody records.
#ifndef ARDENTIX_ENGINE_SHA256_H
#define ARDENTIX_ENGINE_SHA256_H

#include <cstddef>

#define ARDENTIX_SHA256_DIGEST_SIZE 32

struct Sha256Context
{
    void* impl; // OpenSSL digest context
};

// Returns 0, or -1 when no digest context could be had.
int Sha256Init(Sha256Context* ctx);
void Sha256Update(Sha256Context* ctx, const unsigned char* bytes, std::size_t length);
// Writes the digest, then wipes and releases the context.
void Sha256Final(Sha256Context* ctx, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE]);
// Releases the context without a result (for paths that give up).
void Sha256Free(Sha256Context* ctx);

// SHA-256 of the whole file at path. Returns 0, or -1 when it is not a
// readable regular file or a read fails.
int Sha256File(const char* path, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE]);

#endif
