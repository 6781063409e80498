#include "Md5.h"

#include "DigestAlgorithms.h"

#include <openssl/crypto.h>

namespace {

// The key that the recording servers use for the file digest.
const unsigned char kWatermarkKey[ARDENTIX_WATERMARK_KEY_SIZE] = {
    'Q', 'r', 'z', 'n', '.', 'W', 'e', 's', 't', 'e', 'r', 'l', 'a', 'n', 'd', 'i', 'a', '.', '1', '9', '9', '7'};

} // namespace

int Md5Init(Md5Context* ctx)
{
    ctx->impl = StartDigest(Md5Algorithm()).release();
    return ctx->impl != nullptr ? 0 : -1;
}

void Md5Update(Md5Context* ctx, const unsigned char* bytes, std::uint32_t length)
{
    if (ctx->impl != nullptr && length != 0)
        EVP_DigestUpdate(static_cast<EVP_MD_CTX*>(ctx->impl), bytes, length);
}

void Md5Final(Md5Context* ctx, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE])
{
    DigestContext owned(static_cast<EVP_MD_CTX*>(ctx->impl));
    FinishDigest(owned, digest, ARDENTIX_MD5_DIGEST_SIZE);
    OPENSSL_cleanse(ctx, sizeof(*ctx));
}

void HmacMd5(const unsigned char* message, std::uint32_t length, const unsigned char key[ARDENTIX_WATERMARK_KEY_SIZE],
             unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    ComputeHmacMd5(key, ARDENTIX_WATERMARK_KEY_SIZE, message, length, mac);
}

void WatermarkHmac(const unsigned char* message, std::uint32_t length, unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    HmacMd5(message, length, kWatermarkKey, mac);
}

int WatermarkHmacChecked(const unsigned char* message, std::uint32_t length,
                         unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    return ComputeHmacMd5(kWatermarkKey, ARDENTIX_WATERMARK_KEY_SIZE, message, length, mac) ? 0 : -1;
}
