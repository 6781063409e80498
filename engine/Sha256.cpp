#include "Sha256.h"

#include "EvpDigest.h"
#include "InputFile.h"

#include <openssl/crypto.h>

#include <cstring>

int Sha256Init(Sha256Context* ctx)
{
    ctx->impl = EvpDigestStart(EVP_sha256());
    return ctx->impl != nullptr ? 0 : -1;
}

void Sha256Update(Sha256Context* ctx, const unsigned char* bytes, std::size_t length)
{
    EvpDigestAbsorb(ctx->impl, bytes, length);
}

void Sha256Final(Sha256Context* ctx, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE])
{
    EvpDigestFinish(ctx->impl, digest, ARDENTIX_SHA256_DIGEST_SIZE);
    OPENSSL_cleanse(ctx, sizeof(*ctx));
}

void Sha256Free(Sha256Context* ctx)
{
    EVP_MD_CTX_free(static_cast<EVP_MD_CTX*>(ctx->impl));
    ctx->impl = nullptr;
}

int Sha256File(const char* path, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE])
{
    InputFile file;
    Sha256Context ctx;
    unsigned char chunk[ARDENTIX_READ_CHUNK_SIZE];
    int ret = -1;

    InputFileInit(&file);
    if (InputFileOpen(&file, path) != 0)
        goto cleanup;
    if (Sha256Init(&ctx) != 0)
        goto cleanup;
    for (;;) {
        std::size_t count = InputFileRead(&file, chunk, sizeof(chunk));
        if (count == 0)
            break;
        Sha256Update(&ctx, chunk, count);
    }
    if (InputFileError(&file)) {
        Sha256Free(&ctx);
        goto cleanup;
    }
    Sha256Final(&ctx, digest);
    ret = 0;

cleanup:
    InputFileFree(&file);
    return ret;
}
