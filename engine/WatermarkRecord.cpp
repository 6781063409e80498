#include "WatermarkRecord.h"

namespace ardentix::engine {

namespace {

// The value after the first occurrence of key, up to the next CR LF; empty
// when the key does not occur or no CR LF follows it. The empty key is found
// at the start of the text.
std::string ExtractField(const std::string& text, const std::string& key)
{
    const std::string::size_type keyAt = text.find(key);
    if (keyAt == std::string::npos)
        return std::string();
    const std::string::size_type valueAt = keyAt + key.size();
    const std::string::size_type end = text.find("\r\n", valueAt);
    if (end == std::string::npos || end == valueAt)
        return std::string();
    return text.substr(valueAt, end - valueAt);
}

} // namespace

void WatermarkRecord::Fill(const std::string& text)
{
    Marker = ExtractField(text, "");
    Version = ExtractField(text, "Version: ");
    HMAC = ExtractField(text, "HMAC: ");
    StartTime = ExtractField(text, "StartTime: ");
    EndTime = ExtractField(text, "EndTime: ");
    TimeSource = ExtractField(text, "TimeSource: ");
    VHSerial = ExtractField(text, "VHSerial: ");
    CamMAC = ExtractField(text, "CamMAC: ");
}

} // namespace ardentix::engine
