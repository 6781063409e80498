// MD5 (RFC 1321) and HMAC-MD5 (RFC 2104) for the file digest.
//
// The compression runs in OpenSSL's libcrypto, the fastest well-kept
// implementation on the platforms we build for; hashing is the whole cost of
// authenticating a large recording.
#ifndef ARDENTIX_ENGINE_MD5_H
#define ARDENTIX_ENGINE_MD5_H

#include <cstddef>
#include <cstdint>

#define ARDENTIX_MD5_DIGEST_SIZE 16
#define ARDENTIX_WATERMARK_KEY_SIZE 22

// Working state of one MD5 computation. Initialise with Md5Init before use;
// Md5Final releases and wipes it.
struct Md5Context
{
    void* impl; // OpenSSL digest context
};

// Starts an MD5 computation. Returns 0, or -1 when no digest context could be
// had (out of memory); the context is then empty and Md5Final is harmless.
int Md5Init(Md5Context* ctx);

// Absorbs length bytes. Zero bytes change nothing.
void Md5Update(Md5Context* ctx, const unsigned char* bytes, std::uint32_t length);

// Writes the 16-byte digest, then wipes and releases the context. Must be
// initialised again before reuse.
void Md5Final(Md5Context* ctx, unsigned char digest[ARDENTIX_MD5_DIGEST_SIZE]);

// HMAC-MD5 of length message bytes under a 22-byte key (all zeros in the
// unlikely case that no HMAC-MD5 can be had; see WatermarkHmacChecked).
void HmacMd5(const unsigned char* message, std::uint32_t length, const unsigned char key[ARDENTIX_WATERMARK_KEY_SIZE],
             unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE]);

// HmacMd5 under the built-in watermark key.
void WatermarkHmac(const unsigned char* message, std::uint32_t length, unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE]);

// As WatermarkHmac, but says whether the MAC could be computed at all:
// returns 0, or -1 (mac zeroed) when this system offers no HMAC-MD5.
int WatermarkHmacChecked(const unsigned char* message, std::uint32_t length,
                         unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE]);

#endif
