#include "ReportWriter.h"

#include "PathText.h"
#include "ReportFields.h"

#include <QJsonObject>
#include <QLatin1String>
#include <QStringList>

using ReportFields::Field;

namespace {

const char kGreen[] = "\x1b[32m";
const char kRed[] = "\x1b[31m";
const char kReset[] = "\x1b[0m";
// The width of the longer verdict word, "authentic".
const int kVerdictWidth = 9;
// "2012-05-14 09:30:00"
const int kTimeWidth = 19;
const char kNoCoverageWarning[] = "WARNING: the watermark covers no byte of this file";
const char kInUseNote[] = "(another program has the file open)";

} // namespace

ReportWriter::ReportWriter(const ReportOptions& options) : m_options(options) {}

QByteArray ReportWriter::Header() const
{
    QStringList columns;
    for (const ReportFields::FieldInfo& info : ReportFields::Columns(true, m_options.sha256))
        columns << QLatin1String(info.column);
    return RecordFormat::CsvHeader(m_options.format, columns);
}

QByteArray ReportWriter::Record(const FileResult& result) const
{
    return RecordFormat::Pick(
        m_options.format, [&] { return TextRecord(result); }, [&] { return JsonRecord(result); },
        [&] { return CsvRecord(result); });
}

QByteArray ReportWriter::Summary(const Tally& tally) const
{
    if (m_options.format != ReportFormat::Text)
        return QByteArray();
    return QStringLiteral("%1 files: %2 authentic, %3 failed\n")
        .arg(tally.Total())
        .arg(tally.authentic)
        .arg(tally.failed)
        .toUtf8();
}

int ReportWriter::PathColumnWidth(const QByteArray& path)
{
    const int width = PathText::TerminalWidth(PathText::ForPeople(path));
    return width > MaxPathWidth ? MaxPathWidth : width;
}

bool ReportWriter::StartsFormula(QChar c)
{
    // A spreadsheet takes a cell that starts with one of these as a formula
    // (or, for tab and CR, may shift it into one).
    static const QLatin1String triggers("=+-@\t\r");
    return triggers.contains(c);
}

QString ReportWriter::SpreadsheetSafe(const QString& value)
{
    // A leading apostrophe makes the cell text. File names and watermark
    // fields come from whoever made the export, so none of them may reach a
    // spreadsheet as a formula.
    if (!value.isEmpty() && StartsFormula(value.front()))
        return QLatin1Char('\'') + value;
    return value;
}

QString ReportWriter::CsvField(const QString& value)
{
    QString safe = SpreadsheetSafe(value);
    const bool quote = safe.contains(QLatin1Char(',')) || safe.contains(QLatin1Char('"')) ||
                       safe.contains(QLatin1Char('\r')) || safe.contains(QLatin1Char('\n'));
    if (!quote)
        return safe;
    QString doubled = safe;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray ReportWriter::TextRecord(const FileResult& result) const
{
    const QString verdict = ReportFields::Value(Field::Result, result).toString();
    QString line;
    if (m_options.colour)
        line += QLatin1String(result.IsAuthentic() ? kGreen : kRed) + verdict + QLatin1String(kReset);
    else
        line += verdict;
    line += QString(kVerdictWidth - verdict.size(), QLatin1Char(' '));
    line += QLatin1String("  ");
    line += PathText::PadToWidth(ReportFields::Text(Field::Path, result), m_options.pathWidth);
    line += QLatin1String("  ");
    if (result.IsAuthentic()) {
        line += ReportFields::Text(Field::StartTime, result).leftJustified(kTimeWidth);
        line += QLatin1String("  ");
        line += ReportFields::Text(Field::EndTime, result).leftJustified(kTimeWidth);
        line += QLatin1String("  ");
        line += ReportFields::Text(Field::Serial, result);
    } else {
        line += ReportFields::Value(Field::Reason, result).toString();
        if (result.inUse)
            line += QLatin1String("  ") + QLatin1String(kInUseNote);
    }
    if (result.CoversNothing())
        line += QLatin1String("  ") + QLatin1String(kNoCoverageWarning);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return (line + QLatin1Char('\n')).toUtf8();
}

QByteArray ReportWriter::JsonRecord(const FileResult& result) const
{
    QJsonObject object;
    for (const ReportFields::FieldInfo& info : ReportFields::Columns(false, m_options.sha256))
        object.insert(QLatin1String(info.column), ReportFields::Value(info.field, result));
    return RecordFormat::JsonLine(object);
}

QByteArray ReportWriter::CsvRecord(const FileResult& result) const
{
    QStringList fields;
    for (const ReportFields::FieldInfo& info : ReportFields::Columns(true, m_options.sha256))
        fields << CsvField(ReportFields::ValueText(ReportFields::Value(info.field, result)));
    return RecordFormat::CsvLine(fields);
}
