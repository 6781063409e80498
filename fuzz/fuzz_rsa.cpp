// Opens arbitrary 512-byte blocks with the built-in key.
#include "RsaPublicDecrypt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    unsigned char block[512] = {0};
    std::memcpy(block, data, size < sizeof(block) ? size : sizeof(block));
    unsigned char message[ARDENTIX_MESSAGE_BUFFER_SIZE];
    std::size_t length = 9999;
    const int ret = RsaPublicDecrypt(block, message, &length);
    if (ret == 0 && length > 253)
        std::abort();
    if (ret != 0 && ret != ARDENTIX_RSA_BAD_INPUT && ret != ARDENTIX_RSA_INVALID_PADDING)
        std::abort();
    return 0;
}
