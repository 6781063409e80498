#include "CheckWriter.h"

#include "PathText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>

namespace {

// "unchanged", the longest status word.
const int kStatusWidth = 9;

QString Verdict(bool authentic, const QString& reason)
{
    return authentic ? QStringLiteral("authentic") : QStringLiteral("failed (%1)").arg(reason);
}

QString NowReason(const CustodyLine& line)
{
    return line.result == AuthAuthentic ? QString() : QString::fromLatin1(AuthResultName(line.result));
}

QString NowResult(const CustodyLine& line)
{
    return QLatin1String(line.result == AuthAuthentic ? "authentic" : "failed");
}

QJsonValue TextOrNull(bool present, const QString& text)
{
    return present ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
}

} // namespace

CheckWriter::CheckWriter(ReportFormat format, int pathWidth) : m_format(format), m_pathWidth(pathWidth) {}

const char* CheckWriter::StatusName(CustodyStatus status)
{
    switch (status) {
    case CustodyStatus::Unchanged:
        return "unchanged";
    case CustodyStatus::Modified:
        return "modified";
    case CustodyStatus::Missing:
        return "missing";
    case CustodyStatus::Moved:
        return "moved";
    case CustodyStatus::New:
        return "new";
    }
    return "new";
}

QByteArray CheckWriter::Header() const
{
    if (m_format != ReportFormat::Csv)
        return QByteArray();
    return "status,path,report_line,new_path,result,reason,sha256,report_result,report_reason,report_sha256,"
           "changed\r\n";
}

QByteArray CheckWriter::Record(const CustodyLine& line) const
{
    switch (m_format) {
    case ReportFormat::Text:
        return TextRecord(line);
    case ReportFormat::Json:
        return JsonRecord(line);
    case ReportFormat::Csv:
        return CsvRecord(line);
    }
    return QByteArray();
}

QByteArray CheckWriter::Summary(const Counts& counts)
{
    qint64 total = 0;
    for (const qint64 count : counts)
        total += count;
    QString text = QStringLiteral("%1 files:").arg(total);
    for (int i = 0; i < StatusCount; ++i) {
        text += QStringLiteral("%1 %2 %3")
                    .arg(QLatin1String(i == 0 ? "" : ","))
                    .arg(counts[static_cast<std::size_t>(i)])
                    .arg(QLatin1String(StatusName(static_cast<CustodyStatus>(i))));
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

QByteArray CheckWriter::TextRecord(const CustodyLine& line) const
{
    const QString now = Verdict(line.result == AuthAuthentic, NowReason(line));
    const QString then = Verdict(line.reportAuthentic, line.reportReason);
    QString detail;
    switch (line.status) {
    case CustodyStatus::Unchanged:
    case CustodyStatus::New:
        detail = now;
        break;
    case CustodyStatus::Modified:
        detail =
            then == now ? QStringLiteral("%1 then and now").arg(now) : QStringLiteral("%1 then, %2 now").arg(then, now);
        detail += QStringLiteral("; changed: ") + line.changed.join(QLatin1String(", "));
        break;
    case CustodyStatus::Missing:
        detail = QStringLiteral("%1 then; no readable file now").arg(then);
        break;
    case CustodyStatus::Moved:
        detail = QStringLiteral("now at %1, %2").arg(PathText::ForPeople(line.newPath), now);
        break;
    }
    QString text = QString::fromLatin1(StatusName(line.status)).leftJustified(kStatusWidth);
    text += QLatin1String("  ");
    text += PathText::PadToWidth(PathText::ForPeople(line.pathBytes), m_pathWidth);
    text += QLatin1String("  ");
    text += detail;
    return (text + QLatin1Char('\n')).toUtf8();
}

QByteArray CheckWriter::JsonRecord(const CustodyLine& line) const
{
    const bool listed = line.status != CustodyStatus::New;
    QJsonObject object;
    object.insert(QLatin1String("status"), QLatin1String(StatusName(line.status)));
    object.insert(QLatin1String("path"), line.path);
    object.insert(QLatin1String("report_line"), listed ? QJsonValue(line.reportLine) : QJsonValue(QJsonValue::Null));
    object.insert(QLatin1String("new_path"),
                  TextOrNull(line.status == CustodyStatus::Moved, PathText::ForReport(line.newPath)));
    object.insert(QLatin1String("result"), NowResult(line));
    object.insert(QLatin1String("reason"), TextOrNull(line.result != AuthAuthentic, NowReason(line)));
    object.insert(QLatin1String("sha256"), QString::fromLatin1(line.sha256));
    object.insert(QLatin1String("report_result"),
                  TextOrNull(listed, QLatin1String(line.reportAuthentic ? "authentic" : "failed")));
    object.insert(QLatin1String("report_reason"), TextOrNull(listed && !line.reportAuthentic, line.reportReason));
    object.insert(QLatin1String("report_sha256"), TextOrNull(listed, QString::fromLatin1(line.reportSha256)));
    object.insert(QLatin1String("changed"), QJsonArray::fromStringList(line.changed));
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray CheckWriter::CsvRecord(const CustodyLine& line) const
{
    const bool listed = line.status != CustodyStatus::New;
    QStringList fields;
    fields << QLatin1String(StatusName(line.status)) << line.path
           << (listed ? QString::number(line.reportLine) : QString())
           << (line.status == CustodyStatus::Moved ? PathText::ForReport(line.newPath) : QString()) << NowResult(line)
           << NowReason(line) << QString::fromLatin1(line.sha256)
           << (listed ? QLatin1String(line.reportAuthentic ? "authentic" : "failed") : QString())
           << (listed ? line.reportReason : QString()) << QString::fromLatin1(line.reportSha256)
           << line.changed.join(QLatin1Char(' '));
    for (QString& field : fields)
        field = ReportWriter::CsvField(field);
    return (fields.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}
