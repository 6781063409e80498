// The OpenSSL digest context behind Md5Context and Sha256Context.
#ifndef ARDENTIX_ENGINE_EVPDIGEST_H
#define ARDENTIX_ENGINE_EVPDIGEST_H

#include <openssl/evp.h>

#include <cstddef>

// A new context started for md, or null when none could be had.
EVP_MD_CTX* EvpDigestStart(const EVP_MD* md);
void EvpDigestAbsorb(void* impl, const unsigned char* bytes, std::size_t length);
// Writes the digest (zeros when impl is null), then frees and cleanses the
// context.
void EvpDigestFinish(void* impl, unsigned char* digest, std::size_t size);

#endif
