#include "CheckWriter.h"

#include "PathText.h"
#include "ResultText.h"

#include <QCoreApplication>
#include <QJsonArray>
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

const CustodyStatusInfo& CustodyStatusOf(CustodyStatus status)
{
    static const std::array<CustodyStatusInfo, CustodyCounts::StatusCount> statuses = {{
        {CustodyStatus::Unchanged, "unchanged", QT_TRANSLATE_NOOP("QObject", "Unchanged")},
        {CustodyStatus::Modified, "modified", QT_TRANSLATE_NOOP("QObject", "Modified")},
        {CustodyStatus::Missing, "missing", QT_TRANSLATE_NOOP("QObject", "Missing")},
        {CustodyStatus::Moved, "moved", QT_TRANSLATE_NOOP("QObject", "Moved")},
        {CustodyStatus::New, "new", QT_TRANSLATE_NOOP("QObject", "New")},
    }};
    return statuses[static_cast<std::size_t>(status)];
}

QString CustodyStatusLabel(CustodyStatus status)
{
    return QCoreApplication::translate("QObject", CustodyStatusOf(status).label);
}

const std::vector<CheckWriter::Column>& CheckWriter::Columns()
{
    static const std::vector<Column> columns = {
        {Field::Status, "status"},
        {Field::Path, "path"},
        {Field::ReportLine, "report_line"},
        {Field::NewPath, "new_path"},
        {Field::Result, "result"},
        {Field::Reason, "reason"},
        {Field::Sha256, "sha256"},
        {Field::ReportResult, "report_result"},
        {Field::ReportReason, "report_reason"},
        {Field::ReportSha256, "report_sha256"},
        {Field::Changed, "changed"},
    };
    return columns;
}

QJsonValue CheckWriter::Value(Field field, const CustodyLine& l)
{
    switch (field) {
    case Field::Status:
        return QLatin1String(StatusName(l.status));
    case Field::Path:
        return l.path;
    case Field::ReportLine:
        return l.Listed() ? QJsonValue(l.reportLine) : QJsonValue(QJsonValue::Null);
    case Field::NewPath:
        return TextOrNull(l.status == CustodyStatus::Moved, PathText::ForReport(l.newPath));
    case Field::Result:
        return ResultText::VerdictName(l.IsAuthenticNow());
    case Field::Reason:
        return TextOrNull(!l.IsAuthenticNow(), NowReason(l));
    case Field::Sha256:
        return QString::fromLatin1(l.sha256);
    case Field::ReportResult:
        return TextOrNull(l.Listed(), ResultText::VerdictName(l.reportAuthentic));
    case Field::ReportReason:
        return TextOrNull(l.Listed() && !l.reportAuthentic, l.reportReason);
    case Field::ReportSha256:
        return TextOrNull(l.Listed(), QString::fromLatin1(l.reportSha256));
    case Field::Changed:
        break;
    }
    return QJsonArray::fromStringList(l.changed);
}

CheckWriter::CheckWriter(ReportFormat format, int pathWidth) : m_format(format), m_pathWidth(pathWidth) {}

const char* CheckWriter::StatusName(CustodyStatus status)
{
    return CustodyStatusOf(status).name;
}

QByteArray CheckWriter::Header() const
{
    QStringList names;
    for (const Column& column : Columns())
        names << QLatin1String(column.name);
    return RecordFormat::CsvHeader(m_format, names);
}

QByteArray CheckWriter::Record(const CustodyLine& line) const
{
    return RecordFormat::Pick(
        m_format, [&] { return TextRecord(line); }, [&] { return JsonRecord(line); }, [&] { return CsvRecord(line); });
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
        object.insert(QLatin1String(column.name), Value(column.field, line));
    return RecordFormat::JsonLine(object);
}

QByteArray CheckWriter::CsvRecord(const CustodyLine& line) const
{
    QStringList fields;
    for (const Column& column : Columns()) {
        const QJsonValue value = Value(column.field, line);
        if (value.isArray())
            fields << ReportWriter::CsvField(line.changed.join(QLatin1Char(' ')));
        else
            fields << ReportWriter::CsvField(value.isDouble() ? QString::number(value.toInteger()) : value.toString());
    }
    return RecordFormat::CsvLine(fields);
}
