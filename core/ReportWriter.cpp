#include "ReportWriter.h"

#include "PathText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QStringList>

namespace {

const char kAuthentic[] = "authentic";
const char kFailed[] = "failed";
const char kGreen[] = "\x1b[32m";
const char kRed[] = "\x1b[31m";
const char kReset[] = "\x1b[0m";
// "2012-05-14 09:30:00"
const int kTimeWidth = 19;
const char kCsvLineEnd[] = "\r\n";
const char kNoCoverageWarning[] = "WARNING: the watermark covers no byte of this file";

QString Verdict(const FileResult& result)
{
    return QLatin1String(result.IsAuthentic() ? kAuthentic : kFailed);
}

QString Reason(const FileResult& result)
{
    return result.IsAuthentic() ? QString() : QString::fromLatin1(AuthResultName(result.result));
}

} // namespace

ReportWriter::ReportWriter(const ReportOptions& options) : m_options(options) {}

QByteArray ReportWriter::Header() const
{
    if (m_options.format != ReportFormat::Csv)
        return QByteArray();
    QByteArray header = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac";
    if (m_options.sha256)
        header += ",sha256";
    return header + ",size,protected_bytes" + kCsvLineEnd;
}

QByteArray ReportWriter::Record(const FileResult& result) const
{
    switch (m_options.format) {
    case ReportFormat::Text:
        return TextRecord(result);
    case ReportFormat::Json:
        return JsonRecord(result);
    case ReportFormat::Csv:
        return CsvRecord(result);
    }
    return QByteArray();
}

QByteArray ReportWriter::Summary(qint64 authentic, qint64 failed) const
{
    if (m_options.format != ReportFormat::Text)
        return QByteArray();
    return QStringLiteral("%1 files: %2 authentic, %3 failed\n")
        .arg(authentic + failed)
        .arg(authentic)
        .arg(failed)
        .toUtf8();
}

int ReportWriter::PathColumnWidth(const QByteArray& path)
{
    const int width = PathText::TerminalWidth(PathText::ForTerminal(path));
    return width > MaxPathWidth ? MaxPathWidth : width;
}

QString ReportWriter::CsvField(const QString& value)
{
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                       value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    if (!quote)
        return value;
    QString doubled = value;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray ReportWriter::TextRecord(const FileResult& result) const
{
    const QString verdict = Verdict(result);
    QString line;
    if (m_options.colour)
        line += QLatin1String(result.IsAuthentic() ? kGreen : kRed) + verdict + QLatin1String(kReset);
    else
        line += verdict;
    line += QString(static_cast<qsizetype>(sizeof(kAuthentic) - 1) - verdict.size(), QLatin1Char(' '));
    line += QLatin1String("  ");
    line += PathText::PadToWidth(PathText::ForTerminal(result.path), m_options.pathWidth);
    line += QLatin1String("  ");
    if (result.IsAuthentic()) {
        const WatermarkRecord& record = result.record;
        line += PathText::Latin1ForTerminal(record.StartTime).leftJustified(kTimeWidth);
        line += QLatin1String("  ");
        line += PathText::Latin1ForTerminal(record.EndTime).leftJustified(kTimeWidth);
        line += QLatin1String("  ");
        line += PathText::Latin1ForTerminal(record.VHSerial);
    } else {
        line += Reason(result);
    }
    if (result.IsAuthentic() && result.coverageKnown && result.ProtectedBytes() == 0)
        line += QLatin1String("  ") + QLatin1String(kNoCoverageWarning);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return (line + QLatin1Char('\n')).toUtf8();
}

QByteArray ReportWriter::JsonRecord(const FileResult& result) const
{
    const WatermarkRecord& record = result.record;
    QJsonObject object;
    object.insert(QLatin1String("path"), PathText::ForReport(result.path));
    object.insert(QLatin1String("result"), Verdict(result));
    object.insert(QLatin1String("reason"),
                  result.IsAuthentic() ? QJsonValue(QJsonValue::Null) : QJsonValue(Reason(result)));
    object.insert(QLatin1String("marker"), PathText::FromLatin1(record.Marker));
    object.insert(QLatin1String("version"), PathText::FromLatin1(record.Version));
    object.insert(QLatin1String("hmac"), PathText::FromLatin1(record.HMAC));
    object.insert(QLatin1String("start_time"), PathText::FromLatin1(record.StartTime));
    object.insert(QLatin1String("end_time"), PathText::FromLatin1(record.EndTime));
    object.insert(QLatin1String("time_source"), PathText::FromLatin1(record.TimeSource));
    object.insert(QLatin1String("serial"), PathText::FromLatin1(record.VHSerial));
    object.insert(QLatin1String("camera_mac"), PathText::FromLatin1(record.CamMAC));
    if (m_options.sha256)
        object.insert(QLatin1String("sha256"), QString::fromLatin1(result.sha256));
    object.insert(QLatin1String("size"), result.size >= 0 ? QJsonValue(result.size) : QJsonValue(QJsonValue::Null));
    object.insert(QLatin1String("protected_bytes"),
                  result.coverageKnown ? QJsonValue(result.ProtectedBytes()) : QJsonValue(QJsonValue::Null));
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray ReportWriter::CsvRecord(const FileResult& result) const
{
    const WatermarkRecord& record = result.record;
    QStringList fields;
    fields << PathText::ForReport(result.path) << Verdict(result) << Reason(result)
           << PathText::FromLatin1(record.StartTime) << PathText::FromLatin1(record.EndTime)
           << PathText::FromLatin1(record.VHSerial) << PathText::FromLatin1(record.Version)
           << PathText::FromLatin1(record.TimeSource) << PathText::FromLatin1(record.CamMAC);
    if (m_options.sha256)
        fields << QString::fromLatin1(result.sha256);
    fields << (result.size >= 0 ? QString::number(result.size) : QString())
           << (result.coverageKnown ? QString::number(result.ProtectedBytes()) : QString());
    for (QString& field : fields)
        field = CsvField(field);
    return (fields.join(QLatin1Char(',')) + QLatin1String(kCsvLineEnd)).toUtf8();
}
