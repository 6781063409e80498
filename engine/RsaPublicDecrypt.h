// Opens the RSA block of a watermark with the built-in public key.
#ifndef ARDENTIX_ENGINE_RSAPUBLICDECRYPT_H
#define ARDENTIX_ENGINE_RSAPUBLICDECRYPT_H

#include <cstddef>

#define ARDENTIX_MESSAGE_BUFFER_SIZE 512

#include <mbedtls/rsa.h>

// Result codes besides 0: Mbed TLS's own RSA codes. A failure of the
// big-number arithmetic is ARDENTIX_RSA_PUBLIC_FAILED plus its own code.
#define ARDENTIX_RSA_BAD_INPUT MBEDTLS_ERR_RSA_BAD_INPUT_DATA
#define ARDENTIX_RSA_INVALID_PADDING MBEDTLS_ERR_RSA_INVALID_PADDING
#define ARDENTIX_RSA_PUBLIC_FAILED MBEDTLS_ERR_RSA_PUBLIC_FAILED
#define ARDENTIX_RSA_OUTPUT_TOO_LARGE MBEDTLS_ERR_RSA_OUTPUT_TOO_LARGE

// Reads the first k bytes of the 512-byte block (k, the modulus's byte
// length) as a big-endian number c, computes c^e mod n, checks the PKCS#1
// v1.5 type-2 padding and copies the message into the 512-byte buffer.
// Returns 0 or a negative code; on failure the buffer must not be used.
int RsaPublicDecrypt(const unsigned char* block, unsigned char* message, std::size_t* message_length);

// As RsaPublicDecrypt, with the modulus given as hexadecimal text. Lets the
// tests and tools use other keys; the program uses the built-in one.
int RsaPublicDecryptWithModulus(const char* modulus_hex, const unsigned char* block, unsigned char* message,
                                std::size_t* message_length);

// The built-in modulus as hexadecimal text, and whether it is the
// development key whose private half is public.
const char* BuiltInModulus();
bool BuiltInModulusIsDevelopmentKey();

#endif
