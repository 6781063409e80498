// Opens arbitrary 512-byte blocks with the built-in key.
#include "RsaPublicDecrypt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using ardentix::engine::RsaPublicDecrypt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    unsigned char block[512] = {0};
    std::memcpy(block, data, size < sizeof(block) ? size : sizeof(block));
    unsigned char message[ARDENTIX_MESSAGE_BUFFER_SIZE];
    std::size_t length = 9999;
    // A 2048-bit block holds at most 253 message bytes; a block that does
    // not open leaves the length as it was.
    const bool opened = RsaPublicDecrypt(block, message, &length);
    if (opened ? length > 253 : length != 9999)
        std::abort();
    return 0;
}
