// One file's details as a document: a heading, then each field that people
// read as a label and its value, the value column aligned. The details
// dialog shows it and the PDF report prints it, so both say the same.
#ifndef ARDENTIX_UI_DETAILSDOCUMENT_H
#define ARDENTIX_UI_DETAILSDOCUMENT_H

#include "RowRecord.h"

#include <QString>

#include <memory>

class QFont;
class QPaintDevice;
class QTextDocument;

namespace DetailsDocument {

// The document for the record, laid out for device at width (in the
// device's units). Built through a cursor rather than from HTML, which
// parses several times slower for a long report.
std::unique_ptr<QTextDocument> Build(const RowRecord& record, const QString& heading, const QFont& font,
                                     QPaintDevice* device, qreal width);

// The same details as plain text, "Label: value" a line, for the clipboard.
QString PlainText(const RowRecord& record);

} // namespace DetailsDocument

#endif
