// The watermark text and the record that it is read into.
//
// The text is a marker line and seven "Key: value" lines, each ended by
// CR LF. Keys are found anywhere in the text, the first occurrence wins, and
// a value runs from its key to the next CR LF.
#ifndef ARDENTIX_ENGINE_WATERMARKRECORD_H
#define ARDENTIX_ENGINE_WATERMARKRECORD_H

#include <string>

#define ARDENTIX_WATERMARK_MARKER "Quorvane Digital Watermark"

namespace ardentix::engine {

// The eight 8-bit text fields of a watermark, all empty when new.
struct WatermarkRecord
{
    std::string Marker;
    std::string Version;
    std::string HMAC;
    std::string StartTime;
    std::string EndTime;
    std::string TimeSource;
    std::string VHSerial;
    std::string CamMAC;

    // Replaces all eight fields with the values read from text; a field that
    // the text does not hold becomes empty. Never fails.
    void Fill(const std::string& text);
};

} // namespace ardentix::engine

#endif
