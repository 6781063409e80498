#include "Md5.h"

#include "EvpDigest.h"

#include <openssl/crypto.h>

#include <cstring>

namespace {

// The key that the recording servers use for the file digest.
const unsigned char kWatermarkKey[ARDENTIX_WATERMARK_KEY_SIZE] = {
    'Q', 'r', 'z', 'n', '.', 'W', 'e', 's', 't', 'e', 'r', 'l', 'a', 'n', 'd', 'i', 'a', '.', '1', '9', '9', '7'};

const int kMd5BlockSize = 64;

} // namespace

int Md5Init(Md5Context* ctx)
{
    ctx->impl = EvpDigestStart(EVP_md5());
    return ctx->impl != nullptr ? 0 : -1;
}

void Md5Update(Md5Context* ctx, const unsigned char* bytes, std::uint32_t length)
{
    EvpDigestAbsorb(ctx->impl, bytes, length);
}

void Md5Final(Md5Context* ctx, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    EvpDigestFinish(ctx->impl, digest, ARDENTIX_MD5_DIGEST_SIZE);
    OPENSSL_cleanse(ctx, sizeof(*ctx));
}

void HmacMd5(const unsigned char* message, std::uint32_t length, const unsigned char key[ARDENTIX_WATERMARK_KEY_SIZE],
             unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    // The key is shorter than a block, so it is padded with zeros, never hashed.
    unsigned char pad[kMd5BlockSize];
    unsigned char inner[ARDENTIX_MD5_DIGEST_SIZE];
    Md5Context ctx;

    std::memset(pad, 0x36, sizeof(pad));
    for (int i = 0; i < ARDENTIX_WATERMARK_KEY_SIZE; ++i)
        pad[i] ^= key[i];
    Md5Init(&ctx);
    Md5Update(&ctx, pad, sizeof(pad));
    Md5Update(&ctx, message, length);
    Md5Final(&ctx, inner);

    std::memset(pad, 0x5c, sizeof(pad));
    for (int i = 0; i < ARDENTIX_WATERMARK_KEY_SIZE; ++i)
        pad[i] ^= key[i];
    Md5Init(&ctx);
    Md5Update(&ctx, pad, sizeof(pad));
    Md5Update(&ctx, inner, sizeof(inner));
    Md5Final(&ctx, mac);

    OPENSSL_cleanse(pad, sizeof(pad));
    OPENSSL_cleanse(inner, sizeof(inner));
}

void WatermarkHmac(const unsigned char* message, std::uint32_t length, unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    HmacMd5(message, length, kWatermarkKey, mac);
}
