// The keyed digest of a watermarked file: HMAC-MD5 (RFC 2104) under the
// recording servers' key, over the MD5 of the protected bytes.
//
// The hashing runs in OpenSSL's libcrypto (DigestAlgorithms.h), the fastest
// well-kept implementation on the platforms we build for; hashing is the
// whole cost of authenticating a large recording.
#ifndef ARDENTIX_ENGINE_MD5_H
#define ARDENTIX_ENGINE_MD5_H

#include <cstddef>

#define ARDENTIX_MD5_DIGEST_SIZE 16
#define ARDENTIX_WATERMARK_KEY_SIZE 22

namespace ardentix::engine {

// HMAC-MD5 of length message bytes under the built-in watermark key. Returns
// false, with mac zeroed, when this system offers no HMAC-MD5.
bool WatermarkHmac(const unsigned char* message, std::size_t length, unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE]);

} // namespace ardentix::engine

#endif
