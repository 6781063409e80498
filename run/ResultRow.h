// The result table's row: what each cell shows, and the whole result kept
// with it for the details and the report.
#ifndef ARDENTIX_RUN_RESULTROW_H
#define ARDENTIX_RUN_RESULTROW_H

#include "FileResult.h"

#include <QDateTime>
#include <QIcon>
#include <QMetaType>
#include <QString>

class QStandardItemModel;

// A verified file as the table keeps it.
struct RowRecord
{
    FileResult result;
    QDateTime verifiedAt; // UTC
};
Q_DECLARE_METATYPE(RowRecord)

namespace ResultRow {

// Roles of column 0: the RowRecord.
inline constexpr int RecordRole = Qt::UserRole + 1;
// Roles of column 1: the verdict, one of these.
inline constexpr int VerdictRole = Qt::UserRole + 2;
enum Verdict
{
    NoVerdict = -1,
    Failed = 0,
    Succeeded = 1
};

Verdict VerdictOf(const FileResult& result);

// The verdict as the table shows it: "Authentication succeeded",
// "Authentication failed" or, without a verdict, "Not verified".
QString VerdictText(const FileResult& result);

// The verdict as the table shows it: "Authentication succeeded",
// "Authentication failed" or, without a verdict, "Not verified".
QString VerdictText(const FileResult& result);

// A name or path for the screen: control characters and the characters
// that reorder text are shown as "\xHH", as are bytes that are not UTF-8,
// so that a name cannot disguise its type ("report-\u202Eiva.mp4").
QString ForDisplay(const QByteArray& path);

// The file name without its folder, for display.
QString DisplayName(const QByteArray& path);

// Inserts the record as a new first row of model.
void Insert(QStandardItemModel* model, const RowRecord& record);

// The record behind a row of the model.
RowRecord RecordAt(const QStandardItemModel* model, int row);

// The tooltip of the verdict cell: why the file passed or failed.
QString VerdictExplanation(const FileResult& result);

// Check and cross, drawn once.
QIcon VerdictIcon(bool authentic);

} // namespace ResultRow

#endif
