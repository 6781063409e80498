// The PDF reports: the evidence report (a header with the program, its key,
// the case and the counts, a summary table with one line per file, failed
// files marked, then each file's details) and the re-check's report (the
// report it checked, the counts, then one line per entry). Written as
// PDF/A-1b pages; EvidenceReport embeds the records and makes them
// PDF/A-3b.
#ifndef ARDENTIX_UI_PDFREPORT_H
#define ARDENTIX_UI_PDFREPORT_H

#include "CaseDetails.h"
#include "CheckWriter.h"
#include "PdfRecords.h"
#include "RowRecord.h"
#include "Tally.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include "PathText.h"

#include <functional>
#include <vector>

class QIODevice;

namespace PdfReport {

// What the re-check's report says of the check as a whole.
struct CheckSummary
{
    // The report that was checked, as people read its path (control and
    // bidirectional characters escaped), and the SHA-256 of the bytes that
    // were compared.
    QString reportName;
    QByteArray reportSha256;
    // The folder that the report's relative paths were read against, as
    // people read it.
    QString base;
    CustodyCounts counts;
    // Stopped before every entry was compared.
    bool stopped = false;
    // Most entries were not found though some paths are relative.
    bool mostUnfound = false;
};

// The report's opening as HTML: title, case, time, program, key and the
// counts, generated at the given moment.
QString HeaderHtml(const Tally& tally, const QDateTime& generated, const CaseDetails& details = {});

// Writes the report of the records to device.
void Write(QIODevice& device, const QList<RowRecord>& records, const CaseDetails& details = {});

// The re-check's opening as HTML, and its report.
QString CheckHeaderHtml(const CheckSummary& check, const QDateTime& generated, const CaseDetails& details = {});
void WriteCheck(QIODevice& device, const std::vector<CustodyLine>& lines, const CheckSummary& check,
                const CaseDetails& details = {});

// The re-check's counts as a sentence, translated.
QString CheckSummaryText(const CheckSummary& check);
// "Report checked: …", its SHA-256 and the folder of its relative paths,
// one a line, translated.
QString CheckedReportText(const CheckSummary& check);
// When most entries were not found: what that likely means; empty
// otherwise.
QString UnfoundNote(const CheckSummary& check);
// Every status but unchanged asks the examiner to look.
bool NeedsAttention(CustodyStatus status);
// What a line means, as a sentence: what changed, then and now, translated;
// a moved file's place as shown gives it (by default its whole path).
QString CheckDetail(const CustodyLine& line,
                    const std::function<QString(const QByteArray&)>& shown = PathText::ForPeople);

// "Quorvane Ardentix 1.0-006": the documents' creator.
QString Creator();
// The document information for a saved PDF.
PdfRecords::Metadata Metadata(const QString& title, const CaseDetails& details);

} // namespace PdfReport

#endif
