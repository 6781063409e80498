// The result table's row: what each cell shows, and the whole result kept
// with it for the details and the report.
#ifndef ARDENTIX_RUN_RESULTROW_H
#define ARDENTIX_RUN_RESULTROW_H

#include "FileResult.h"

#include <QDateTime>
#include <QMetaType>

class QStandardItemModel;

// A verified file as the table keeps it.
struct RowRecord
{
    FileResult result;
    QDateTime verifiedAt; // UTC
};
Q_DECLARE_METATYPE(RowRecord)

namespace ResultRow {

// The table's columns, in their order.
enum Column
{
    NameColumn,
    VerdictColumn,
    StartTimeColumn,
    StopTimeColumn,
    SerialColumn,
    ColumnCount
};

// The name column keeps the RowRecord in this role.
inline constexpr int RecordRole = Qt::UserRole + 1;
// The verdict column keeps whether the file is authentic in this role.
inline constexpr int AuthenticRole = Qt::UserRole + 2;

// Inserts the record as a new first row of model: the file's name, the
// verdict in its colour with its icon, and the start time, stop time and
// serial number. Why the file passed or failed is the verdict's tooltip and
// accessible description; a failed file's fields are greyed and say why too,
// since its watermark vouches for none of them.
void Insert(QStandardItemModel* model, const RowRecord& record);

// The record behind a row of the model.
RowRecord RecordAt(const QStandardItemModel* model, int row);

} // namespace ResultRow

#endif
