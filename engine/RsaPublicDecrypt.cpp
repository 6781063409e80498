#include "RsaPublicDecrypt.h"

#include "PublicKey.h"

#include <mbedtls/bignum.h>
#include <mbedtls/platform_util.h>

#include <cstdlib>
#include <cstring>

namespace {

const std::size_t kMinKeyBytes = 16;
const std::size_t kMaxKeyBytes = 1024;

} // namespace

int RsaPublicDecryptWithModulus(const char* modulus_hex, const unsigned char* block, unsigned char* message,
                                std::size_t* message_length)
{
    mbedtls_mpi n, e, c, m;
    unsigned char* em = nullptr;
    std::size_t k = 0;
    std::size_t z = 0;
    std::size_t length = 0;
    int ret = 0;

    mbedtls_mpi_init(&n);
    mbedtls_mpi_init(&e);
    mbedtls_mpi_init(&c);
    mbedtls_mpi_init(&m);

    // The key is read anew on every call and wiped before returning.
    if ((ret = mbedtls_mpi_read_string(&n, 16, modulus_hex)) != 0 ||
        (ret = mbedtls_mpi_read_string(&e, 16, ARDENTIX_PUBLIC_EXPONENT)) != 0) {
        ret = ARDENTIX_RSA_PUBLIC_FAILED + ret;
        goto cleanup;
    }

    k = (mbedtls_mpi_bitlen(&n) + 7) / 8;
    if (k < kMinKeyBytes || k > kMaxKeyBytes) {
        ret = ARDENTIX_RSA_BAD_INPUT;
        goto cleanup;
    }

    // The RSA block is the first k bytes of the 512-byte watermark block; a
    // key above 4096 bits would read past it.
    if (k > ARDENTIX_MESSAGE_BUFFER_SIZE) {
        ret = ARDENTIX_RSA_BAD_INPUT;
        goto cleanup;
    }

    em = static_cast<unsigned char*>(std::calloc(1, k));
    if (em == nullptr) {
        ret = ARDENTIX_RSA_PUBLIC_FAILED + MBEDTLS_ERR_MPI_ALLOC_FAILED;
        goto cleanup;
    }

    if ((ret = mbedtls_mpi_read_binary(&c, block, k)) != 0) {
        ret = ARDENTIX_RSA_PUBLIC_FAILED + ret;
        goto cleanup;
    }
    if (mbedtls_mpi_cmp_mpi(&c, &n) >= 0) {
        ret = ARDENTIX_RSA_BAD_INPUT;
        goto cleanup;
    }
    if ((ret = mbedtls_mpi_exp_mod(&m, &c, &e, &n, nullptr)) != 0 || (ret = mbedtls_mpi_write_binary(&m, em, k)) != 0) {
        ret = ARDENTIX_RSA_PUBLIC_FAILED + ret;
        goto cleanup;
    }

    // EM = 0x00 0x02 PS 0x00 M, with PS any run of nonzero bytes.
    if (em[0] != 0x00 || em[1] != 0x02) {
        ret = ARDENTIX_RSA_INVALID_PADDING;
        goto cleanup;
    }
    for (z = 2; z < k && em[z] != 0x00; ++z) {
    }
    if (z == k) {
        ret = ARDENTIX_RSA_INVALID_PADDING;
        goto cleanup;
    }
    length = k - z - 1;
    if (length > ARDENTIX_MESSAGE_BUFFER_SIZE) {
        ret = ARDENTIX_RSA_OUTPUT_TOO_LARGE;
        goto cleanup;
    }
    if (length > 0)
        std::memcpy(message, em + z + 1, length);
    *message_length = length;
    ret = 0;

cleanup:
    if (em != nullptr) {
        mbedtls_platform_zeroize(em, k);
        std::free(em);
    }
    mbedtls_mpi_free(&n);
    mbedtls_mpi_free(&e);
    mbedtls_mpi_free(&c);
    mbedtls_mpi_free(&m);
    return ret;
}

int RsaPublicDecrypt(const unsigned char* block, unsigned char* message, std::size_t* message_length)
{
    return RsaPublicDecryptWithModulus(ARDENTIX_PUBLIC_MODULUS, block, message, message_length);
}

const char* BuiltInModulus()
{
    return ARDENTIX_PUBLIC_MODULUS;
}

bool BuiltInModulusIsDevelopmentKey()
{
    return ARDENTIX_DEVELOPMENT_KEY != 0;
}
