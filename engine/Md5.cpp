#include "Md5.h"

#include "DigestAlgorithms.h"

namespace ardentix::engine {

namespace {

// The key that the recording servers use for the file digest.
const unsigned char kWatermarkKey[ARDENTIX_WATERMARK_KEY_SIZE] = {
    'Q', 'r', 'z', 'n', '.', 'W', 'e', 's', 't', 'e', 'r', 'l', 'a', 'n', 'd', 'i', 'a', '.', '1', '9', '9', '7'};

} // namespace

bool WatermarkHmac(const unsigned char* message, std::size_t length, unsigned char mac[ARDENTIX_MD5_DIGEST_SIZE])
{
    return ComputeHmacMd5(kWatermarkKey, ARDENTIX_WATERMARK_KEY_SIZE, message, length, mac);
}

} // namespace ardentix::engine
