// The preview helper's decoders: a JPG through Qt's image reader, one frame
// of an AVI or MP4 through FFmpeg's libraries. Each reads the file through
// a file that the helper opened itself, refuses anything but a regular
// file, and gives a picture that fits the preview box, or none.
#ifndef ARDENTIX_PREVIEW_DECODERS_H
#define ARDENTIX_PREVIEW_DECODERS_H

#include "PreviewProtocol.h"

#include <QByteArray>

class QFile;
class QImage;

namespace Decoders {

// The preview of the file at name (as PathText::ToNative gives it): its
// type is taken from its name's suffix, as the verifier takes it.
PreviewProtocol::Frame Preview(const QByteArray& name);

// The picture of a JPG file.
PreviewProtocol::Frame Picture(QFile& file);
// The first key frame of a recording, or the frame at a tenth of its
// length where the first is black.
PreviewProtocol::Frame RecordingFrame(QFile& file);

// image scaled to fit the box, as RGB.
PreviewProtocol::Frame FromImage(const QImage& image, PreviewProtocol::Kind kind, qint64 frameMs);

} // namespace Decoders

#endif
