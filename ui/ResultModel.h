// The result table's model: one row per verified file, newest first, with
// its columns taken from the report's fields, and the rows' counts by
// verdict kept with them.
#ifndef ARDENTIX_UI_RESULTMODEL_H
#define ARDENTIX_UI_RESULTMODEL_H

#include "RowRecord.h"
#include "Tally.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

#include <vector>

class ResultModel : public QAbstractTableModel
{
    Q_OBJECT

public:
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
    // The name column gives the row's RowRecord in this role.
    static constexpr int RecordRole = Qt::UserRole + 1;
    // The verdict column gives whether the file is authentic in this role.
    static constexpr int AuthenticRole = Qt::UserRole + 2;

    explicit ResultModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Enters the record as a new first row and counts it.
    void Add(const RowRecord& record);
    // Removes these rows (in any order, repeats allowed), a contiguous run
    // at a time, and takes them from the counts. Returns how many went.
    int RemoveRows(std::vector<int> rows);

    const RowRecord& Record(int row) const { return m_rows.at(row).record; }
    // The rows by verdict.
    const Tally& Counts() const { return m_counts; }

private:
    // A row with the texts it shows, made once: sorting and painting read
    // them many times.
    struct Row
    {
        RowRecord record;
        QString texts[ColumnCount];
        QString pathTip;
        QString reason;
    };

    QList<Row> m_rows;
    Tally m_counts;
    QIcon m_icons[2];
};

#endif
