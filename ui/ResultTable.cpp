#include "ResultTable.h"

#include "ResultText.h"

#include <QAction>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTreeView>

namespace {

const int ColumnCount = ResultModel::ColumnCount;
const int NameColumn = ResultModel::NameColumn;
const int VerdictColumn = ResultModel::VerdictColumn;

// The last column takes the rest of the width.
const int kWidths[ColumnCount - 1] = {200, 180, 150, 150};

// The verdict reads whole in every language: the column is at least as wide
// as the longer verdict with its icon.
void FitVerdictColumn(QTreeView* view)
{
    const QFontMetrics metrics(view->font());
    int needed = qMax(metrics.horizontalAdvance(ResultText::Verdict(true)),
                      metrics.horizontalAdvance(ResultText::Verdict(false)));
    needed += view->iconSize().isValid() ? view->iconSize().width() : 16;
    needed += 16 + 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    if (needed > view->columnWidth(VerdictColumn))
        view->setColumnWidth(VerdictColumn, needed);
}

} // namespace

ResultTable ResultTable::Create(QWidget* parent)
{
    ResultTable table;
    table.view = new QTreeView(parent);
    table.view->setObjectName(QStringLiteral("resultView"));
    table.model = new ResultModel(table.view);
    table.proxy = new QSortFilterProxyModel(table.view);
    table.proxy->setSourceModel(table.model);
    // Qt's defaults, set explicitly because the table relies on them: the
    // display text is compared case-sensitively and not locale-aware, and
    // new rows stay where they were inserted until the user sorts again.
    table.proxy->setSortRole(Qt::DisplayRole);
    table.proxy->setSortCaseSensitivity(Qt::CaseSensitive);
    table.proxy->setSortLocaleAware(false);
    table.proxy->setDynamicSortFilter(false);

    QTreeView* view = table.view;
    view->setModel(table.proxy);
    view->setRootIsDecorated(false);
    view->setAlternatingRowColors(true);
    view->setSortingEnabled(true);
    view->sortByColumn(NameColumn, Qt::AscendingOrder);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reached with Tab, so that the rows can be read and opened from the
    // keyboard.
    view->setFocusPolicy(Qt::StrongFocus);
    view->setStyleSheet(QStringLiteral("QTreeView {border: 0px;}"));
    // Every row is one line high: the view need not measure each row, which
    // keeps long runs and removals fast.
    view->setUniformRowHeights(true);

    QHeaderView* header = view->header();
    header->setSectionResizeMode(NameColumn, QHeaderView::Interactive);
    header->setCascadingSectionResizes(true);
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    for (int column = 0; column < ColumnCount - 1; ++column)
        view->setColumnWidth(column, kWidths[column]);
    FitVerdictColumn(view);
    return table;
}

void ResultTable::AddKeyboardActions(const std::function<void()>& copy) const
{
    QAction* selectAll = new QAction(QObject::tr("Select All"), view);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(selectAll, &QAction::triggered, view, &QAbstractItemView::selectAll);
    view->addAction(selectAll);
    QAction* copyAction = new QAction(QObject::tr("Copy"), view);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copyAction, &QAction::triggered, view, copy);
    view->addAction(copyAction);
}

QList<RowRecord> ResultTable::Records(bool selectedOnly) const
{
    QList<RowRecord> records;
    for (int row = 0; row < proxy->rowCount(); ++row) {
        if (selectedOnly && !view->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        records << model->Record(proxy->mapToSource(proxy->index(row, NameColumn)).row());
    }
    return records;
}
