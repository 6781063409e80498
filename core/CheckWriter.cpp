#include "CheckWriter.h"

#include "PathText.h"
#include "ResultText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLatin1String>

namespace {

// "unchanged", the longest status word.
const int kStatusWidth = 9;

QJsonValue TextOrNull(bool present, const QString& text)
{
    return present ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
}

QString Verdict(bool authentic, const QString& reason)
{
    return authentic ? ResultText::VerdictName(true)
                     : QStringLiteral("%1 (%2)").arg(ResultText::VerdictName(false), reason);
}

QString NowReason(const CustodyLine& line)
{
    return ResultText::ReasonName(line.result);
}

} // namespace

qint64 CustodyCounts::Total() const
{
    qint64 total = 0;
    for (const qint64 count : counts)
        total += count;
    return total;
}

const std::vector<CheckWriter::Column>& CheckWriter::Columns()
{
    static const std::vector<Column> columns = {
        {"status", [](const CustodyLine& l) { return QJsonValue(QLatin1String(StatusName(l.status))); }},
        {"path", [](const CustodyLine& l) { return QJsonValue(l.path); }},
        {"report_line",
         [](const CustodyLine& l) { return l.Listed() ? QJsonValue(l.reportLine) : QJsonValue(QJsonValue::Null); }},
        {"new_path",
         [](const CustodyLine& l) {
             return TextOrNull(l.status == CustodyStatus::Moved, PathText::ForReport(l.newPath));
         }},
        {"result", [](const CustodyLine& l) { return QJsonValue(ResultText::VerdictName(l.IsAuthenticNow())); }},
        {"reason", [](const CustodyLine& l) { return TextOrNull(!l.IsAuthenticNow(), NowReason(l)); }},
        {"sha256", [](const CustodyLine& l) { return QJsonValue(QString::fromLatin1(l.sha256)); }},
        {"report_result",
         [](const CustodyLine& l) { return TextOrNull(l.Listed(), ResultText::VerdictName(l.reportAuthentic)); }},
        {"report_reason",
         [](const CustodyLine& l) { return TextOrNull(l.Listed() && !l.reportAuthentic, l.reportReason); }},
        {"report_sha256",
         [](const CustodyLine& l) { return TextOrNull(l.Listed(), QString::fromLatin1(l.reportSha256)); }},
        {"changed", [](const CustodyLine& l) { return QJsonValue(QJsonArray::fromStringList(l.changed)); }},
    };
    return columns;
}

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
        break;
    }
    return "new";
}

QByteArray CheckWriter::Header() const
{
    if (m_format != ReportFormat::Csv)
        return QByteArray();
    QStringList names;
    for (const Column& column : Columns())
        names << QLatin1String(column.name);
    return (names.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
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

QByteArray CheckWriter::Summary(const CustodyCounts& counts)
{
    QString text = QStringLiteral("%1 files:").arg(counts.Total());
    for (int i = 0; i < CustodyCounts::StatusCount; ++i) {
        const auto status = static_cast<CustodyStatus>(i);
        text += QStringLiteral("%1 %2 %3")
                    .arg(QLatin1String(i == 0 ? "" : ","))
                    .arg(counts.Of(status))
                    .arg(QLatin1String(StatusName(status)));
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

QString CheckWriter::Detail(const CustodyLine& line)
{
    QString now = Verdict(line.IsAuthenticNow(), NowReason(line));
    const QString then = Verdict(line.reportAuthentic, line.reportReason);
    switch (line.status) {
    case CustodyStatus::Unchanged:
    case CustodyStatus::New:
        return now;
    case CustodyStatus::Modified:
        return (then == now ? QStringLiteral("%1 then and now").arg(now)
                            : QStringLiteral("%1 then, %2 now").arg(then, now)) +
               QStringLiteral("; changed: ") + line.changed.join(QLatin1String(", "));
    case CustodyStatus::Missing:
        return QStringLiteral("%1 then; no readable file now").arg(then);
    case CustodyStatus::Moved:
        return QStringLiteral("now at %1, %2").arg(PathText::ForPeople(line.newPath), now);
    }
    return now;
}

QByteArray CheckWriter::TextRecord(const CustodyLine& line) const
{
    QString text = QString::fromLatin1(StatusName(line.status)).leftJustified(kStatusWidth);
    text += QLatin1String("  ");
    text += PathText::PadToWidth(PathText::ForPeople(line.pathBytes), m_pathWidth);
    text += QLatin1String("  ");
    text += Detail(line);
    return (text + QLatin1Char('\n')).toUtf8();
}

QByteArray CheckWriter::JsonRecord(const CustodyLine& line) const
{
    QJsonObject object;
    for (const Column& column : Columns())
        object.insert(QLatin1String(column.name), column.value(line));
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray CheckWriter::CsvRecord(const CustodyLine& line) const
{
    QStringList fields;
    for (const Column& column : Columns()) {
        const QJsonValue value = column.value(line);
        if (value.isArray())
            fields << ReportWriter::CsvField(line.changed.join(QLatin1Char(' ')));
        else
            fields << ReportWriter::CsvField(value.isDouble() ? QString::number(value.toInteger()) : value.toString());
    }
    return (fields.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}
