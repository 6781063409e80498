// The PDF evidence report: a header with the program, its key and the
// counts, a summary table with one line per file (failed files marked),
// then each file's details. Written as PDF/A-1b, so that case files can
// archive it.
#ifndef ARDENTIX_UI_PDFREPORT_H
#define ARDENTIX_UI_PDFREPORT_H

#include "ResultRow.h"
#include "Tally.h"

#include <QDateTime>
#include <QList>
#include <QString>

class QIODevice;

namespace PdfReport {

// The report's opening as HTML: title, time, program, key and the counts,
// generated at the given moment.
QString HeaderHtml(const Tally& tally, const QDateTime& generated);

// Writes the report of the records to device.
void Write(QIODevice& device, const QList<RowRecord>& records);

} // namespace PdfReport

#endif
