#include "EvidenceReport.h"

#include "MainWindow.h"
#include "PathText.h"
#include "ReportWriter.h"
#include "RsaPublicDecrypt.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <memory>
#include <vector>

#ifndef ARDENTIX_VERSION_TEXT
#error "ARDENTIX_VERSION_TEXT must give the program's version"
#endif

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString VerdictText(const FileResult& result)
{
    return ResultRow::VerdictText(result);
}

QString Coverage(const FileResult& result)
{
    if (!result.coverageKnown)
        return QString();
    QStringList lines;
    for (int i = 0; i < result.covered.count && i < 2; ++i) {
        // Ranges are kept with an exclusive end; shown with the last byte.
        lines << Tr("bytes %1 to %2")
                     .arg(QString::number(result.covered.begin[i]), QString::number(result.covered.end[i] - 1));
    }
    lines << Tr("%1 protected bytes in all").arg(QString::number(result.ProtectedBytes()));
    if (result.ProtectedBytes() == 0)
        lines << Tr("Warning: the watermark covers none of this file's content, so it vouches for none of it.");
    return lines.join(QLatin1Char('\n'));
}

QString Html(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

ReportFormat CoreFormat(EvidenceReport::Format format)
{
    return format == EvidenceReport::Format::Csv ? ReportFormat::Csv : ReportFormat::Json;
}

// One file's entry as a document of its own: a heading, then the details
// as a two-column table. Built through the cursor rather than from HTML,
// which parses several times slower for a long report.
std::unique_ptr<QTextDocument> EntryDocument(const RowRecord& record, const QString& heading, const QFont& font,
                                             QPaintDevice* device, qreal width)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    QTextCursor cursor(document.get());
    // One edit block: the document is laid out once, at the end, not after
    // every cell.
    cursor.beginEditBlock();

    // Margins are in the device's units, like the layout.
    const qreal line = QFontMetricsF(font, device).height();
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(line * 1.2);
    headingBlock.setBottomMargin(line * 0.3);
    QTextCharFormat headingChars;
    headingChars.setFontWeight(QFont::Bold);
    headingChars.setFontPointSize(font.pointSizeF() * 1.25);
    cursor.setBlockFormat(headingBlock);
    cursor.insertText(heading, headingChars);

    // Two columns without a table (which lays out several times slower):
    // each detail is a paragraph that hangs at the value column, and the
    // label is followed by one space widened to reach that column.
    const QList<QPair<QString, QString>> details = EvidenceReport::Details(record);
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont, device);
    qreal widest = 0;
    for (const auto& detail : details)
        widest = qMax(widest, bold.horizontalAdvance(detail.first));
    const qreal column = qMin(width * 0.45, widest + bold.horizontalAdvance(QStringLiteral("MM")));
    QTextBlockFormat detailBlock;
    detailBlock.setLeftMargin(column);
    detailBlock.setTextIndent(-column);
    detailBlock.setTopMargin(line * 0.1);

    const bool warn = record.result.IsAuthentic() && record.result.coverageKnown && record.result.ProtectedBytes() == 0;
    QTextCharFormat label;
    label.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    QTextCharFormat warning;
    warning.setForeground(QColor(0xa0, 0, 0));
    QTextCharFormat digest;
    // The digests in a fixed-width face, each on one line.
    static const QFont fixedFace = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont fixed = fixedFace;
    fixed.setPointSizeF(font.pointSizeF() * 0.9);
    digest.setFont(fixed);
    for (const auto& [name, value] : details) {
        cursor.insertBlock(detailBlock);
        cursor.insertText(name, label);
        QTextCharFormat gap = label;
        const qreal space = bold.horizontalAdvance(QLatin1Char(' '));
        gap.setFontWordSpacing(qMax<qreal>(0, column - bold.horizontalAdvance(name) - space));
        cursor.insertText(QStringLiteral(" "), gap);
        const QTextCharFormat& format = warn && name == Tr("Signature covers") ? warning
                                        : name == Tr("Digest (HMAC)") || name == Tr("SHA-256 of the whole file")
                                            ? digest
                                            : plain;
        // Line breaks inside a value stay within its paragraph.
        QString text = value;
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursor.insertText(text, format);
    }
    cursor.endEditBlock();
    document->documentLayout()->setPaintDevice(device);
    document->setTextWidth(width);
    return document;
}

// Places the documents one after another on the writer's pages, inside its
// margins, starting a page where an entry would not fit whole, with
// "page / pages" under each page's text. An entry taller than a page runs
// on over as many pages as it needs.
void PrintDocuments(const std::vector<std::unique_ptr<QTextDocument>>& documents, QPdfWriter& writer,
                    const QFont& footerFont)
{
    const QRectF area(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const QFontMetricsF metrics(footerFont, &writer);
    const qreal height = area.height() - metrics.height() * 2;

    // First where each document goes, then the pages, so that each footer
    // can name the number of pages.
    struct Placement
    {
        int page;
        qreal top;
    };
    std::vector<Placement> placements;
    int page = 0;
    qreal y = 0;
    // A line's space between entries on the same page.
    const qreal gap = metrics.height();
    for (const auto& document : documents) {
        const qreal h = document->size().height();
        if (y > 0)
            y += gap;
        if (y > 0 && y + h > height) {
            ++page;
            y = 0;
        }
        placements.push_back({page, y});
        y += h;
        while (y > height) { // an entry longer than a page
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
        // Every document that shows on this page: those placed on it, and
        // a long one that began on an earlier page.
        for (std::size_t i = next; i < documents.size() && placements[i].page <= p; ++i) {
            const qreal top = (placements[i].page - p) * height + placements[i].top;
            const qreal h = documents[i]->size().height();
            if (top + h <= 0) {
                if (i == next)
                    ++next;
                continue;
            }
            painter.save();
            painter.translate(0, top);
            documents[i]->drawContents(&painter, QRectF(0, -top, area.width(), height));
            painter.restore();
        }
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, area.height() - metrics.height(), area.width(), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(p + 1).arg(pages));
    }
}

} // namespace

namespace EvidenceReport {

QString TimeText(const QDateTime& moment)
{
    if (!moment.isValid())
        return QString();
    const QDateTime local = moment.toLocalTime();
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC, ") +
           local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ') + local.timeZoneAbbreviation();
}

QList<QPair<QString, QString>> Details(const RowRecord& record)
{
    const FileResult& result = record.result;
    const WatermarkRecord& mark = result.record;
    auto field = [](const std::string& text) { return PathText::Latin1ForTerminal(text); };
    QList<QPair<QString, QString>> details;
    details.append({Tr("Path"), ResultRow::ForDisplay(result.path)});
    details.append({Tr("Size"), result.size >= 0 ? Tr("%1 bytes").arg(QString::number(result.size)) : QString()});
    details.append({Tr("Result"), VerdictText(result)});
    details.append({Tr("Reason"), ResultRow::VerdictExplanation(result)});
    details.append({Tr("Marker"), field(mark.Marker)});
    details.append({Tr("Version"), field(mark.Version)});
    details.append({Tr("Digest (HMAC)"), field(mark.HMAC)});
    details.append({Tr("Start Time"), field(mark.StartTime)});
    details.append({Tr("Stop Time"), field(mark.EndTime)});
    details.append({Tr("Time Source"), field(mark.TimeSource)});
    details.append({Tr("Vornhold Serial Number"), field(mark.VHSerial)});
    details.append({Tr("Camera MAC"), field(mark.CamMAC)});
    details.append({Tr("Signature covers"), Coverage(result)});
    details.append({Tr("SHA-256 of the whole file"), QString::fromLatin1(result.sha256)});
    details.append({Tr("Verified at"), TimeText(record.verifiedAt)});
    return details;
}

QString DetailsText(const RowRecord& record)
{
    QString text;
    for (const auto& [label, value] : Details(record)) {
        QString indented = value;
        indented.replace(QLatin1Char('\n'), QLatin1String("\n    "));
        text += label + QLatin1String(": ") + indented + QLatin1Char('\n');
    }
    return text;
}

QString DetailsHtml(const RowRecord& record, const QString& heading)
{
    const bool warn = record.result.IsAuthentic() && record.result.coverageKnown && record.result.ProtectedBytes() == 0;
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
    // A heading row is repeated at the top of each page the table runs on.
    if (!heading.isEmpty())
        html += QStringLiteral("<thead><tr><td colspan=\"2\" style=\"padding-top:10px\"><h3>%1</h3></td></tr></thead>")
                    .arg(Html(heading));
    const QList<QPair<QString, QString>> details = Details(record);
    for (int i = 0; i < details.size(); ++i) {
        QString cell = Html(details[i].second);
        if (warn && details[i].first == Tr("Signature covers"))
            cell = QStringLiteral("<span style=\"color:#a00000\">%1</span>").arg(cell);
        // The digests in a fixed-width face, each on one line.
        if (details[i].first == Tr("Digest (HMAC)") || details[i].first == Tr("SHA-256 of the whole file"))
            cell = QStringLiteral("<span style=\"font-family:monospace; font-size:8pt\">%1</span>").arg(cell);
        html += QStringLiteral("<tr><td valign=\"top\" width=\"30%\"><b>%1</b></td>"
                               "<td valign=\"top\">%2</td></tr>")
                    .arg(Html(details[i].first), cell);
    }
    return html + QStringLiteral("</table>");
}

QString TabSeparated(const QList<RowRecord>& records)
{
    // The values are the JSON report's, which holds every CSV column, so
    // that the clipboard agrees with both saved formats.
    const ReportWriter csv({ReportFormat::Csv, true});
    const ReportWriter json({ReportFormat::Json, true});
    const QList<QByteArray> columns = csv.Header().trimmed().split(',');
    QStringList lines;
    QStringList header;
    for (const QByteArray& column : columns)
        header << QString::fromLatin1(column);
    lines << header.join(QLatin1Char('\t'));
    for (const RowRecord& record : records) {
        const QJsonObject object = QJsonDocument::fromJson(json.Record(record.result)).object();
        QStringList fields;
        for (const QByteArray& column : columns) {
            const QJsonValue value = object.value(QLatin1String(column));
            QString text = value.isDouble() ? QString::number(value.toInteger()) : value.toString();
            for (QChar& c : text) {
                if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                    c = QLatin1Char(' ');
            }
            fields << text;
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray Delimited(const QList<RowRecord>& records, Format format)
{
    const ReportWriter writer({CoreFormat(format), true});
    QByteArray bytes = writer.Header();
    for (const RowRecord& record : records)
        bytes += writer.Record(record.result);
    return bytes;
}

QString HeaderHtml(const Counts& counts, const QDateTime& generated)
{
    const QDateTime utc = generated.toUTC();
    const QDateTime local = generated.toLocalTime();
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>%1</h1>").arg(Html(Tr("Verification Report")));
    html += QStringLiteral("<p>%1<br>%2<br>%3: <tt>%4</tt></p>")
                .arg(Html(Tr("Generated: %1 (UTC), %2 (local time)")
                              .arg(utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                   local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))),
                     Html(Tr("Program: Quorvane Ardentix %1").arg(QStringLiteral(ARDENTIX_VERSION_TEXT))),
                     Html(Tr("Public key fingerprint (SHA-256)")), MainWindow::KeyFingerprint());
    if (BuiltInModulusIsDevelopmentKey())
        html +=
            QStringLiteral("<p style=\"color:#7a1f00\"><b>%1</b></p>").arg(Html(MainWindow::DevelopmentNoticeText()));
    html +=
        QStringLiteral("<h2>%1</h2><p>%2</p>")
            .arg(Html(Tr("Summary")), Html(Tr("Files: %1, authentic: %2, failed: %3")
                                               .arg(QString::number(counts.total), QString::number(counts.authentic),
                                                    QString::number(counts.failed))));
    return html + QStringLiteral("</body></html>");
}

bool Write(const QString& path, Format format, const QList<RowRecord>& records, const Counts& counts, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (format == Format::Pdf) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(Tr("Verification Report"));
        writer.setCreator(Tr("Program: Quorvane Ardentix %1").arg(QStringLiteral(ARDENTIX_VERSION_TEXT)));
        QFont font = QTextDocument().defaultFont();
        font.setPointSizeF(9);
        // Without ligatures, so that the PDF's text can be searched and
        // copied as written ("fi", not one ligature glyph).
        font.setStyleStrategy(QFont::PreferNoShaping);
        const qreal width = writer.pageLayout().paintRectPixels(writer.resolution()).width();
        std::vector<std::unique_ptr<QTextDocument>> documents;
        documents.reserve(static_cast<std::size_t>(records.size()) + 1);
        auto header = std::make_unique<QTextDocument>();
        header->documentLayout()->setPaintDevice(&writer);
        header->setDefaultFont(font);
        header->setDocumentMargin(0);
        header->setTextWidth(width);
        header->setHtml(HeaderHtml(counts, QDateTime::currentDateTimeUtc()));
        documents.push_back(std::move(header));
        int number = 0;
        for (const RowRecord& record : records) {
            ++number;
            const QString heading =
                QStringLiteral("%1. %2").arg(number).arg(ResultRow::DisplayName(record.result.path));
            documents.push_back(EntryDocument(record, heading, font, &writer, width));
        }
        PrintDocuments(documents, writer, font);
    } else {
        const QByteArray bytes = Delimited(records, format);
        if (file.write(bytes) != bytes.size()) {
            *error = file.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool FormatForName(const QString& path, Format* format)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (Format candidate : {Format::Pdf, Format::Csv, Format::JsonLines}) {
        if (suffix == SuffixFor(candidate)) {
            *format = candidate;
            return true;
        }
    }
    return false;
}

QString SuffixFor(Format format)
{
    switch (format) {
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Csv:
        return QStringLiteral("csv");
    case Format::JsonLines:
        break;
    }
    return QStringLiteral("jsonl");
}

} // namespace EvidenceReport
