// A PDF report that machines can read back: the report's records (JSON
// Lines) embedded in the PDF as an associated file, as PDF/A-3b declares
// them, so that one file serves the court and the re-check; beside them the
// case the report belongs to, as a small JSON object.
//
// Qt writes the pages; qpdf adds the embedded file, the document's
// information and its XMP metadata. Builds without qpdf cannot do either:
// Available() says so, and callers keep the records beside the PDF instead.
#ifndef ARDENTIX_CORE_PDFRECORDS_H
#define ARDENTIX_CORE_PDFRECORDS_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "ReportProblem.h"

namespace PdfRecords {

// The embedded file's name in a report, whose records the re-check reads,
// and in a re-check's report.
inline constexpr char AttachmentName[] = "ardentix-report.jsonl";
inline constexpr char CheckAttachmentName[] = "ardentix-check.jsonl";
// The case details of either, when the user gave any.
inline constexpr char CaseAttachmentName[] = "ardentix-case.json";
// No case comes near this.
inline constexpr qint64 MaxCaseSize = qint64(1) << 16;
// No report of ours comes near this once unpacked.
inline constexpr qint64 MaxRecordsSize = qint64(1) << 30;

// What the document information and the XMP metadata say.
struct Metadata
{
    QString title;
    // Shown by file managers and PDF readers; searched by them.
    QString subject;
    QString keywords;
    // The program that made the document.
    QString creator;
    QDateTime created;
};

// Whether this build can embed and read back records.
bool Available();

// Whether bytes start as a PDF does.
bool LooksLikePdf(const QByteArray& start);

// Why records could not be embedded: a code, and for Unprocessable the PDF
// library's own words. Each front end words the code for its users.
struct EmbedProblem
{
    enum class Code
    {
        None,
        Unsupported,  // this build cannot embed records (see Available)
        Unprocessable // detail: the PDF library's reason
    };
    Code code = Code::None;
    QString detail;
};

// pdf (a PDF/A-1b document as Qt writes it) made PDF/A-3b, with records
// embedded under name, the case (when not empty) under CaseAttachmentName,
// and metadata set. Every stream ends with a line end before "endstream",
// and a subset font's /BaseFont carries the subset's tag, as PDF/A asks.
// False, with problem, when the PDF cannot be processed.
bool Embed(const QByteArray& pdf, const char* name, const QByteArray& records, const QByteArray& caseJson,
           const Metadata& metadata, QByteArray* out, EmbedProblem* problem);

// What a PDF report of ours holds besides its pages.
struct Contents
{
    // The records (JSON Lines).
    QByteArray records;
    // The case details as JSON; empty when it names no case.
    QByteArray caseJson;
};

// The records embedded in a PDF report, and its case. False, with the
// problem's code and detail set, when the PDF cannot be read or holds no
// report records: a re-check's outcome (records under CheckAttachmentName)
// is refused as such.
bool Extract(const QByteArray& pdf, Contents* contents, ReportProblem* problem);

// The XMP packet for the metadata, as PDF/A-3b asks.
QByteArray Xmp(const Metadata& metadata);

} // namespace PdfRecords

#endif
