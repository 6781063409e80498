// Formats the outcome of a re-check against a saved report as text, JSON
// Lines or CSV: the verifier's --check output, and the window's saved
// re-check.
//
// Like ReportWriter, a pure function of its input: no I/O, no state between
// calls.
#ifndef ARDENTIX_CORE_CHECKWRITER_H
#define ARDENTIX_CORE_CHECKWRITER_H

#include "AuthenticateFile.h"
#include "ReportWriter.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

enum class CustodyStatus
{
    Unchanged,
    Modified,
    Missing,
    Moved,
    New
};

// A status's word in the outputs ("moved") and its label for people
// ("Moved", untranslated), in the order of CustodyStatus.
struct CustodyStatusInfo
{
    CustodyStatus status;
    const char* name;
    const char* label;
};
const CustodyStatusInfo& CustodyStatusOf(CustodyStatus status);
// The status's label, translated: the window's and the PDF's word for it.
QString CustodyStatusLabel(CustodyStatus status);

// One file of the re-check: a report entry, or a new file.
struct CustodyLine
{
    CustodyStatus status = CustodyStatus::New;
    // The path as the report shows it (a new file's as a report would), and
    // the file's name.
    QString path;
    QByteArray pathBytes;
    // Where a moved file is now.
    QByteArray newPath;
    // The report's line for the entry; 0 for a new file.
    qint64 reportLine = 0;
    // The verdict now (of the file at newPath when moved), and its SHA-256
    // (empty when the file could not be read).
    ardentix::engine::AuthResult result = ardentix::engine::AuthResult::Unreadable;
    QByteArray sha256;
    // The entry's verdict and SHA-256.
    bool reportAuthentic = false;
    QString reportReason;
    QByteArray reportSha256;
    // What differs between the entry and the file now: "sha256", "result",
    // "reason" and the names of watermark fields.
    QStringList changed;

    bool Listed() const { return status != CustodyStatus::New; }
    bool IsAuthenticNow() const { return result == ardentix::engine::AuthResult::Authentic; }
};

// How many lines of each status, in the order of CustodyStatus.
struct CustodyCounts
{
    static constexpr int StatusCount = 5;
    std::array<qint64, StatusCount> counts{};

    void Add(CustodyStatus status) { ++counts[static_cast<std::size_t>(status)]; }
    qint64 Of(CustodyStatus status) const { return counts[static_cast<std::size_t>(status)]; }
    qint64 Total() const;
    // Every entry unchanged and nothing new.
    bool AllUnchanged() const { return Of(CustodyStatus::Unchanged) == Total(); }
};

class CheckWriter
{
public:
    // The columns of the JSON and CSV output, in output order.
    enum class Field
    {
        Status,
        Path,
        ReportLine,
        NewPath,
        Result,
        Reason,
        Sha256,
        ReportResult,
        ReportReason,
        ReportSha256,
        Changed
    };
    struct Column
    {
        Field field;
        // The JSON key and CSV column.
        const char* name;
    };
    // Every column, in output order.
    static const std::vector<Column>& Columns();
    // A column's value for a line: text, a whole number, a list (changed),
    // or null (an empty CSV field).
    static QJsonValue Value(Field field, const CustodyLine& line);

    // pathWidth: the text format's path column (ReportWriter::PathColumnWidth).
    CheckWriter(ReportFormat format, int pathWidth);

    // The CSV header line; nothing for the other formats.
    QByteArray Header() const;
    // One file's line, with its line end.
    QByteArray Record(const CustodyLine& line) const;
    // "<N> files: <U> unchanged, <M> modified, <X> missing, <V> moved,
    // <W> new", with a line end, in every format.
    static QByteArray Summary(const CustodyCounts& counts);

    // The status word ("moved").
    static const char* StatusName(CustodyStatus status);
    // What the text format says after the path: the verdict now, and what
    // changed, or where the file is now.
    static QString Detail(const CustodyLine& line);

private:
    QByteArray TextRecord(const CustodyLine& line) const;
    QByteArray JsonRecord(const CustodyLine& line) const;
    QByteArray CsvRecord(const CustodyLine& line) const;

    ReportFormat m_format;
    int m_pathWidth;
};

#endif
