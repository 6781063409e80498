#include "Decoders.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

using ardentix::engine::FileLayout;
using ardentix::engine::FileType;
using ardentix::engine::InputFile;
using ardentix::engine::LayoutOf;
using ardentix::engine::ProtectedRanges;
using ardentix::engine::ProtectedRangesOf;

namespace Decoders {

namespace {

// A JPG larger than this is not read: exports are pictures of a few
// megabytes.
constexpr qint64 kLargestPicture = qint64(64) * 1024 * 1024;

QImage Decode(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    // Turned as the camera meant it to be seen.
    reader.setAutoTransform(true);
    // JPEG decodes straight to a reduced size, far faster than decoding
    // the whole picture and scaling it down.
    const QSize size = reader.size();
    if (size.isValid()) {
        int width = 0;
        int height = 0;
        PreviewProtocol::FitInBox(size.width(), size.height(), &width, &height);
        // A picture turned a quarter is fitted again once turned.
        reader.setScaledSize(QSize(width, height));
    }
    return reader.read();
}

} // namespace

PreviewProtocol::Frame Preview(InputFile& file, const PreviewProtocol::Ask& ask)
{
    if (ask.type != FileType::Jpg)
        return RecordingFrame(file, ask.type, ask.signedOnly);
    const std::optional<std::int64_t> size = file.Length();
    if (!size || *size > kLargestPicture || *size <= 0)
        return {};
    QByteArray bytes(static_cast<qsizetype>(*size), Qt::Uninitialized);
    if (!file.ReadAt(0, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size())))
        return {};
    return Picture(bytes, ask.signedOnly);
}

QByteArray SignedBytes(const QByteArray& bytes, const FileLayout& layout)
{
    const ProtectedRanges ranges = ProtectedRangesOf(bytes.size(), layout.skip, layout.tail);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(ranges.total));
    for (int i = 0; i < ranges.count; ++i)
        out.append(bytes.constData() + ranges.begin[i], static_cast<qsizetype>(ranges.end[i] - ranges.begin[i]));
    return out;
}

bool WithinSigned(std::int64_t begin, std::int64_t end, std::int64_t size, const FileLayout& layout)
{
    const ProtectedRanges ranges = ProtectedRangesOf(size, layout.skip, layout.tail);
    for (int i = 0; i < ranges.count; ++i) {
        if (begin >= ranges.begin[i] && end <= ranges.end[i] && begin < end)
            return true;
    }
    return false;
}

PreviewProtocol::Frame Picture(const QByteArray& bytes, bool signedOnly)
{
    // The watermark block sits between the picture's data and its end
    // marker. An authentic picture is decoded from its signed bytes alone,
    // which is the picture without the block. Any other file is decoded
    // whole; a strict decoder may take the block's bytes for a broken
    // marker, and the picture is then decoded without them.
    const QByteArray withoutBlock = SignedBytes(bytes, LayoutOf(FileType::Jpg));
    QImage image = Decode(signedOnly ? withoutBlock : bytes);
    if (image.isNull() && !signedOnly && !withoutBlock.isEmpty())
        image = Decode(withoutBlock);
    if (image.isNull() && signedOnly && !Decode(bytes).isNull()) {
        // The picture that the whole file makes is not the signed one.
        PreviewProtocol::Frame unsigned_;
        unsigned_.kind = PreviewProtocol::Kind::Unsigned;
        return unsigned_;
    }
    if (image.isNull())
        return {};
    return FromImage(image, PreviewProtocol::Kind::Picture, -1);
}

PreviewProtocol::Frame FromImage(const QImage& image, PreviewProtocol::Kind kind, qint64 frameMs)
{
    if (image.isNull())
        return {};
    int width = 0;
    int height = 0;
    PreviewProtocol::FitInBox(image.width(), image.height(), &width, &height);
    QImage fitted = image.size() == QSize(width, height)
                        ? image
                        : image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted = fitted.convertToFormat(QImage::Format_RGB888);
    // Out of memory, Qt gives a null image rather than throwing.
    if (fitted.isNull() || fitted.size() != QSize(width, height))
        return {};
    PreviewProtocol::Frame frame;
    frame.kind = kind;
    frame.width = width;
    frame.height = height;
    frame.frameMs = frameMs;
    const qsizetype rowBytes = qsizetype(width) * 3;
    frame.rgb.reserve(rowBytes * height);
    for (int y = 0; y < height; ++y)
        frame.rgb.append(reinterpret_cast<const char*>(fitted.constScanLine(y)), rowBytes);
    if (frame.rgb.size() != rowBytes * height)
        return {};
    return frame;
}

} // namespace Decoders
