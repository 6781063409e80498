#include "PreviewPicture.h"

#include "PaintedIcons.h"
#include "ResultText.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

namespace PreviewPicture {

namespace {

// In pixels of the preview box, before scaling.
constexpr qreal kBorder = 6;
constexpr qreal kMark = 30;

QColor FrameColour(bool authentic)
{
    return authentic ? QColor(0, 128, 0) : QColor(204, 0, 0);
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

// The caption's height: its lines wrapped to the picture's width, and at
// least two, so that pictures with and without a frame time line up.
qreal CaptionHeight(const RowRecord& record, qreal scale, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(Bold(font), device);
    const qreal width = PreviewProtocol::BoxWidth * scale;
    const qreal text =
        metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::AlignCenter | Qt::TextWordWrap, Caption(record)).height();
    return qMax(text, metrics.lineSpacing() * 2) + metrics.lineSpacing() * 0.4 + kBorder * scale * 0.5;
}

// The frame: solid for a genuine file; for a failed one striped, which
// still reads as a warning without colour.
void PaintFrame(QPainter& painter, const QRectF& outer, const QRectF& inner, bool authentic)
{
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(inner);
    painter.fillPath(ring, FrameColour(authentic));
    if (!authentic) {
        QBrush stripes(Qt::white, Qt::BDiagPattern);
        // The pattern's lines at the device's scale would vanish in print.
        stripes.setTransform(QTransform::fromScale(outer.width() / 120, outer.width() / 120));
        painter.fillPath(ring, stripes);
    }
}

} // namespace

RowPreview FromFrame(const PreviewProtocol::Frame& frame)
{
    RowPreview preview;
    const qsizetype line = qsizetype(frame.width) * 3;
    if (frame.kind == PreviewProtocol::Kind::Unsigned)
        preview.state = RowPreview::State::Unsigned;
    if (frame.kind == PreviewProtocol::Kind::None || frame.kind == PreviewProtocol::Kind::Unsigned ||
        frame.rgb.size() != line * frame.height)
        return preview;
    const QImage image(reinterpret_cast<const uchar*>(frame.rgb.constData()), frame.width, frame.height, line,
                       QImage::Format_RGB888);
    QBuffer buffer(&preview.jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    if (image.isNull() || !writer.write(image)) {
        preview.jpeg.clear();
        return preview;
    }
    preview.state = RowPreview::State::Made;
    preview.frame = frame.kind == PreviewProtocol::Kind::Frame;
    preview.frameMs = frame.frameMs;
    return preview;
}

QImage Image(const RowPreview& preview)
{
    if (preview.state != RowPreview::State::Made)
        return QImage();
    return QImage::fromData(preview.jpeg, "jpeg");
}

QString FrameTime(qint64 frameMs)
{
    const qint64 seconds = qMax<qint64>(0, frameMs) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString Caption(const RowRecord& record)
{
    QString caption = ResultText::Verdict(record.result);
    if (record.preview.state != RowPreview::State::Made)
        return caption;
    // An authentic file's picture comes from its signed bytes only; a failed
    // file's from whatever it holds.
    caption +=
        QLatin1Char('\n') + (record.result.IsAuthentic() ? QObject::tr("From the signed bytes")
                                                         : QObject::tr("From bytes that no signature vouches for"));
    if (record.preview.frame)
        caption += QLatin1Char('\n') + QObject::tr("Frame at %1").arg(FrameTime(record.preview.frameMs));
    return caption;
}

QString AccessibleText(const RowRecord& record, const QString& fileName)
{
    const RowPreview& preview = record.preview;
    const bool authentic = record.result.IsAuthentic();
    switch (preview.state) {
    case RowPreview::State::Waiting:
        return QObject::tr("Making the preview…");
    case RowPreview::State::None:
        return authentic ? QObject::tr("No preview for %1; authentication succeeded").arg(fileName)
                         : QObject::tr("No preview for %1; authentication failed").arg(fileName);
    case RowPreview::State::Unsigned:
        return QObject::tr("No picture from the signed bytes of %1; authentication succeeded").arg(fileName);
    case RowPreview::State::Changed:
        return authentic ? QObject::tr("No preview for %1: the file changed after it was verified; "
                                       "authentication succeeded")
                               .arg(fileName)
                         : QObject::tr("No preview for %1: the file changed after it was verified; "
                                       "authentication failed")
                               .arg(fileName);
    case RowPreview::State::Made:
        break;
    }
    if (!preview.frame)
        return authentic ? QObject::tr("Picture of %1; authentication succeeded").arg(fileName)
                         : QObject::tr("Picture of %1; authentication failed").arg(fileName);
    const QString at = FrameTime(preview.frameMs);
    return authentic ? QObject::tr("Picture of %1, frame at %2; authentication succeeded").arg(fileName, at)
                     : QObject::tr("Picture of %1, frame at %2; authentication failed").arg(fileName, at);
}

QString StandIn(RowPreview::State state)
{
    switch (state) {
    case RowPreview::State::Waiting:
        return QObject::tr("Making the preview…");
    case RowPreview::State::Unsigned:
        return QObject::tr("No picture from the signed bytes");
    case RowPreview::State::Changed:
        return QObject::tr("No preview: the file changed after it was verified");
    case RowPreview::State::None:
    case RowPreview::State::Made:
        break;
    }
    return QObject::tr("No preview for this file");
}

QSizeF Size(const RowRecord& record, qreal scale, const QFont& font, QPaintDevice* device)
{
    return QSizeF((PreviewProtocol::BoxWidth + 2 * kBorder) * scale,
                  (PreviewProtocol::BoxHeight + 2 * kBorder) * scale + CaptionHeight(record, scale, font, device));
}

void Paint(QPainter& painter, const RowRecord& record, qreal scale, const QFont& font)
{
    const bool authentic = record.result.IsAuthentic();
    const QSizeF size = Size(record, scale, font, painter.device());
    const QRectF outer(QPointF(0, 0), size);
    const qreal border = kBorder * scale;
    const QRectF box(border, border, PreviewProtocol::BoxWidth * scale, PreviewProtocol::BoxHeight * scale);
    painter.save();
    PaintFrame(painter, outer, box, authentic);

    // The picture centred in its box on dark grey, or what stands for it.
    painter.fillRect(box, QColor(0x30, 0x30, 0x30));
    const QImage image = Image(record.preview);
    painter.setFont(font);
    if (!image.isNull()) {
        QSizeF shown = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(0, 0), shown);
        target.moveCenter(box.center());
        // A small frame is shown at the box's size, smoothed.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image);
    } else {
        painter.setPen(Qt::white);
        const QString text = StandIn(record.preview.state);
        painter.drawText(box.adjusted(border, border, -border, -border), Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    const qreal mark = kMark * scale;
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF markBox(box.left() + border, box.top() + border, mark, mark);
    painter.drawEllipse(markBox.adjusted(-scale * 2, -scale * 2, scale * 2, scale * 2));
    PaintedIcons::DrawVerdict(painter, markBox, authentic);

    // The words under the picture, white on the frame's colour.
    const QRectF caption(border, box.bottom(), box.width(), outer.bottom() - box.bottom());
    painter.fillRect(caption, FrameColour(authentic));
    painter.setFont(Bold(font));
    painter.setPen(Qt::white);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextWordWrap, Caption(record));
    painter.restore();
}

QImage Render(const RowRecord& record, qreal scale, const QFont& screenFont, qreal devicePixelRatio)
{
    // In pixels, so that the image's own resolution does not change the
    // text's size.
    QFont font = screenFont;
    const int pixels = QFontInfo(screenFont).pixelSize();
    if (pixels > 0)
        font.setPixelSize(pixels);
    const QSizeF size = Size(record, scale, font, nullptr);
    QImage image((size * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter, record, scale, font);
    return image;
}

} // namespace PreviewPicture
