// Removes the selected rows of the result table, keeping the totals right.
#ifndef ARDENTIX_RUN_ROWREMOVAL_H
#define ARDENTIX_RUN_ROWREMOVAL_H

#include <functional>

class QAbstractItemView;
class QSortFilterProxyModel;
class QStandardItemModel;

// Removes one row per pass, reading the selection again after each, and
// lowers succeeded or failed by the row's verdict and total for each.
void RemoveSelectedRows(QAbstractItemView* view, QSortFilterProxyModel* proxy, QStandardItemModel* model,
                        int* totalFiles, int* succeededFiles, int* failedFiles,
                        const std::function<void()>& updateStatusBar);

#endif
