#include "RowRemoval.h"

#include "ResultRow.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>
#include <functional>
#include <vector>

void RemoveSelectedRows(QAbstractItemView* view, QSortFilterProxyModel* proxy, QStandardItemModel* model,
                        int* totalFiles, int* succeededFiles, int* failedFiles,
                        const std::function<void()>& updateStatusBar)
{
    QItemSelectionModel* selection = view->selectionModel();
    std::vector<int> rows;
    for (const QModelIndex& index : selection->selectedRows(0))
        rows.push_back(proxy->mapToSource(index).row());
    // The selection goes first, so that it is not updated row by row.
    selection->clearSelection();
    if (rows.empty())
        return;

    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        switch (model->index(row, 1).data(ResultRow::VerdictRole).toInt()) {
        case ResultRow::Succeeded:
            --*succeededFiles;
            break;
        case ResultRow::Failed:
            --*failedFiles;
            break;
        default:
            break;
        }
        --*totalFiles;
    }
    // From the bottom up, a contiguous run at a time, so that the rows
    // still to go keep their numbers.
    std::size_t i = 0;
    while (i < rows.size()) {
        std::size_t j = i + 1;
        while (j < rows.size() && rows[j] == rows[j - 1] - 1)
            ++j;
        const int first = rows[j - 1];
        model->removeRows(first, static_cast<int>(j - i), QModelIndex());
        i = j;
    }
    updateStatusBar();
    view->scrollToTop();
}
