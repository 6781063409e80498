#include "ResultRow.h"

#include "PathText.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardItemModel>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString FromEngine(const std::string& field)
{
    // The text up to its first zero byte, as Latin-1.
    return QString::fromLatin1(field.c_str());
}

QPixmap DrawMark(bool authentic, int size, qreal ratio)
{
    QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = authentic ? QColor(0, 128, 0) : QColor(204, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QPen pen(Qt::white, size / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal s = size;
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
    return pixmap;
}

} // namespace

namespace ResultRow {

QString ForDisplay(const QByteArray& path)
{
    return PathText::ForTerminal(path);
}

QString DisplayName(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
#ifdef Q_OS_WIN
    const qsizetype backslash = path.lastIndexOf('\\');
    return ForDisplay(path.mid(std::max(slash, backslash) + 1));
#else
    return ForDisplay(path.mid(slash + 1));
#endif
}

Verdict VerdictOf(const FileResult& result)
{
    if (!result.HasVerdict())
        return NoVerdict;
    return result.IsAuthentic() ? Succeeded : Failed;
}

QString VerdictText(const FileResult& result)
{
    switch (VerdictOf(result)) {
    case NoVerdict:
        return Tr("Not verified");
    case Succeeded:
        return Tr("Authentication succeeded");
    case Failed:
        break;
    }
    return Tr("Authentication failed");
}

void Insert(QStandardItemModel* model, const RowRecord& record)
{
    const FileResult& result = record.result;
    const bool authentic = result.IsAuthentic();
    QList<QStandardItem*> items;
    auto* name = new QStandardItem(DisplayName(result.path));
    name->setData(QVariant::fromValue(record), RecordRole);
    name->setToolTip(ForDisplay(result.path));
    items << name;

    const Verdict kind = VerdictOf(result);
    auto* verdict = new QStandardItem(VerdictText(result));
    verdict->setData(QColor(authentic ? Qt::darkGreen : Qt::red), Qt::ForegroundRole);
    verdict->setData(static_cast<int>(kind), VerdictRole);
    verdict->setIcon(VerdictIcon(authentic));
    verdict->setToolTip(VerdictExplanation(result));
    items << verdict;

    items << new QStandardItem(FromEngine(result.record.StartTime));
    items << new QStandardItem(FromEngine(result.record.EndTime));
    items << new QStandardItem(FromEngine(result.record.VHSerial));
    // The times and serial of a file that failed are only what its watermark
    // claims: they are shown greyed, with the reason, never like vouched-for
    // values.
    if (!authentic) {
        for (int column = 2; column < 5; ++column) {
            items[column]->setData(QColor(Qt::gray), Qt::ForegroundRole);
            items[column]->setToolTip(verdict->toolTip());
        }
    }
    for (QStandardItem* item : items)
        item->setEditable(false);
    model->insertRow(0, items);
}

RowRecord RecordAt(const QStandardItemModel* model, int row)
{
    return model->index(row, 0).data(RecordRole).value<RowRecord>();
}

QString VerdictExplanation(const FileResult& result)
{
    switch (result.result) {
    case AuthAuthentic:
        if (result.coverageKnown && result.ProtectedBytes() == 0)
            return Tr("Warning: the watermark covers none of this file's content, so it vouches for none of it.");
        return Tr("The file is authentic: its content matches its signed watermark.");
    case AuthDigestMismatch:
        return Tr("The file was changed after it was exported: its content no longer matches the digest in its "
                  "watermark.");
    case AuthBadSignature:
        return Tr("No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.");
    case AuthBadMarker:
        return Tr("The watermark text is not a Quorvane watermark.");
    case AuthUnsupportedType:
        return Tr("Not a JPG, AVI or MP4 export.");
    case AuthTooShort:
        return Tr("The file is too short to hold a watermark.");
    case AuthUnreadable:
        if (result.unlistedFolder)
            return Tr("The folder could not be listed: the files in it were not verified.");
        return Tr("The file could not be read.");
    case AuthCancelled:
        return Tr("Verification was cancelled.");
    case AuthInternalError:
        return Tr("No verdict: the program could not compute the file's digest on this system.");
    }
    return QString();
}

QIcon VerdictIcon(bool authentic)
{
    static const QIcon icons[2] = {[] {
                                       QIcon icon;
                                       for (qreal ratio : {1.0, 2.0})
                                           icon.addPixmap(DrawMark(false, 16, ratio));
                                       return icon;
                                   }(),
                                   [] {
                                       QIcon icon;
                                       for (qreal ratio : {1.0, 2.0})
                                           icon.addPixmap(DrawMark(true, 16, ratio));
                                       return icon;
                                   }()};
    return icons[authentic ? 1 : 0];
}

} // namespace ResultRow
