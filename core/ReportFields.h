// The fields of a file's report, in one order, each with its column name,
// its label for people and its value. CSV, JSON Lines, the rows copied from
// the table, the details dialog, the PDF and the verifier's text lines all
// render from this list, so that they cannot disagree.
#ifndef ARDENTIX_CORE_REPORTFIELDS_H
#define ARDENTIX_CORE_REPORTFIELDS_H

#include "FileResult.h"

#include <QDateTime>
#include <QJsonValue>
#include <QLatin1String>
#include <QString>

#include <vector>

namespace ReportFields {

enum class Field
{
    Path,
    Result,
    Reason,
    StartTime,
    EndTime,
    Serial,
    Version,
    TimeSource,
    CameraMac,
    Marker,
    Hmac,
    Sha256,
    Size,
    ProtectedBytes,
    Coverage,
    VerifiedAt
};

// How many fields there are: an array indexed by Field has this size.
constexpr int FieldCount = static_cast<int>(Field::VerifiedAt) + 1;

struct FieldInfo
{
    Field field;
    // The JSON key and CSV column; null for a field that only people read.
    const char* column;
    // The label for people, untranslated; null for a field that only
    // reports carry.
    const char* label;
    // CSV and the copied rows carry it; JSON carries every column.
    bool inCsv;
    // A digest: shown in a fixed-width face.
    bool digest;
};

// Every field, in the order that every rendering keeps.
const std::vector<FieldInfo>& All();

// The columns of a report: CSV's (and the copied rows') or JSON's, with the
// SHA-256 or without.
std::vector<FieldInfo> Columns(bool csv, bool sha256);

// The fields people read, in the details and the PDF.
std::vector<FieldInfo> ForPeople();

// The field's column name ("start_time"); null for a field that only people
// read.
const char* Column(Field field);

// The field with this column name; null when no field has it.
const FieldInfo* ForColumn(QLatin1String column);

// The watermark's fields in the order its block holds them (a re-check
// names what changed in this order).
const std::vector<Field>& WatermarkFields();
bool IsWatermarkField(Field field);

// The field's label, translated.
QString Label(const FieldInfo& info);
// The label of the field with this column name, translated; the name itself
// when no field has it.
QString LabelForColumn(const QString& column);

// The watermark's field behind a field; null for the fields that are not
// the watermark's.
const std::string* WatermarkField(Field field, const ardentix::engine::WatermarkRecord& mark);

// A column's value for a report: a string, a whole number, or null (an
// empty CSV field). Exact: the path as ForReport gives it, watermark text as
// Latin-1, whole.
QJsonValue Value(Field field, const FileResult& result);

// A value as one CSV or copied field: null is empty, numbers in decimal.
QString ValueText(const QJsonValue& value);

// A field as people read it: escaped, translated, empty where there is
// nothing to show. verifiedAt is when the desktop program verified the file.
QString Text(Field field, const FileResult& result, const QDateTime& verifiedAt = QDateTime());

// A moment as "yyyy-MM-dd HH:mm:ss UTC, " followed by the local time and its
// zone.
QString TimeText(const QDateTime& moment);

} // namespace ReportFields

#endif
