#include "DigestAlgorithms.h"

#include <openssl/crypto.h>
#include <openssl/provider.h>

#include <cstring>

namespace ardentix::engine {

namespace {

// The library context and the algorithms fetched from it live as long as
// the program; function-local statics make the set-up thread-safe.
struct Algorithms
{
    OSSL_LIB_CTX* context = nullptr;
    EVP_MD* md5 = nullptr;
    EVP_MD* sha256 = nullptr;

    Algorithms()
    {
        context = OSSL_LIB_CTX_new();
        if (context == nullptr)
            return;
        if (OSSL_PROVIDER_load(context, "default") == nullptr)
            return;
        md5 = EVP_MD_fetch(context, "MD5", nullptr);
        sha256 = EVP_MD_fetch(context, "SHA256", nullptr);
    }
    // Kept until exit on purpose: digests may still run on other threads
    // while static objects are destroyed.
};

const Algorithms& Get()
{
    static const Algorithms* algorithms = new Algorithms();
    return *algorithms;
}

} // namespace

DigestContext StartDigest(DigestKind kind)
{
    const EVP_MD* md = kind == DigestKind::Md5 ? Get().md5 : Get().sha256;
    if (md == nullptr)
        return DigestContext();
    DigestContext ctx(EVP_MD_CTX_new());
    if (ctx && EVP_DigestInit_ex(ctx.get(), md, nullptr) != 1)
        ctx.reset();
    return ctx;
}

bool FinishDigest(DigestContext& ctx, unsigned char* digest, std::size_t size)
{
    unsigned int written = 0;
    const bool ok = ctx && EVP_DigestFinal_ex(ctx.get(), digest, &written) == 1 && written == size;
    ctx.reset();
    if (!ok)
        std::memset(digest, 0, size);
    return ok;
}

bool ComputeHmacMd5(const unsigned char* key, std::size_t keyLength, const unsigned char* message, std::size_t length,
                    unsigned char mac[16])
{
    std::size_t written = 0;
    const Algorithms& algorithms = Get();
    const bool ok = algorithms.md5 != nullptr &&
                    EVP_Q_mac(algorithms.context, "HMAC", nullptr, "MD5", nullptr, key, keyLength, message, length, mac,
                              16, &written) != nullptr &&
                    written == 16;
    if (!ok)
        std::memset(mac, 0, 16);
    return ok;
}

} // namespace ardentix::engine
