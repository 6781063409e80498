#include "RowRemoval.h"

#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include <vector>

bool RemoveSelectedRows(const ResultTable& table)
{
    QItemSelectionModel* selection = table.view->selectionModel();
    std::vector<int> rows;
    for (const QModelIndex& index : selection->selectedRows(ResultModel::NameColumn))
        rows.push_back(table.proxy->mapToSource(index).row());
    // The selection goes first, so that it is not updated row by row.
    selection->clearSelection();
    if (rows.empty())
        return false;
    table.model->RemoveRows(std::move(rows));
    table.view->scrollToTop();
    return true;
}
