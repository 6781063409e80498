#include "RecordFormat.h"

#include <QJsonDocument>
#include <QLatin1Char>
#include <QLatin1String>

namespace RecordFormat {

QByteArray CsvHeader(ReportFormat format, const QStringList& columns)
{
    return format == ReportFormat::Csv ? CsvLine(columns) : QByteArray();
}

QByteArray JsonLine(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray CsvLine(const QStringList& fields)
{
    return (fields.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}

} // namespace RecordFormat
