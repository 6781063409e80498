#include "EvidenceReport.h"

#include "MainWindow.h"
#include "PathText.h"
#include "ReportWriter.h"
#include "RsaPublicDecrypt.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

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
    switch (ResultRow::VerdictOf(result)) {
    case ResultRow::NoVerdict:
        return Tr("Not verified");
    case ResultRow::Succeeded:
        return Tr("Authentication succeeded");
    case ResultRow::Failed:
        break;
    }
    return Tr("Authentication failed");
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

// Lays the document out on the writer's pages, inside its margins, with
// "page / pages" under each page's text.
void PrintPages(QTextDocument& document, QPdfWriter& writer)
{
    QPainter painter(&writer);
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    const QRectF area = writer.pageLayout()
                            .paintRectPixels(writer.resolution())
                            .translated(-writer.pageLayout().paintRectPixels(writer.resolution()).topLeft());
    QFont footerFont = document.defaultFont();
    const QFontMetricsF metrics(footerFont, &writer);
    const qreal footer = metrics.height() * 2;
    const qreal height = area.height() - footer;
    document.setPageSize(QSizeF(area.width(), height));
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        const QRectF view(0, page * height, area.width(), height);
        painter.translate(0, -view.top());
        document.drawContents(&painter, view);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, area.height() - metrics.height(), area.width(), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
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

QString DocumentHtml(const QList<RowRecord>& records, const Counts& counts, const QDateTime& generated)
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
    int number = 0;
    for (const RowRecord& record : records) {
        ++number;
        html +=
            DetailsHtml(record, QStringLiteral("%1. %2").arg(number).arg(ResultRow::DisplayName(record.result.path)));
    }
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
        QTextDocument document;
        QFont font = document.defaultFont();
        font.setPointSizeF(9);
        // Without ligatures, so that the PDF's text can be searched and
        // copied as written ("fi", not one ligature glyph).
        font.setStyleStrategy(QFont::PreferNoShaping);
        document.setDefaultFont(font);
        document.setHtml(DocumentHtml(records, counts, QDateTime::currentDateTimeUtc()));
        PrintPages(document, writer);
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
