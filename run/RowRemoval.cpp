#include "RowRemoval.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

void RemoveSelectedRows(QAbstractItemView* view, QSortFilterProxyModel* proxy, QStandardItemModel* model,
                        int* totalFiles, int* succeededFiles, int* failedFiles,
                        const std::function<void()>& updateStatusBar)
{
    QItemSelectionModel* selection = view->selectionModel();
    const QString failedText = QCoreApplication::translate("QObject", "Authentication failed");
    QModelIndexList selected = selection->selectedRows(0);
    while (!selected.isEmpty()) {
        const int row = proxy->mapToSource(selected.first()).row();
        const QString verdict = model->data(model->index(row, 1), Qt::DisplayRole).toString();
        if (verdict == failedText)
            --*failedFiles;
        else
            --*succeededFiles;
        --*totalFiles;
        model->removeRows(row, 1, QModelIndex());

        selected = selection->selectedIndexes();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        updateStatusBar();
        view->scrollToTop();
    }
    selection->clearSelection();
}
