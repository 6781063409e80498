// A file's picture as the details dialog and the PDF report show it: framed
// in its verdict's colour (solid for a genuine file, striped for a failed
// one), with the verdict's mark on the picture and its words under it, so
// that a failed file cannot pass for a genuine one even printed in grey.
#ifndef ARDENTIX_UI_PREVIEWPICTURE_H
#define ARDENTIX_UI_PREVIEWPICTURE_H

#include "PreviewProtocol.h"
#include "RowRecord.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QFont;
class QPainter;

namespace PreviewPicture {

// The helper's pixels as the record keeps them (see RowPreview).
RowPreview FromFrame(const PreviewProtocol::Frame& frame);
// The picture the record keeps; a null image when it has none.
QImage Image(const RowPreview& preview);

// "00:01:05" for a frame 65 seconds into its recording.
QString FrameTime(qint64 frameMs);
// What the framed picture shows under it: the verdict, and on a line of
// its own a recording's frame time.
QString Caption(const RowRecord& record);
// What a screen reader says of it.
QString AccessibleText(const RowRecord& record, const QString& fileName);

// What the box shows where there is no picture.
QString StandIn(RowPreview::State state);

// The record's framed picture's size at scale (device units per pixel of
// the preview box), its caption in font.
QSizeF Size(const RowRecord& record, qreal scale, const QFont& font, QPaintDevice* device);
// Paints it with its top left at the painter's origin.
void Paint(QPainter& painter, const RowRecord& record, qreal scale, const QFont& font);
// The same as an image, for the screen.
QImage Render(const RowRecord& record, qreal scale, const QFont& font, qreal devicePixelRatio);

} // namespace PreviewPicture

#endif
