// Opens the RSA block of a watermark with the built-in public key.
#ifndef ARDENTIX_ENGINE_RSAPUBLICDECRYPT_H
#define ARDENTIX_ENGINE_RSAPUBLICDECRYPT_H

#include <cstddef>

#define ARDENTIX_MESSAGE_BUFFER_SIZE 512

namespace ardentix::engine {

// Reads the first k bytes of the 512-byte block (k, the modulus's byte
// length) as a big-endian number c below the modulus n, computes c^e mod n,
// checks the PKCS#1 v1.5 type-2 padding and copies the message into the
// 512-byte buffer. Returns false, leaving the buffer and the length unset,
// when the block does not open.
bool RsaPublicDecrypt(const unsigned char* block, unsigned char* message, std::size_t* message_length);

// The built-in modulus as hexadecimal text, and whether it is the
// development key whose private half is public.
const char* BuiltInModulus();
bool BuiltInModulusIsDevelopmentKey();

} // namespace ardentix::engine

#endif
