// MD5, SHA-256 and HMAC-MD5 from a private OpenSSL library context.
//
// The context loads OpenSSL's default provider itself and reads no system
// configuration, so a policy that takes MD5 away from the default context
// (FIPS-style configurations) cannot turn every genuine export into a
// failure: the digest here is a file-format check, not a security choice of
// the host. When a digest still cannot be had, callers report that as the
// program's own fault, never as a verdict on the file.
#ifndef ARDENTIX_ENGINE_DIGESTALGORITHMS_H
#define ARDENTIX_ENGINE_DIGESTALGORITHMS_H

#include <openssl/evp.h>

#include <cstddef>
#include <memory>

namespace ardentix::engine {

struct DigestContextFree
{
    // EVP_MD_CTX_free cleanses the state before it frees it.
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};

// An owned, started digest computation.
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

enum class DigestKind
{
    Md5,
    Sha256
};

// A new computation of kind; empty when the algorithm cannot be had or no
// computation could be started.
DigestContext StartDigest(DigestKind kind);

// Finishes ctx into digest (size bytes) and releases it. Returns false, with
// digest zeroed, when ctx is empty or the digest fails.
bool FinishDigest(DigestContext& ctx, unsigned char* digest, std::size_t size);

// HMAC-MD5 of message under key, from the private context. Returns false,
// with mac zeroed, when it cannot be computed.
bool ComputeHmacMd5(const unsigned char* key, std::size_t keyLength, const unsigned char* message, std::size_t length,
                    unsigned char mac[16]);

} // namespace ardentix::engine

#endif
