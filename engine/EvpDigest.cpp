#include "EvpDigest.h"

#include <cstring>

EVP_MD_CTX* EvpDigestStart(const EVP_MD* md)
{
    EVP_MD_CTX* evp = EVP_MD_CTX_new();
    if (evp != nullptr && EVP_DigestInit_ex(evp, md, nullptr) != 1) {
        EVP_MD_CTX_free(evp);
        evp = nullptr;
    }
    return evp;
}

void EvpDigestAbsorb(void* impl, const unsigned char* bytes, std::size_t length)
{
    if (impl != nullptr && length != 0)
        EVP_DigestUpdate(static_cast<EVP_MD_CTX*>(impl), bytes, length);
}

void EvpDigestFinish(void* impl, unsigned char* digest, std::size_t size)
{
    EVP_MD_CTX* evp = static_cast<EVP_MD_CTX*>(impl);
    if (evp == nullptr) {
        std::memset(digest, 0, size);
        return;
    }
    unsigned int written = 0;
    EVP_DigestFinal_ex(evp, digest, &written);
    // EVP_MD_CTX_free cleanses the state, count and buffer before freeing.
    EVP_MD_CTX_free(evp);
}
