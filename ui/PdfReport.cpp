#include "PdfReport.h"

#include "BuildIdentity.h"
#include "DetailsDocument.h"
#include "PathText.h"
#include "PdfPages.h"
#include "PreviewPicture.h"
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

using PdfPages::Piece;
using PdfPages::SummaryTable;

QString Html(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
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
        return PdfPages::DocumentPiece(document);
    }

    QPdfWriter writer;
    QFont font;
    qreal width = 0;
};

// A file's details, and under them its framed picture, 70 mm wide, as one
// piece that is kept whole on a page.
Piece DetailsPiece(const RowRecord& record, const QString& heading, Document& document, bool picture)
{
    std::shared_ptr<QTextDocument> details =
        DetailsDocument::Build(record, heading, document.font, &document.writer, document.width);
    if (!picture)
        return PdfPages::DocumentPiece(details);
    const qreal gap = QFontMetricsF(document.font, &document.writer).height();
    const qreal scale = 70 / 25.4 * document.writer.resolution() / (PreviewProtocol::BoxWidth + 12);
    const qreal textHeight = details->size().height();
    const QSizeF size = PreviewPicture::Size(record, scale, document.font, &document.writer);
    const QFont font = document.font;
    return {textHeight + gap + size.height(),
            [details, record, textHeight, gap, scale, font](QPainter& painter, const QRectF& clip) {
                details->drawContents(&painter, clip);
                painter.save();
                painter.translate(0, textHeight + gap);
                PreviewPicture::Paint(painter, record, scale, font);
                painter.restore();
            },
            false};
}

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
        pieces.push_back(DetailsPiece(record, heading, document, details.pictures));
    }
    PdfPages::Print(pieces, summary.Head(), document.writer, document.font);
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
    PdfPages::Print(pieces, table.Head(), document.writer, document.font);
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
