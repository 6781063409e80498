// Reads back a report that ReportWriter wrote with the SHA-256 on (the
// verifier's --sha256, or the window's Save Report), one entry at a time, so
// that a report of any length takes the same memory.
//
// The format is recognised from the content: JSON Lines when the first byte
// that is not white space is "{", CSV when the first line starts with
// "path,result,reason,". CSV is RFC 4180: a quoted field may hold commas,
// doubled quotes and line ends, so one record may span several lines. A CSV
// field written with a leading "'" before "=", "+", "-", "@", a tab or a CR
// (so that a spreadsheet takes it as text, not as a formula) is read without
// that "'". Columns are found by the header's names; JSON keys by name.
//
// A report that is not ours (the outcome of a re-check among them: its lines
// are no custody record), a record that cannot be parsed, an entry without a
// SHA-256 (an empty one is allowed only for a file that was unreadable) and
// a last line without its line end (a cut-off report) stop the reading with
// a problem that names the line.
//
// The bytes read are hashed as they are read, so that the SHA-256 that names
// the report is that of the very bytes its entries came from.
#ifndef ARDENTIX_CORE_REPORTREADER_H
#define ARDENTIX_CORE_REPORTREADER_H

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include "ReportProblem.h"
#include "WatermarkRecord.h"

#include <array>
#include <string>

struct ReportEntry
{
    // The watermark fields a report may carry, in this order; a CSV report
    // has all but marker and hmac.
    static constexpr int FieldCount = 8;
    static const std::array<const char*, FieldCount> FieldNames;
    // A watermark's fields in the order of FieldNames.
    static std::array<const std::string*, FieldCount> RecordFields(const ardentix::engine::WatermarkRecord& record);

    // The line on which the entry starts (1 is the first line).
    qint64 line = 0;
    // The path as the report shows it.
    QString path;
    // The file's name: the path with its "\xHH" escapes turned back into
    // bytes (see PathBytes).
    QByteArray pathBytes;
    // The other reading of the name, when the text holds "\xHH" that could be
    // literal text of the name, or a CSV path lost a leading "'" that could
    // be its own (this reading wins when both hold); empty when there is none.
    QByteArray literalPath;
    bool authentic = false;
    // The reason word; empty when authentic.
    QString reason;
    // The watermark fields, and which of them the report carries (bit i for
    // FieldNames[i]).
    std::array<QString, FieldCount> fields;
    unsigned fieldMask = 0;
    // The CSV fields that lost a leading "'": the value may also have been
    // "'" and the field, as the formula guard cannot tell them apart.
    unsigned guardMask = 0;
    // Lower-case hexadecimal, 64 digits; empty for a file that was unreadable.
    QByteArray sha256;
    // The file's length; -1 when the report gives none.
    qint64 size = -1;
};

class ReportReader
{
public:
    enum class Format
    {
        JsonLines,
        Csv
    };

    // Opens the report (a regular file) and recognises its format: JSON
    // Lines or CSV, or a PDF report of this program with its records
    // embedded. Returns false (see Problem) when it cannot be read or is
    // not ours.
    bool Open(const QByteArray& name);

    // The next entry. Returns false at the end of the report, or on an error
    // (Failed then says so).
    bool Next(ReportEntry& entry);

    Format ReportFormat() const { return m_format; }
    // The records came from a PDF.
    bool FromPdf() const { return m_pdf; }
    bool Failed() const { return m_problem.IsProblem(); }
    // Why the report cannot be used; code None while it can.
    const ReportProblem& Problem() const { return m_problem; }
    // The SHA-256 of the report's file in lower-case hexadecimal, once Next
    // has read it to its end without a problem; empty before.
    QByteArray Sha256() const { return m_sha256; }
    // A PDF report's case details (JSON), when it names a case.
    QByteArray PdfCase() const { return m_pdfCase; }

    // The bytes of a path written as report text: well-formed UTF-8 that
    // holds no "\xHH" is the name's bytes; each "\xHH" stands for the byte
    // HH where the name's bytes, written back as report text, give the same
    // text again. A name that holds the text "\xHH" itself, for HH of 80 and
    // above, reads as the byte: literal is then set to the text's own bytes.
    static QByteArray PathBytes(const QString& text, QByteArray* literal = nullptr);

private:
    bool OpenFile(const QByteArray& name);
    bool OpenPdf();
    bool ReadLine(QByteArray& line);
    bool ReadCsvRecord(QByteArray& record, qint64* start);
    bool SplitCsvRecord(const QString& text, qint64 start, QStringList* fields);
    bool CsvEntry(QStringList fields, qint64 start, ReportEntry& entry);
    bool NextJson(ReportEntry& entry);
    bool NextCsv(ReportEntry& entry);
    bool ReadCsvHeader();
    bool SetEntry(ReportEntry& entry, const QString& path, const QString& result, const QString& reason,
                  const QString& sha256);
    bool Fail(qint64 line, ReportProblem::Code code, const QString& detail = QString());
    bool FailCount(qint64 line, ReportProblem::Code code, qint64 count, qint64 expected = 0);
    void Hash(const char* data, qint64 length);

    QFile m_file;
    // The records of a PDF report.
    QBuffer m_memory;
    QIODevice* m_device = nullptr;
    bool m_pdf = false;
    bool m_bom = false;
    QByteArray m_buffer;
    QString m_name;
    Format m_format = Format::JsonLines;
    qint64 m_line = 0;
    // CSV: the header's number of columns, and where the known ones are (-1
    // when absent).
    int m_columns = 0;
    int m_pathColumn = -1;
    int m_resultColumn = -1;
    int m_reasonColumn = -1;
    int m_sha256Column = -1;
    int m_sizeColumn = -1;
    std::array<int, ReportEntry::FieldCount> m_fieldColumns{};
    ReportProblem m_problem;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QByteArray m_sha256;
    QByteArray m_pdfCase;
};

#endif
