#include "Decoders.h"

#include "FileLayout.h"
#include "NativeFile.h"
#include "PathText.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace Decoders {

namespace {

// A JPG larger than this is not read: exports are pictures of a few
// megabytes.
constexpr qint64 kLargestPicture = 64 * 1024 * 1024;

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

PreviewProtocol::Frame Preview(const QByteArray& name)
{
    QFile file;
    NativeFile::OpenFailure failure = NativeFile::OpenFailure::None;
    QString reason;
    if (!NativeFile::OpenForReading(file, name, true, &failure, &reason))
        return {};
    const QString suffix = QFileInfo(PathText::FromNative(name)).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Picture(file);
    if (suffix == QLatin1String("avi") || suffix == QLatin1String("mp4"))
        return RecordingFrame(file);
    return {};
}

PreviewProtocol::Frame Picture(QFile& file)
{
    if (file.size() > kLargestPicture)
        return {};
    const QByteArray bytes = file.read(kLargestPicture);
    QImage image = Decode(bytes);
    // The watermark block sits between the picture's data and its end
    // marker, where a strict decoder may take its bytes for a broken marker:
    // the picture is then decoded without them.
    const ardentix::engine::FileLayout layout = *ardentix::engine::LayoutForPath("x.jpg");
    const qsizetype block = bytes.size() - ARDENTIX_WATERMARK_BLOCK_SIZE - layout.tail;
    if (image.isNull() && block > 0)
        image = Decode(bytes.left(block) + bytes.right(layout.tail));
    if (image.isNull())
        return {};
    return FromImage(image, PreviewProtocol::Kind::Picture, -1);
}

PreviewProtocol::Frame FromImage(const QImage& image, PreviewProtocol::Kind kind, qint64 frameMs)
{
    int width = 0;
    int height = 0;
    PreviewProtocol::FitInBox(image.width(), image.height(), &width, &height);
    QImage fitted = image.size() == QSize(width, height)
                        ? image
                        : image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted = fitted.convertToFormat(QImage::Format_RGB888);
    PreviewProtocol::Frame frame;
    frame.kind = kind;
    frame.width = width;
    frame.height = height;
    frame.frameMs = frameMs;
    frame.rgb.reserve(width * height * 3);
    for (int y = 0; y < height; ++y)
        frame.rgb.append(reinterpret_cast<const char*>(fitted.constScanLine(y)), width * 3);
    return frame;
}

} // namespace Decoders
