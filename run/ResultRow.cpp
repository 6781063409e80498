#include "ResultRow.h"

#include "PaintedIcons.h"
#include "PathText.h"
#include "ReportFields.h"
#include "ResultText.h"

#include <QStandardItemModel>

namespace ResultRow {

void Insert(QStandardItemModel* model, const RowRecord& record)
{
    using ReportFields::Field;
    const FileResult& result = record.result;
    const bool authentic = result.IsAuthentic();
    const QString reason = ResultText::Reason(result);

    auto* name = new QStandardItem(PathText::FileNameForPeople(result.path));
    name->setData(QVariant::fromValue(record), RecordRole);
    name->setToolTip(ReportFields::Text(Field::Path, result));

    auto* verdict = new QStandardItem(ResultText::Verdict(authentic));
    verdict->setData(QColor(authentic ? Qt::darkGreen : Qt::red), Qt::ForegroundRole);
    verdict->setData(authentic, AuthenticRole);
    verdict->setIcon(PaintedIcons::Verdict(authentic));
    verdict->setToolTip(reason);
    // Screen readers do not read tooltips in item views: the reason is the
    // cell's description as well.
    verdict->setData(reason, Qt::AccessibleDescriptionRole);

    // In the order of the columns.
    QList<QStandardItem*> items{name, verdict};
    for (Field field : {Field::StartTime, Field::EndTime, Field::Serial}) {
        auto* item = new QStandardItem(ReportFields::Text(field, result));
        // What a failed file's watermark claims is shown greyed, with the
        // reason, never like a vouched-for value.
        if (!authentic) {
            item->setData(QColor(Qt::gray), Qt::ForegroundRole);
            item->setToolTip(reason);
            item->setData(reason, Qt::AccessibleDescriptionRole);
        }
        items << item;
    }
    for (QStandardItem* item : items)
        item->setEditable(false);
    model->insertRow(0, items);
}

RowRecord RecordAt(const QStandardItemModel* model, int row)
{
    return model->index(row, NameColumn).data(RecordRole).value<RowRecord>();
}

} // namespace ResultRow
