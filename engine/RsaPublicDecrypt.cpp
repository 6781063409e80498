#include "RsaPublicDecrypt.h"

#include "PublicKey.h"

#include <mbedtls/bignum.h>
#include <mbedtls/error.h>
#include <mbedtls/platform_util.h>
#include <mbedtls/rsa.h>

#include <cstring>

namespace ardentix::engine {

namespace {

const std::size_t kMinKeyBytes = 16;
const std::size_t kMaxKeyBytes = 1024;

// A big number that frees (and so wipes) itself.
struct Mpi
{
    mbedtls_mpi value;
    Mpi() { mbedtls_mpi_init(&value); }
    ~Mpi() { mbedtls_mpi_free(&value); }
    Mpi(const Mpi&) = delete;
    Mpi& operator=(const Mpi&) = delete;
    mbedtls_mpi* operator&() { return &value; }
};

// The encoded message, wiped when the call ends.
struct EncodedMessage
{
    unsigned char bytes[ARDENTIX_MESSAGE_BUFFER_SIZE] = {};
    ~EncodedMessage() { mbedtls_platform_zeroize(bytes, sizeof(bytes)); }
};

// A failure of the big-number module, reported as Mbed TLS reports it: the
// RSA code with the low-level code added.
int PublicFailed(int low)
{
    return MBEDTLS_ERROR_ADD(MBEDTLS_ERR_RSA_PUBLIC_FAILED, low);
}

// The RSA public operation with the built-in key. Returns 0 or an Mbed TLS
// error code: the codes stay here, as the caller needs only to know whether
// the block opened.
int PublicDecrypt(const unsigned char* block, unsigned char* message, std::size_t* message_length)
{
    Mpi n, e, c, m;
    int ret = 0;

    // The key is read anew on every call and freed before returning.
    if ((ret = mbedtls_mpi_read_string(&n, 16, ARDENTIX_PUBLIC_MODULUS)) != 0 ||
        (ret = mbedtls_mpi_read_string(&e, 16, ARDENTIX_PUBLIC_EXPONENT)) != 0)
        return PublicFailed(ret);

    const std::size_t k = (mbedtls_mpi_bitlen(&n) + 7) / 8;
    if (k < kMinKeyBytes || k > kMaxKeyBytes)
        return MBEDTLS_ERR_RSA_BAD_INPUT_DATA;
    // The RSA block is the first k bytes of the 512-byte watermark block; a
    // key above 4096 bits would read past it.
    if (k > ARDENTIX_MESSAGE_BUFFER_SIZE)
        return MBEDTLS_ERR_RSA_BAD_INPUT_DATA;

    if ((ret = mbedtls_mpi_read_binary(&c, block, k)) != 0)
        return PublicFailed(ret);
    if (mbedtls_mpi_cmp_mpi(&c, &n) >= 0)
        return MBEDTLS_ERR_RSA_BAD_INPUT_DATA;
    EncodedMessage em;
    if ((ret = mbedtls_mpi_exp_mod(&m, &c, &e, &n, nullptr)) != 0 ||
        (ret = mbedtls_mpi_write_binary(&m, em.bytes, k)) != 0)
        return PublicFailed(ret);

    // EM = 0x00 0x02 PS 0x00 M, with PS any run of nonzero bytes.
    if (em.bytes[0] != 0x00 || em.bytes[1] != 0x02)
        return MBEDTLS_ERR_RSA_INVALID_PADDING;
    std::size_t z = 2;
    while (z < k && em.bytes[z] != 0x00)
        ++z;
    if (z == k)
        return MBEDTLS_ERR_RSA_INVALID_PADDING;
    const std::size_t length = k - z - 1;
    if (length > ARDENTIX_MESSAGE_BUFFER_SIZE)
        return MBEDTLS_ERR_RSA_OUTPUT_TOO_LARGE;
    if (length > 0)
        std::memcpy(message, em.bytes + z + 1, length);
    *message_length = length;
    return 0;
}

} // namespace

bool RsaPublicDecrypt(const unsigned char* block, unsigned char* message, std::size_t* message_length)
{
    return PublicDecrypt(block, message, message_length) == 0;
}

const char* BuiltInModulus()
{
    return ARDENTIX_PUBLIC_MODULUS;
}

bool BuiltInModulusIsDevelopmentKey()
{
    return ARDENTIX_DEVELOPMENT_KEY != 0;
}

} // namespace ardentix::engine
