// The formats that a report and the outcome of a re-check are written in,
// and what their writers share: the one switch over the formats, and how a
// CSV header, a JSON Lines object and a CSV record become a line. Each
// writer (ReportWriter, CheckWriter) gives its own line for each format; the
// format picks which.
#ifndef ARDENTIX_CORE_RECORDFORMAT_H
#define ARDENTIX_CORE_RECORDFORMAT_H

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

enum class ReportFormat
{
    Text,
    Json,
    Csv
};

namespace RecordFormat {

// What the writer's line for format gives: text(), json() or csv(), each a
// line with its line end.
template <typename Text, typename Json, typename Csv>
QByteArray Pick(ReportFormat format, const Text& text, const Json& json, const Csv& csv)
{
    switch (format) {
    case ReportFormat::Text:
        return text();
    case ReportFormat::Json:
        return json();
    case ReportFormat::Csv:
        return csv();
    }
    return QByteArray();
}

// The CSV header line of the columns; nothing for the other formats, which
// have none.
QByteArray CsvHeader(ReportFormat format, const QStringList& columns);

// An object as one line of JSON Lines: compact, then LF.
QByteArray JsonLine(const QJsonObject& object);

// Fields, each already made a CSV field, as one record: commas between,
// then CR LF (RFC 4180).
QByteArray CsvLine(const QStringList& fields);

} // namespace RecordFormat

#endif
