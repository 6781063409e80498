// The result table: the model that holds one row per verified file, the
// sort proxy and the tree view that shows it.
#ifndef ARDENTIX_UI_RESULTTABLE_H
#define ARDENTIX_UI_RESULTTABLE_H

#include "ResultModel.h"

#include <QList>

#include <functional>

class QSortFilterProxyModel;
class QTreeView;
class QWidget;

struct ResultTable
{
    ResultModel* model = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTreeView* view = nullptr;

    // Builds the table: five columns with their headers and widths, sorted
    // by file name until the user sorts otherwise, rows selected whole, no
    // editing. The view's parent is parent; the model and the proxy are
    // the view's.
    static ResultTable Create(QWidget* parent);

    // Select All and Copy (copy is what Copy does), on the view's keys.
    void AddKeyboardActions(const std::function<void()>& copy) const;

    // The records of the rows in the view's order: all, or the selected.
    QList<RowRecord> Records(bool selectedOnly) const;
};

#endif
