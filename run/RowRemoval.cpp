#include "RowRemoval.h"

#include "ResultRow.h"
#include "RunState.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>
#include <vector>

bool RemoveSelectedRows(const ResultTable& table, RunState& state)
{
    QTreeView* view = table.view;
    QSortFilterProxyModel* proxy = table.proxy;
    QStandardItemModel* model = table.model;
    QItemSelectionModel* selection = view->selectionModel();
    std::vector<int> rows;
    for (const QModelIndex& index : selection->selectedRows(ResultRow::NameColumn))
        rows.push_back(proxy->mapToSource(index).row());
    // The selection goes first, so that it is not updated row by row.
    selection->clearSelection();
    if (rows.empty())
        return false;

    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        state.rows.Remove(model->index(row, ResultRow::VerdictColumn).data(ResultRow::AuthenticRole).toBool());
    // The view does not follow the removal row by row: it would relayout
    // the whole table for each. The sort proxy keeps its own mapping (it
    // listens to the table, not to itself), so the rows left keep their
    // order, and the view is brought up to date once, at the end.
    {
        const QSignalBlocker quietProxy(proxy);
        // From the bottom up, a contiguous run at a time, so that the rows
        // still to go keep their numbers. Within a run the rows go one by
        // one from its first: a table's item finds its own place from where
        // it was put, and rows are put at the top, so this keeps each lookup
        // short where one block removal would search the table per cell.
        std::size_t i = 0;
        while (i < rows.size()) {
            std::size_t j = i + 1;
            while (j < rows.size() && rows[j] == rows[j - 1] - 1)
                ++j;
            const int first = rows[j - 1];
            for (std::size_t k = i; k < j; ++k)
                model->removeRows(first, 1, QModelIndex());
            i = j;
        }
    }
    view->reset();
    view->scrollToTop();
    return true;
}
