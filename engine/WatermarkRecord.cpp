#include "WatermarkRecord.h"

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
