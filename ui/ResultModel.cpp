#include "ResultModel.h"

#include "PaintedIcons.h"
#include "PathText.h"
#include "PreviewMaker.h"
#include "PreviewPicture.h"
#include "ReportFields.h"
#include "ResultText.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace {

using ReportFields::Field;

// Each column shows a field of the report. The first two have headers of
// their own; the others are headed by the field's label.
struct ColumnInfo
{
    Field field;
    const char* header;
};
const ColumnInfo kColumns[ResultModel::ColumnCount] = {
    {Field::Path, QT_TRANSLATE_NOOP("QObject", "File Name")},
    {Field::Result, QT_TRANSLATE_NOOP("QObject", "Authentication Result")},
    {Field::StartTime, nullptr},
    {Field::EndTime, nullptr},
    {Field::Serial, nullptr},
};

QString HeaderText(const ColumnInfo& column)
{
    if (column.header != nullptr)
        return QCoreApplication::translate("QObject", column.header);
    for (const ReportFields::FieldInfo& info : ReportFields::All()) {
        if (info.field == column.field)
            return ReportFields::Label(info);
    }
    return QString();
}

} // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_icons[0] = PaintedIcons::Verdict(false);
    m_icons[1] = PaintedIcons::Verdict(true);
}

int ResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return HeaderText(kColumns[section]);
}

QVariant ResultModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Row& row = m_rows.at(index.row());
    const int column = index.column();
    const bool authentic = row.record.result.IsAuthentic();
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[column];
    case RecordRole:
        return column == NameColumn ? QVariant::fromValue(row.record) : QVariant();
    case AuthenticRole:
        return column == VerdictColumn ? QVariant(authentic) : QVariant();
    case Qt::DecorationRole:
        return column == VerdictColumn ? QVariant(m_icons[authentic ? 1 : 0]) : QVariant();
    case Qt::ForegroundRole:
        // What a failed file's watermark claims is shown greyed, never like
        // a vouched-for value.
        if (column == VerdictColumn)
            return QColor(authentic ? Qt::darkGreen : Qt::red);
        return column != NameColumn && !authentic ? QVariant(QColor(Qt::gray)) : QVariant();
    case Qt::ToolTipRole:
        if (column == NameColumn)
            return row.pathTip;
        return column == VerdictColumn || !authentic ? QVariant(row.reason) : QVariant();
    case Qt::AccessibleDescriptionRole:
        // Screen readers do not read tooltips in item views: why the file
        // passed or failed is the cell's description as well.
        return column != NameColumn && (column == VerdictColumn || !authentic) ? QVariant(row.reason) : QVariant();
    default:
        return QVariant();
    }
}

void ResultModel::Add(const QList<RowRecord>& records)
{
    // One row at a time, each on top: the sort proxy keeps the rows it
    // shows where they are and puts each new one first, as for one row.
    for (const RowRecord& record : records)
        Add(record);
}

void ResultModel::Add(const RowRecord& record)
{
    Row row{record, {}, ReportFields::Text(Field::Path, record.result), ResultText::Reason(record.result)};
    const bool authentic = record.result.IsAuthentic();
    row.texts[NameColumn] = PathText::FileNameForPeople(record.result.path);
    row.texts[VerdictColumn] = ResultText::Verdict(authentic);
    for (int column = StartTimeColumn; column < ColumnCount; ++column)
        row.texts[column] = ReportFields::Text(kColumns[column].field, record.result);
    row.ticket = m_nextTicket++;
    const quint64 ticket = row.ticket;
    if (m_previewMaker != nullptr) {
        row.record.preview = RowPreview();
        row.record.preview.state = RowPreview::State::Waiting;
        ++m_previewsWaiting;
    }
    beginInsertRows(QModelIndex(), 0, 0);
    m_rows.prepend(std::move(row));
    m_counts.Add(record.result);
    endInsertRows();
    // Asked once the row is in, where its answer finds it.
    if (m_previewMaker != nullptr)
        m_previewMaker->Ask(ticket, record.result);
}

int ResultModel::RemoveRows(std::vector<int> rows)
{
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= m_rows.size(); }),
               rows.end());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, a contiguous run at a time, so that the rows still
    // to go keep their numbers.
    std::size_t i = 0;
    while (i < rows.size()) {
        std::size_t j = i + 1;
        while (j < rows.size() && rows[j] == rows[j - 1] - 1)
            ++j;
        const int first = rows[j - 1];
        const int last = rows[i];
        beginRemoveRows(QModelIndex(), first, last);
        for (int row = first; row <= last; ++row) {
            const Row& gone = m_rows.at(row);
            m_counts.Remove(gone.record.result.IsAuthentic());
            if (gone.record.preview.state == RowPreview::State::Waiting) {
                --m_previewsWaiting;
                m_previewMaker->Forget(gone.ticket);
            }
        }
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        i = j;
    }
    return static_cast<int>(rows.size());
}

void ResultModel::SetPreviewMaker(PreviewMaker* maker)
{
    if (m_previewMaker != nullptr)
        m_previewMaker->disconnect(this);
    m_previewMaker = maker;
    if (maker != nullptr)
        connect(maker, &PreviewMaker::Made, this, &ResultModel::TakePreview);
}

int ResultModel::RowOfTicket(quint64 ticket) const
{
    // Pictures are asked for in the order rows are added, which puts the
    // oldest last: the answers are looked for from the end.
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (m_rows.at(row).ticket == ticket)
            return static_cast<int>(row);
    }
    return -1;
}

void ResultModel::TakePreview(quint64 ticket, const PreviewProtocol::Frame& frame, PreviewMaker::Outcome outcome)
{
    const int row = RowOfTicket(ticket);
    if (row < 0 || m_rows.at(row).record.preview.state != RowPreview::State::Waiting)
        return;
    m_rows[row].record.preview = PreviewPicture::FromFrame(frame);
    if (outcome == PreviewMaker::Outcome::Changed)
        m_rows[row].record.preview.state = RowPreview::State::Changed;
    --m_previewsWaiting;
    emit PreviewMade(ticket);
}
