// Laying a report out on PDF pages: pieces placed one after another, each
// whole on a page where it fits, a summary table whose head repeats on each
// page it runs on, and "page / pages" under every page.
#ifndef ARDENTIX_UI_PDFPAGES_H
#define ARDENTIX_UI_PDFPAGES_H

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPdfWriter;
class QTextDocument;

namespace PdfPages {

// A piece of the report: its height, and how it paints itself from its top
// left corner, within clip. A piece taller than a page runs on over as many
// pages as it needs.
struct Piece
{
    qreal height = 0;
    std::function<void(QPainter&, const QRectF& clip)> paint;
    // A line of the summary table: a page that begins with one repeats the
    // table's head first.
    bool summaryLine = false;
};

// A text document as a piece, as tall as its contents.
Piece DocumentPiece(const std::shared_ptr<QTextDocument>& document);

// The summary table: a number, the file's name, its verdict and the
// reason, one line a file, the failed ones shaded and their verdict bold.
class SummaryTable
{
public:
    enum Column
    {
        NumberColumn,
        NameColumn,
        MarkColumn,
        TextColumn,
        ColumnCount
    };

    // widestMark: the longest text of the third column, which keeps to one
    // line where the page allows.
    SummaryTable(const QFont& font, QPaintDevice* device, qreal width, int count, const QStringList& marks,
                 const QStringList& head)
        : m_font(font), m_bold(Bold(font)), m_metrics(font, device), m_boldMetrics(m_bold, device), m_width(width),
          m_head(head)
    {
        const qreal number =
            m_boldMetrics.horizontalAdvance(QString::number(count) + QLatin1String(".")) + m_metrics.averageCharWidth();
        m_padding = m_metrics.height() * 0.2;
        // The verdict on one line, in the bold of a failed file, where the
        // page allows; the name and the reason share the rest.
        qreal widest = 0;
        for (const QString& mark : marks)
            widest = qMax(widest, m_boldMetrics.horizontalAdvance(mark));
        const qreal verdict = qMin(width * 0.3, widest + 3 * m_padding);
        const qreal name = (width - number - verdict) * 0.45;
        m_columns = {0, number, number + name, number + name + verdict, width};
    }

    Piece Head() const
    {
        const QStringList texts = QStringList{QStringLiteral("#")} + m_head;
        const qreal height = Height(texts, true);
        return {height,
                [this, texts, height](QPainter& painter, const QRectF&) {
                    painter.setFont(m_bold);
                    Cells(painter, texts, height);
                    painter.drawLine(QPointF(0, height), QPointF(m_width, height));
                },
                false};
    }

    // A line: its number, then the three texts; a failed (flagged) line is
    // shaded, its mark bold and red.
    Piece Line(int number, const QStringList& columns, bool failed) const
    {
        const QStringList texts = QStringList{QString::number(number) + QLatin1Char('.')} + columns;
        const qreal height = Height(texts, failed);
        return {height,
                [this, texts, height, failed](QPainter& painter, const QRectF&) {
                    if (failed)
                        painter.fillRect(QRectF(0, 0, m_width, height), QColor(0xfb, 0xe3, 0xe3));
                    painter.setFont(m_font);
                    Cells(painter, texts, height, failed);
                },
                true};
    }

private:
    QRectF Cell(int column, qreal height) const
    {
        return QRectF(m_columns[column] + m_padding, m_padding,
                      m_columns[column + 1] - m_columns[column] - 2 * m_padding, height - 2 * m_padding);
    }

    static QFont Bold(QFont font)
    {
        font.setBold(true);
        return font;
    }

    // The line's height: its tallest cell, wrapped; boldVerdict when the
    // verdict (or every cell, for the head) is bold.
    qreal Height(const QStringList& texts, bool boldVerdict) const
    {
        qreal tallest = m_metrics.height();
        for (int column = 0; column < ColumnCount; ++column) {
            const QFontMetricsF& metrics = column == MarkColumn && boldVerdict ? m_boldMetrics : m_metrics;
            tallest = qMax(tallest, metrics.boundingRect(Cell(column, 1e9), Flags(column), texts[column]).height());
        }
        return tallest + 2 * m_padding;
    }

    static int Flags(int column)
    {
        // Names seldom have spaces: they break anywhere rather than overflow.
        return Qt::AlignLeft | Qt::AlignTop | (column == NameColumn ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
    }

    void Cells(QPainter& painter, const QStringList& texts, qreal height, bool failed = false) const
    {
        for (int column = 0; column < ColumnCount; ++column) {
            if (column == MarkColumn && failed) {
                painter.save();
                painter.setFont(m_bold);
                painter.setPen(QColor(0xb0, 0, 0));
                painter.drawText(Cell(column, height), Flags(column), texts[column]);
                painter.restore();
            } else {
                painter.drawText(Cell(column, height), Flags(column), texts[column]);
            }
        }
    }

    QFont m_font;
    QFont m_bold;
    QFontMetricsF m_metrics;
    QFontMetricsF m_boldMetrics;
    qreal m_width;
    QStringList m_head;
    std::vector<qreal> m_columns;
    qreal m_padding;
};

// Places the pieces one after another on the writer's pages, inside its
// margins, starting a page where a piece would not fit whole, with
// "page / pages" under each page's text.
void Print(const std::vector<Piece>& pieces, const Piece& summaryHead, QPdfWriter& writer, const QFont& footerFont);

} // namespace PdfPages

#endif
