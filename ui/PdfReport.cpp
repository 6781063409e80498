#include "PdfReport.h"

#include "BuildIdentity.h"
#include "DetailsDocument.h"
#include "PathText.h"
#include "ReportFields.h"
#include "ResultText.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <vector>

namespace {

QString Html(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

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

Piece DocumentPiece(const std::shared_ptr<QTextDocument>& document)
{
    const qreal height = document->size().height();
    return {height, [document](QPainter& painter, const QRectF& clip) { document->drawContents(&painter, clip); },
            false};
}

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
void PrintPieces(const std::vector<Piece>& pieces, const Piece& summaryHead, QPdfWriter& writer,
                 const QFont& footerFont)
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

QString ProgramLine()
{
    return QObject::tr("Program: Quorvane Ardentix %1").arg(BuildIdentity::Version());
}

// The opening every report shares: its title, when and by what it was made,
// the key, and the case it belongs to.
QString OpeningHtml(const QString& title, const QDateTime& generated, const CaseDetails& details)
{
    const QDateTime utc = generated.toUTC();
    const QDateTime local = generated.toLocalTime();
    QString html = QStringLiteral("<h1>%1</h1>").arg(Html(title));
    const QList<QPair<QString, QString>> fields = details.Labelled();
    if (!fields.isEmpty()) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
        for (const auto& [label, value] : fields)
            html += QStringLiteral("<tr><td><b>%1:</b></td><td>%2</td></tr>").arg(Html(label), Html(value));
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<p>%1<br>%2<br>%3: <tt>%4</tt></p>")
                .arg(Html(QObject::tr("Generated: %1 (UTC), %2 (local time)")
                              .arg(utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                   local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))),
                     Html(ProgramLine()), Html(QObject::tr("Public key fingerprint (SHA-256)")),
                     QString::fromLatin1(BuildIdentity::KeyFingerprint()));
    if (BuildIdentity::IsDevelopmentKey())
        html +=
            QStringLiteral("<p style=\"color:#7a1f00\"><b>%1</b></p>").arg(Html(BuildIdentity::DevelopmentNotice()));
    return html;
}

// A PDF/A-1b writer on device, A4 at 300 dpi, and the report's font.
struct Document
{
    Document(QIODevice& device, const QString& title) : writer(&device)
    {
        // PDF/A-1b: fonts embedded, metadata as XMP, as archives of case
        // files ask. The records are embedded afterwards (PDF/A-3b).
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(PdfReport::Creator());
        font = QTextDocument().defaultFont();
        font.setPointSizeF(9);
        // Without ligatures, so that the PDF's text can be searched and
        // copied as written ("fi", not one ligature glyph).
        font.setStyleStrategy(QFont::PreferNoShaping);
        width = writer.pageLayout().paintRectPixels(writer.resolution()).width();
    }

    Piece Html(const QString& html)
    {
        auto document = std::make_shared<QTextDocument>();
        document->documentLayout()->setPaintDevice(&writer);
        document->setDefaultFont(font);
        document->setDocumentMargin(0);
        document->setTextWidth(width);
        document->setHtml(html);
        return DocumentPiece(document);
    }

    QPdfWriter writer;
    QFont font;
    qreal width = 0;
};

} // namespace

namespace PdfReport {

QString Creator()
{
    return QStringLiteral("Quorvane Ardentix ") + BuildIdentity::Version();
}

QString HeaderHtml(const Tally& tally, const QDateTime& generated, const CaseDetails& details)
{
    QString html = QStringLiteral("<html><body>") + OpeningHtml(QObject::tr("Verification Report"), generated, details);
    html += QStringLiteral("<h2>%1</h2><p>%2</p>")
                .arg(Html(QObject::tr("Summary")),
                     Html(QObject::tr("Files: %1, authentic: %2, failed: %3")
                              .arg(QString::number(tally.Total()), QString::number(tally.authentic),
                                   QString::number(tally.failed))));
    return html + QStringLiteral("</body></html>");
}

void Write(QIODevice& device, const QList<RowRecord>& records, const CaseDetails& details)
{
    Document document(device, QObject::tr("Verification Report"));
    Tally tally;
    for (const RowRecord& record : records)
        tally.Add(record.result);

    std::vector<Piece> pieces;
    pieces.reserve(static_cast<std::size_t>(records.size()) * 2 + 1);
    pieces.push_back(document.Html(HeaderHtml(tally, QDateTime::currentDateTimeUtc(), details)));

    const SummaryTable summary(document.font, &document.writer, document.width, static_cast<int>(records.size()),
                               {ResultText::Verdict(true), ResultText::Verdict(false)},
                               {QObject::tr("File Name"), QObject::tr("Result"), QObject::tr("Reason")});
    int number = 0;
    for (const RowRecord& record : records) {
        const FileResult& result = record.result;
        const QString reason = result.IsAuthentic() && !result.CoversNothing() ? QString() : ResultText::Reason(result);
        pieces.push_back(summary.Line(++number,
                                      {PathText::FileNameForPeople(result.path), ResultText::Verdict(result), reason},
                                      !result.IsAuthentic()));
    }
    number = 0;
    for (const RowRecord& record : records) {
        ++number;
        const QString heading =
            QStringLiteral("%1. %2").arg(number).arg(PathText::FileNameForPeople(record.result.path));
        pieces.push_back(
            DocumentPiece(DetailsDocument::Build(record, heading, document.font, &document.writer, document.width)));
    }
    PrintPieces(pieces, summary.Head(), document.writer, document.font);
}

QString CheckHeaderHtml(const CheckSummary& check, const QDateTime& generated, const CaseDetails& details)
{
    QString html =
        QStringLiteral("<html><body>") + OpeningHtml(QObject::tr("Custody Check Report"), generated, details);
    html += QStringLiteral("<p>%1</p>").arg(Html(CheckedReportText(check)));
    html += QStringLiteral("<h2>%1</h2><p>%2</p>").arg(Html(QObject::tr("Summary")), Html(CheckSummaryText(check)));
    if (check.mostUnfound)
        html += QStringLiteral("<p><b>%1</b></p>").arg(Html(UnfoundNote(check)));
    return html + QStringLiteral("</body></html>");
}

QString CheckSummaryText(const CheckSummary& check)
{
    const CustodyCounts& c = check.counts;
    QString text =
        QObject::tr("Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6")
            .arg(QString::number(c.Total()), QString::number(c.Of(CustodyStatus::Unchanged)),
                 QString::number(c.Of(CustodyStatus::Modified)), QString::number(c.Of(CustodyStatus::Missing)),
                 QString::number(c.Of(CustodyStatus::Moved)), QString::number(c.Of(CustodyStatus::New)));
    if (check.stopped)
        text += QLatin1Char(' ') + QObject::tr("The check was stopped before the end: not every entry was compared.");
    return text;
}

QString CheckedReportText(const CheckSummary& check)
{
    QString text = QObject::tr("Report checked") + QStringLiteral(": ") + check.reportName + QLatin1Char('\n') +
                   QObject::tr("SHA-256 of the report checked") + QStringLiteral(": ") +
                   QString::fromLatin1(check.reportSha256);
    if (!check.base.isEmpty())
        text += QLatin1Char('\n') + QObject::tr("Relative paths read against") + QStringLiteral(": ") + check.base;
    return text;
}

QString UnfoundNote(const CheckSummary& check)
{
    if (!check.mostUnfound)
        return QString();
    return QObject::tr("Most files that the report lists were not found at their paths. Its relative paths were "
                       "read against %1: if the report was saved from another folder, check again with that "
                       "folder for relative paths.")
        .arg(check.base);
}

QString StatusLabel(CustodyStatus status)
{
    return CustodyStatusLabel(status);
}

bool NeedsAttention(CustodyStatus status)
{
    return status != CustodyStatus::Unchanged;
}

QString CheckDetail(const CustodyLine& line, const std::function<QString(const QByteArray&)>& shown)
{
    const QString now = ResultText::Verdict(line.IsAuthenticNow());
    const QString then = ResultText::Verdict(line.reportAuthentic);
    QStringList changed;
    for (const QString& name : line.changed)
        changed << ReportFields::LabelForColumn(name);
    switch (line.status) {
    case CustodyStatus::Unchanged:
        return QObject::tr("Same content and result as in the report: %1.").arg(now);
    case CustodyStatus::Modified:
        return QObject::tr("Changed since the report (%1). Then: %2. Now: %3.")
            .arg(changed.join(QStringLiteral(", ")), then, now);
    case CustodyStatus::Missing:
        return QObject::tr("No readable file at this path now. Then: %1.").arg(then);
    case CustodyStatus::Moved:
        return QObject::tr("The same content is now at %1. Now: %2.").arg(shown(line.newPath), now);
    case CustodyStatus::New:
        break;
    }
    return QObject::tr("Not in the report. Now: %1.").arg(now);
}

void WriteCheck(QIODevice& device, const std::vector<CustodyLine>& lines, const CheckSummary& check,
                const CaseDetails& details)
{
    Document document(device, QObject::tr("Custody Check Report"));
    std::vector<Piece> pieces;
    pieces.reserve(lines.size() + 1);
    pieces.push_back(document.Html(CheckHeaderHtml(check, QDateTime::currentDateTimeUtc(), details)));
    QStringList marks;
    for (int i = 0; i < CustodyCounts::StatusCount; ++i)
        marks << CustodyStatusLabel(static_cast<CustodyStatus>(i));
    const SummaryTable table(document.font, &document.writer, document.width, static_cast<int>(lines.size()), marks,
                             {QObject::tr("File Name"), QObject::tr("Status"), QObject::tr("Details")});
    int number = 0;
    for (const CustodyLine& line : lines) {
        pieces.push_back(table.Line(
            ++number, {PathText::ForPeople(line.pathBytes), CustodyStatusLabel(line.status), CheckDetail(line)},
            NeedsAttention(line.status)));
    }
    PrintPieces(pieces, table.Head(), document.writer, document.font);
}

PdfRecords::Metadata Metadata(const QString& title, const CaseDetails& details)
{
    PdfRecords::Metadata metadata;
    metadata.title = title;
    metadata.subject = details.Subject();
    metadata.keywords = details.Keywords().join(QStringLiteral(", "));
    metadata.creator = Creator();
    metadata.created = QDateTime::currentDateTimeUtc();
    return metadata;
}

} // namespace PdfReport
