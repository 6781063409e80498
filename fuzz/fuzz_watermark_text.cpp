// Fills a watermark record from arbitrary bytes.
#include "WatermarkRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using ardentix::engine::WatermarkRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    WatermarkRecord record;
    record.Fill(text);
    // Every value is a piece of the text that holds no CR LF and is
    // followed by one.
    for (const std::string* field : {&record.Marker, &record.Version, &record.HMAC, &record.StartTime, &record.EndTime,
                                     &record.TimeSource, &record.VHSerial, &record.CamMAC}) {
        if (field->find("\r\n") != std::string::npos)
            std::abort();
        if (!field->empty() && text.find(*field + "\r\n") == std::string::npos)
            std::abort();
    }
    return 0;
}
