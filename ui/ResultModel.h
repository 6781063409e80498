// The result table's model: one row per verified file, newest first, with
// its columns taken from the report's fields, and the rows' counts by
// verdict kept with them.
#ifndef ARDENTIX_UI_RESULTMODEL_H
#define ARDENTIX_UI_RESULTMODEL_H

#include "PreviewMaker.h"
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
    // Several rows at once, in the order they were verified.
    void Add(const QList<RowRecord>& records);
    // Removes these rows (in any order, repeats allowed), a contiguous run
    // at a time, and takes them from the counts. Returns how many went.
    int RemoveRows(std::vector<int> rows);

    const RowRecord& Record(int row) const { return m_rows.at(row).record; }
    // Each row added from now on has its picture made by maker, which the
    // model does not own.
    void SetPreviewMaker(PreviewMaker* maker);
    // The number that the row's preview is known by, and the row it names
    // (-1 when it was removed).
    quint64 PreviewTicket(int row) const { return m_rows.at(row).ticket; }
    int RowOfTicket(quint64 ticket) const;
    // The rows whose picture is still being made.
    int PreviewsWaiting() const { return m_previewsWaiting; }

    // The rows by verdict.
    const Tally& Counts() const { return m_counts; }

signals:
    // The picture of the row known by ticket was made, or found impossible.
    void PreviewMade(quint64 ticket);

private:
    // A row with the texts it shows, made once: sorting and painting read
    // them many times.
    struct Row
    {
        RowRecord record;
        QString texts[ColumnCount];
        QString pathTip;
        QString reason;
        quint64 ticket = 0;
    };

    void TakePreview(quint64 ticket, const PreviewProtocol::Frame& frame, PreviewMaker::Outcome outcome);

    QList<Row> m_rows;
    Tally m_counts;
    QIcon m_icons[2];
    PreviewMaker* m_previewMaker = nullptr;
    quint64 m_nextTicket = 1;
    int m_previewsWaiting = 0;
};

#endif
