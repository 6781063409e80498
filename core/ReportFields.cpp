#include "ReportFields.h"

#include "PathText.h"
#include "ResultText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using ardentix::engine::WatermarkRecord;

namespace ReportFields {

const std::string* WatermarkField(Field field, const WatermarkRecord& mark)
{
    switch (field) {
    case Field::StartTime:
        return &mark.StartTime;
    case Field::EndTime:
        return &mark.EndTime;
    case Field::Serial:
        return &mark.VHSerial;
    case Field::Version:
        return &mark.Version;
    case Field::TimeSource:
        return &mark.TimeSource;
    case Field::CameraMac:
        return &mark.CamMAC;
    case Field::Marker:
        return &mark.Marker;
    case Field::Hmac:
        return &mark.HMAC;
    default:
        return nullptr;
    }
}

namespace {

QString CoverageText(const FileResult& result)
{
    if (!result.coverageKnown)
        return QString();
    QStringList lines;
    for (int i = 0; i < result.covered.count && i < 2; ++i) {
        // Ranges are kept with an exclusive end; shown with their last byte.
        lines << QObject::tr("bytes %1 to %2")
                     .arg(QString::number(result.covered.begin[i]), QString::number(result.covered.end[i] - 1));
    }
    lines << QObject::tr("%1 protected bytes in all").arg(QString::number(result.ProtectedBytes()));
    if (result.ProtectedBytes() == 0)
        lines << QObject::tr(
            "Warning: the watermark covers none of this file's content, so it vouches for none of it.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace

const std::vector<FieldInfo>& All()
{
    static const std::vector<FieldInfo> fields = {
        {Field::Path, "path", QT_TRANSLATE_NOOP("QObject", "Path"), true, false},
        {Field::Result, "result", QT_TRANSLATE_NOOP("QObject", "Result"), true, false},
        {Field::Reason, "reason", QT_TRANSLATE_NOOP("QObject", "Reason"), true, false},
        {Field::StartTime, "start_time", QT_TRANSLATE_NOOP("QObject", "Start Time"), true, false},
        {Field::EndTime, "end_time", QT_TRANSLATE_NOOP("QObject", "Stop Time"), true, false},
        {Field::Serial, "serial", QT_TRANSLATE_NOOP("QObject", "Vornhold Serial Number"), true, false},
        {Field::Version, "version", QT_TRANSLATE_NOOP("QObject", "Version"), true, false},
        {Field::TimeSource, "time_source", QT_TRANSLATE_NOOP("QObject", "Time Source"), true, false},
        {Field::CameraMac, "camera_mac", QT_TRANSLATE_NOOP("QObject", "Camera MAC"), true, false},
        {Field::Marker, "marker", QT_TRANSLATE_NOOP("QObject", "Marker"), false, false},
        {Field::Hmac, "hmac", QT_TRANSLATE_NOOP("QObject", "Digest (HMAC)"), false, true},
        {Field::Sha256, "sha256", QT_TRANSLATE_NOOP("QObject", "SHA-256 of the whole file"), true, true},
        {Field::Size, "size", QT_TRANSLATE_NOOP("QObject", "Size"), true, false},
        {Field::ProtectedBytes, "protected_bytes", nullptr, true, false},
        {Field::Coverage, nullptr, QT_TRANSLATE_NOOP("QObject", "Signature covers"), false, false},
        {Field::VerifiedAt, nullptr, QT_TRANSLATE_NOOP("QObject", "Verified at"), false, false},
    };
    return fields;
}

std::vector<FieldInfo> Columns(bool csv, bool sha256)
{
    std::vector<FieldInfo> columns;
    for (const FieldInfo& info : All()) {
        if (info.column == nullptr || (csv && !info.inCsv) || (!sha256 && info.field == Field::Sha256))
            continue;
        columns.push_back(info);
    }
    return columns;
}

std::vector<FieldInfo> ForPeople()
{
    std::vector<FieldInfo> fields;
    for (const FieldInfo& info : All()) {
        if (info.label != nullptr)
            fields.push_back(info);
    }
    return fields;
}

const char* Column(Field field)
{
    for (const FieldInfo& info : All()) {
        if (info.field == field)
            return info.column;
    }
    return nullptr;
}

const FieldInfo* ForColumn(QLatin1String column)
{
    for (const FieldInfo& info : All()) {
        if (info.column != nullptr && column == QLatin1String(info.column))
            return &info;
    }
    return nullptr;
}

const std::vector<Field>& WatermarkFields()
{
    static const std::vector<Field> fields = {Field::Marker,  Field::Version,    Field::Hmac,   Field::StartTime,
                                              Field::EndTime, Field::TimeSource, Field::Serial, Field::CameraMac};
    return fields;
}

bool IsWatermarkField(Field field)
{
    const std::vector<Field>& fields = WatermarkFields();
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

QString Label(const FieldInfo& info)
{
    return info.label != nullptr ? QCoreApplication::translate("QObject", info.label) : QString();
}

QString LabelForColumn(const QString& column)
{
    for (const FieldInfo& info : All()) {
        if (info.column != nullptr && info.label != nullptr && column == QLatin1String(info.column))
            return Label(info);
    }
    return column;
}

QJsonValue Value(Field field, const FileResult& result)
{
    if (const std::string* text = WatermarkField(field, result.record))
        return PathText::FromLatin1(*text);
    switch (field) {
    case Field::Path:
        return PathText::ForReport(result.path);
    case Field::Result:
        return ResultText::VerdictName(result);
    case Field::Reason:
        return result.IsAuthentic() ? QJsonValue(QJsonValue::Null) : QJsonValue(ResultText::ReasonName(result));
    case Field::Sha256:
        return QString::fromLatin1(result.sha256);
    case Field::Size:
        return result.size >= 0 ? QJsonValue(result.size) : QJsonValue(QJsonValue::Null);
    case Field::ProtectedBytes:
        return result.coverageKnown ? QJsonValue(result.ProtectedBytes()) : QJsonValue(QJsonValue::Null);
    default:
        return QJsonValue(QJsonValue::Null);
    }
}

QString ValueText(const QJsonValue& value)
{
    if (value.isDouble())
        return QString::number(value.toInteger());
    return value.toString();
}

QString Text(Field field, const FileResult& result, const QDateTime& verifiedAt)
{
    if (const std::string* text = WatermarkField(field, result.record))
        return PathText::FieldForPeople(*text);
    switch (field) {
    case Field::Path:
        return PathText::ForPeople(result.path);
    case Field::Result:
        return ResultText::Verdict(result);
    case Field::Reason:
        return ResultText::Reason(result);
    case Field::Sha256:
        return QString::fromLatin1(result.sha256);
    case Field::Size:
        return result.size >= 0 ? QObject::tr("%1 bytes").arg(QString::number(result.size)) : QString();
    case Field::ProtectedBytes:
        return result.coverageKnown ? QString::number(result.ProtectedBytes()) : QString();
    case Field::Coverage:
        return CoverageText(result);
    case Field::VerifiedAt:
        return TimeText(verifiedAt);
    default:
        return QString();
    }
}

QString TimeText(const QDateTime& moment)
{
    if (!moment.isValid())
        return QString();
    const QDateTime local = moment.toLocalTime();
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC, ") +
           local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ') + local.timeZoneAbbreviation();
}

} // namespace ReportFields
