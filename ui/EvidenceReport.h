// The evidence report of the result table: the details of one file, the
// rows as tab-separated text for the clipboard, and the saved report as a
// PDF or in the command-line verifier's CSV and JSON Lines formats.
//
// Functions of the records alone, without dialogs, so that tests and the
// benchmark can call them directly.
#ifndef ARDENTIX_UI_EVIDENCEREPORT_H
#define ARDENTIX_UI_EVIDENCEREPORT_H

#include "ResultRow.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

namespace EvidenceReport {

enum class Format
{
    Pdf,
    Csv,
    JsonLines
};

struct Counts
{
    int total = 0;
    int authentic = 0;
    int failed = 0;
};

// One file's details as label and value pairs, in the order the details
// dialog and the PDF show them. Values may span several lines.
QList<QPair<QString, QString>> Details(const RowRecord& record);

// The details as plain text ("Label: value" lines) and as an HTML table,
// with a heading row when one is given.
QString DetailsText(const RowRecord& record);
QString DetailsHtml(const RowRecord& record, const QString& heading = QString());

// A moment as "yyyy-MM-dd HH:mm:ss UTC" followed by the local time with its
// offset from UTC.
QString TimeText(const QDateTime& moment);

// The records as tab-separated lines with a header line first: the columns
// of the verifier's CSV report with the SHA-256; tabs and line breaks inside
// a field become spaces.
QString TabSeparated(const QList<RowRecord>& records);

// The verifier's CSV or JSON Lines report (with SHA-256) of the records.
QByteArray Delimited(const QList<RowRecord>& records, Format format);

// The PDF report's opening as HTML (title, time, program, key, summary),
// generated at the given moment; one entry per file follows it.
QString HeaderHtml(const Counts& counts, const QDateTime& generated);

// Writes the report to path atomically; on failure false, with the reason
// in error.
bool Write(const QString& path, Format format, const QList<RowRecord>& records, const Counts& counts, QString* error);

// The format for a file name's suffix, and the suffix for a format.
bool FormatForName(const QString& path, Format* format);
QString SuffixFor(Format format);

} // namespace EvidenceReport

#endif
