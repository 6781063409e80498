// The preview helper's decoders: a JPG through Qt's image reader, one key
// frame of an AVI or MP4 through FFmpeg's libraries. Each reads the file
// that came with the request, never a file by name, and gives a picture
// that fits the preview box, or none.
//
// For an authentic file, only the bytes that its signature covers may make
// the picture: a JPG is decoded from those bytes alone, and a recording's
// frame from one key frame whose coded bytes lie wholly within them (headers
// outside them may describe the stream, never supply its pixels).
#ifndef ARDENTIX_PREVIEW_DECODERS_H
#define ARDENTIX_PREVIEW_DECODERS_H

#include "FileLayout.h"
#include "InputFile.h"
#include "PreviewProtocol.h"

#include <QByteArray>

class QImage;

namespace Decoders {

// The preview of file, as ask says.
PreviewProtocol::Frame Preview(ardentix::engine::InputFile& file, const PreviewProtocol::Ask& ask);

// The picture of a JPG of the given bytes.
PreviewProtocol::Frame Picture(const QByteArray& bytes, bool signedOnly);
// A recording's first key frame (within the signed bytes when signedOnly),
// or a later key frame where that one is black.
PreviewProtocol::Frame RecordingFrame(ardentix::engine::InputFile& file, ardentix::engine::FileType type,
                                      bool signedOnly);

// The bytes of a file (all of it in bytes) that its signature covers, in
// file order: what a JPG's picture is decoded from.
QByteArray SignedBytes(const QByteArray& bytes, const ardentix::engine::FileLayout& layout);

// Whether [begin, end) lies wholly inside one of the signed ranges of a
// file of the given size.
bool WithinSigned(std::int64_t begin, std::int64_t end, std::int64_t size, const ardentix::engine::FileLayout& layout);

// image scaled to fit the box, as RGB; a frame of kind None when there is
// no memory for it.
PreviewProtocol::Frame FromImage(const QImage& image, PreviewProtocol::Kind kind, qint64 frameMs);

} // namespace Decoders

#endif
