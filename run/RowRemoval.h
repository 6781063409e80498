// Removes the selected rows of the result table, keeping the totals right.
#ifndef ARDENTIX_RUN_ROWREMOVAL_H
#define ARDENTIX_RUN_ROWREMOVAL_H

#include <functional>

class QAbstractItemView;
class QSortFilterProxyModel;
class QStandardItemModel;

// Removes every selected row in one pass, without re-entering the event
// loop: lowers succeeded or failed by each row's verdict and total for each,
// removes contiguous runs of rows together, refreshes the status bar once
// and clears the selection.
void RemoveSelectedRows(QAbstractItemView* view, QSortFilterProxyModel* proxy, QStandardItemModel* model,
                        int* totalFiles, int* succeededFiles, int* failedFiles,
                        const std::function<void()>& updateStatusBar);

#endif
