#include "PdfPages.h"

#include <QPdfWriter>
#include <QTextDocument>

namespace PdfPages {

Piece DocumentPiece(const std::shared_ptr<QTextDocument>& document)
{
    const qreal height = document->size().height();
    return {height, [document](QPainter& painter, const QRectF& clip) { document->drawContents(&painter, clip); },
            false};
}

// Places the pieces one after another on the writer's pages, inside its
// margins, starting a page where a piece would not fit whole, with
// "page / pages" under each page's text.
void Print(const std::vector<Piece>& pieces, const Piece& summaryHead, QPdfWriter& writer, const QFont& footerFont)
{
    const QRectF area(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const QFontMetricsF metrics(footerFont, &writer);
    const qreal height = area.height() - metrics.height() * 2;

    // First where each piece goes, then the pages, so that each footer can
    // name the number of pages.
    struct Placement
    {
        const Piece* piece;
        int page;
        qreal top;
    };
    std::vector<Placement> placements;
    int page = 0;
    qreal y = 0;
    bool inTable = false;
    for (const Piece& piece : pieces) {
        // A line's space between pieces, but none between the table's lines.
        const bool startsTable = piece.summaryLine && !inTable;
        if (y > 0 && !(piece.summaryLine && inTable))
            y += metrics.height();
        if (y > 0 && y + piece.height + (startsTable ? summaryHead.height : 0) > height) {
            ++page;
            y = 0;
        }
        if (piece.summaryLine && (startsTable || y == 0)) {
            placements.push_back({&summaryHead, page, y});
            y += summaryHead.height;
        }
        inTable = piece.summaryLine;
        placements.push_back({&piece, page, y});
        y += piece.height;
        while (y > height) { // a piece longer than a page
            ++page;
            y -= height;
        }
    }
    const int pages = page + 1;

    QPainter painter(&writer);
    std::size_t next = 0;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            writer.newPage();
        // Every piece that shows on this page: those placed on it, and a
        // long one that began on an earlier page.
        for (std::size_t i = next; i < placements.size() && placements[i].page <= p; ++i) {
            const qreal top = (placements[i].page - p) * height + placements[i].top;
            if (top + placements[i].piece->height <= 0) {
                if (i == next)
                    ++next;
                continue;
            }
            painter.save();
            painter.translate(0, top);
            placements[i].piece->paint(painter, QRectF(0, -top, area.width(), height));
            painter.restore();
        }
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, area.height() - metrics.height(), area.width(), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(p + 1).arg(pages));
    }
}

} // namespace PdfPages
