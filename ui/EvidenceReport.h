// The evidence report of the result table: the rows as tab-separated text
// for the clipboard, and the saved report as a PDF or in the command-line
// verifier's CSV and JSON Lines formats.
//
// Functions of the records alone, apart from the save dialog, so that tests
// and the benchmark can call them directly.
#ifndef ARDENTIX_UI_EVIDENCEREPORT_H
#define ARDENTIX_UI_EVIDENCEREPORT_H

#include "CaseDetails.h"
#include "PdfRecords.h"
#include "RowRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

namespace EvidenceReport {

enum class Format
{
    Pdf,
    Csv,
    JsonLines
};

// The records as tab-separated lines with a header line first: the columns
// of the verifier's CSV report with the SHA-256. Tabs and line breaks
// inside a field become spaces, and a field that a spreadsheet would take
// for a formula is made text, as in CSV.
QString TabSeparated(const QList<RowRecord>& records);

// The verifier's CSV or JSON Lines report (with SHA-256) of the records.
QByteArray Delimited(const QList<RowRecord>& records, Format format);

// Writes the report to path atomically; on failure false, with the reason
// in error. A PDF names the case and carries the records as JSON Lines.
bool Write(const QString& path, Format format, const QList<RowRecord>& records, QString* error,
           const CaseDetails& details = {});

// Writes bytes to path atomically.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error);

// Writes the PDF pages to path as PDF/A-3b with records embedded under
// name, the case beside them, and the metadata set. A build that cannot
// embed writes the pages as they are and the records as csv in
// "<path>.csv" beside them.
bool WritePdf(const QString& path, const QByteArray& pages, const char* name, const QByteArray& records,
              const QByteArray& csv, const CaseDetails& details, const PdfRecords::Metadata& metadata, QString* error);

// The name of the file that holds a PDF's records where the build cannot
// embed them.
QString CompanionCsv(const QString& pdfPath);

// The format for a file name's last suffix, and the suffix for a format.
bool FormatForName(const QString& path, Format* format);
QString SuffixFor(Format format);

// Asks where to save the report, with one filter per format. A name without
// a suffix gets the chosen filter's before the dialog checks for an
// existing file, so nothing is replaced without the dialog's question. The
// name's suffix decides the format; another name takes the filter's. False
// when the user cancelled.
bool ChooseFile(QWidget* parent, QString* path, Format* format);
// The same with the dialog's title.
bool ChooseFile(QWidget* parent, const QString& title, QString* path, Format* format);

// Save Report's title, without the ellipsis.
QString SaveTitle();

// Writes the report; when it cannot be written, says why in a message box
// and returns false.
bool WriteOrExplain(QWidget* parent, const QString& path, Format format, const QList<RowRecord>& records,
                    const CaseDetails& details = {});

// The message box that says why path could not be written.
void ExplainFailure(QWidget* parent, const QString& title, const QString& path, const QString& error);

} // namespace EvidenceReport

#endif
