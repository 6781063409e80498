#include "Sha256.h"

#include "DigestAlgorithms.h"
#include "InputFile.h"

#include <openssl/crypto.h>

#include <vector>

int Sha256Init(Sha256Context* ctx)
{
    ctx->impl = StartDigest(Sha256Algorithm()).release();
    return ctx->impl != nullptr ? 0 : -1;
}

void Sha256Update(Sha256Context* ctx, const unsigned char* bytes, std::size_t length)
{
    if (ctx->impl != nullptr && length != 0)
        EVP_DigestUpdate(static_cast<EVP_MD_CTX*>(ctx->impl), bytes, length);
}

void Sha256Final(Sha256Context* ctx, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE])
{
    DigestContext owned(static_cast<EVP_MD_CTX*>(ctx->impl));
    FinishDigest(owned, digest, ARDENTIX_SHA256_DIGEST_SIZE);
    OPENSSL_cleanse(ctx, sizeof(*ctx));
}

void Sha256Free(Sha256Context* ctx)
{
    DigestContext owned(static_cast<EVP_MD_CTX*>(ctx->impl));
    ctx->impl = nullptr;
}

int Sha256File(const char* path, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE])
{
    InputFile file;
    if (!file.Open(path))
        return -1;
    DigestContext ctx = StartDigest(Sha256Algorithm());
    if (!ctx)
        return -1;
    std::vector<unsigned char> chunk(std::size_t(256) * 1024);
    std::int64_t offset = 0;
    for (;;) {
        const std::int64_t got = file.ReadAt(offset, chunk.data(), chunk.size());
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        EVP_DigestUpdate(ctx.get(), chunk.data(), static_cast<std::size_t>(got));
        offset += got;
    }
    return FinishDigest(ctx, digest, ARDENTIX_SHA256_DIGEST_SIZE) ? 0 : -1;
}
