#include "Sha256.h"

#include "InputFile.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <cstring>

int Sha256Init(Sha256Context* ctx)
{
    EVP_MD_CTX* evp = EVP_MD_CTX_new();
    ctx->impl = nullptr;
    if (evp == nullptr)
        return -1;
    if (EVP_DigestInit_ex(evp, EVP_sha256(), nullptr) != 1) {
        EVP_MD_CTX_free(evp);
        return -1;
    }
    ctx->impl = evp;
    return 0;
}

void Sha256Update(Sha256Context* ctx, const unsigned char* bytes, std::size_t length)
{
    if (ctx->impl == nullptr || length == 0)
        return;
    EVP_DigestUpdate(static_cast<EVP_MD_CTX*>(ctx->impl), bytes, length);
}

void Sha256Final(Sha256Context* ctx, unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE])
{
    EVP_MD_CTX* evp = static_cast<EVP_MD_CTX*>(ctx->impl);
    if (evp != nullptr) {
        unsigned int written = 0;
        EVP_DigestFinal_ex(evp, digest, &written);
        EVP_MD_CTX_free(evp);
    } else {
        std::memset(digest, 0, ARDENTIX_SHA256_DIGEST_SIZE);
    }
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
