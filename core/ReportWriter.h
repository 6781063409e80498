// Formats the results as text, JSON Lines or CSV.
//
// A pure function of the results and the options: no I/O, no state between
// calls, so that it can be unit-tested and fuzzed on its own.
#ifndef ARDENTIX_CORE_REPORTWRITER_H
#define ARDENTIX_CORE_REPORTWRITER_H

#include "FileResult.h"
#include "RecordFormat.h"
#include "Tally.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct ReportOptions
{
    ReportFormat format = ReportFormat::Text;
    // Add the whole file's SHA-256 to JSON objects and CSV rows.
    bool sha256 = false;
    // Colour the text verdicts (only when stdout is a terminal).
    bool colour = false;
    // Width of the text path column (see PathColumnWidth).
    int pathWidth = 0;
};

class ReportWriter
{
public:
    explicit ReportWriter(const ReportOptions& options);

    // The CSV header line; nothing for the other formats.
    QByteArray Header() const;
    // One file's line: a text line, a JSON object or a CSV record, each with
    // its line end.
    QByteArray Record(const FileResult& result) const;
    // The text format's closing line, "<N> files: <A> authentic, <F> failed";
    // nothing for the other formats, whose output holds the files only.
    QByteArray Summary(const Tally& tally) const;

    // A path's width in the text format; the column is as wide as the
    // widest path, up to MaxPathWidth (a longer path pushes only its own
    // line's last column).
    static int PathColumnWidth(const QByteArray& path);
    static constexpr int MaxPathWidth = 60;

    // A field for a spreadsheet: one that starts with "=", "+", "-", "@", a
    // tab or a carriage return gets a leading "'", so that it is shown as
    // text and never run as a formula.
    static QString SpreadsheetSafe(const QString& value);
    // Whether a field that starts with c is guarded so.
    static bool StartsFormula(QChar c);

    // One CSV field, made spreadsheet-safe, then quoted as RFC 4180 asks
    // when it holds a comma, a double quote, CR or LF.
    static QString CsvField(const QString& value);

private:
    QByteArray TextRecord(const FileResult& result) const;
    QByteArray JsonRecord(const FileResult& result) const;
    QByteArray CsvRecord(const FileResult& result) const;

    ReportOptions m_options;
};

#endif
