#include "PaintedIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

// An icon with a pixmap at 1x and one at 2x, drawn by draw on a size-pixel
// square in logical pixels.
QIcon Painted(int size, const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DrawMark(QPainter& painter, bool authentic)
{
    const qreal s = 16;
    const QColor colour = authentic ? QColor(0, 128, 0) : QColor(204, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, s - 1.0, s - 1.0));
    painter.setPen(QPen(Qt::white, s / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (authentic) {
        QPainterPath tick;
        tick.moveTo(s * 0.27, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.69);
        tick.lineTo(s * 0.74, s * 0.33);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        painter.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
    }
}

// The closed outline through the points.
QPainterPath Outline(const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// A report's page, its folded corner and two lines of text.
void DrawPage(QPainter& painter)
{
    const QPainterPath page = Outline({{2.5, 1.5}, {10.5, 1.5}, {14.5, 5.5}, {14.5, 16.5}, {2.5, 16.5}});
    painter.setPen(QPen(QColor(110, 110, 110), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setBrush(QColor(225, 225, 225));
    painter.drawPolygon(QPolygonF({QPointF(10.5, 1.5), QPointF(10.5, 5.5), QPointF(14.5, 5.5)}));
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    for (qreal y : {8.5, 10.5})
        painter.drawLine(QPointF(4.5, y), QPointF(8.5, y));
}

void DrawSave(QPainter& painter)
{
    DrawPage(painter);
    const QPainterPath arrow =
        Outline({{10.0, 7.0}, {14.0, 7.0}, {14.0, 11.5}, {17.0, 11.5}, {12.0, 17.0}, {7.0, 11.5}, {10.0, 11.5}});
    painter.setPen(QPen(QColor(20, 90, 160), 1));
    painter.setBrush(QColor(40, 130, 210));
    painter.drawPath(arrow);
}

} // namespace

namespace PaintedIcons {

void DrawVerdict(QPainter& painter, const QRectF& box, bool authentic)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 16.0, box.height() / 16.0);
    DrawMark(painter, authentic);
    painter.restore();
}

QIcon Verdict(bool authentic)
{
    // Drawn once each: every row shows one.
    static const QIcon failed = Painted(16, [](QPainter& p) { DrawMark(p, false); });
    static const QIcon passed = Painted(16, [](QPainter& p) { DrawMark(p, true); });
    return authentic ? passed : failed;
}

QIcon SaveReport()
{
    return Painted(18, DrawSave);
}

QIcon CheckReport()
{
    // The report's page with a tick: files checked against it.
    return Painted(18, [](QPainter& painter) {
        DrawPage(painter);
        QPainterPath tick;
        tick.moveTo(7.5, 12.5);
        tick.lineTo(10.5, 15.5);
        tick.lineTo(16.5, 7.5);
        painter.setPen(QPen(QColor(0, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    });
}

} // namespace PaintedIcons
