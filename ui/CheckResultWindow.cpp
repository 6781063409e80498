#include "CheckResultWindow.h"

#include "CaseDetailsDialog.h"
#include "CustodyCheck.h"
#include "PathInfo.h"
#include "PathText.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The colour of a status: green for unchanged, red where evidence changed
// or went missing, amber and blue where it moved or is not in the report.
QColor StatusColour(CustodyStatus status)
{
    switch (status) {
    case CustodyStatus::Unchanged:
        return QColor(0, 0x64, 0);
    case CustodyStatus::Modified:
    case CustodyStatus::Missing:
        return QColor(0xb0, 0, 0);
    case CustodyStatus::Moved:
        return QColor(0x9a, 0x5b, 0);
    case CustodyStatus::New:
        break;
    }
    return QColor(0, 0x3c, 0x9a);
}

QByteArray CheckLines(const std::vector<CustodyLine>& lines, ReportFormat format)
{
    const CheckWriter writer(format, 0);
    QByteArray bytes = writer.Header();
    for (const CustodyLine& line : lines)
        bytes += writer.Record(line);
    return bytes;
}

QString WholePath(const QByteArray& path)
{
    return QDir::toNativeSeparators(PathText::ForPeople(path));
}

// A path on one line, cut in the middle where the column is too narrow:
// the start and the file's name both stay in sight.
class PathDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::WrapText;
        option->textElideMode = Qt::ElideMiddle;
    }
};

} // namespace

CheckResultWindow::CheckResultWindow(const CustodyRequest& request, const CustodyRunResult& result,
                                     CaseDetails* caseDetails, QWidget* parent)
    : QDialog(parent), m_result(result), m_caseDetails(caseDetails), m_cwd(CustodyCheck::WorkingFolder())
{
    setObjectName(QStringLiteral("checkResultWindow"));
    setWindowTitle(QObject::tr("Custody Check"));
    m_check.reportName = WholePath(request.report);
    m_check.reportSha256 = result.reportSha256;
    m_check.base = request.base.isEmpty() ? QString() : WholePath(request.base);
    m_check.counts = result.counts;
    m_check.stopped = !result.complete;
    m_check.mostUnfound = result.mostUnfound;
    m_hasReportCase = CaseDetails::FromJson(result.reportCase, &m_reportCase);

    FindFolders(request);

    // Names are text, never markup: a report named "<b>…" shows as named.
    m_report = new QLabel(PdfReport::CheckedReportText(m_check), this);
    m_report->setTextFormat(Qt::PlainText);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_report->setWordWrap(true);
    m_summary = new QLabel(PdfReport::CheckSummaryText(m_check), this);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);
    auto* unfound = new QLabel(PdfReport::UnfoundNote(m_check), this);
    unfound->setTextFormat(Qt::PlainText);
    unfound->setWordWrap(true);
    unfound->setStyleSheet(QStringLiteral("QLabel {color: #b00000;}"));
    unfound->setVisible(m_check.mostUnfound);

    CreateTable();

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QObject::tr("Save Report…"), QDialogButtonBox::ActionRole);
    // A check that was stopped is no custody record: it is shown, not filed.
    m_save->setEnabled(result.complete);
    QPushButton* close = buttons->addButton(QObject::tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &CheckResultWindow::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_report);
    layout->addWidget(m_summary);
    layout->addWidget(unfound);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(780, 520);
    m_view->setFocus();
}

// The folders that paths are shown relative to: each folder searched (a
// file's own folder), then the base, the longest first.
void CheckResultWindow::FindFolders(const CustodyRequest& request)
{
    std::vector<QByteArray> folders = request.paths;
    for (QByteArray& folder : folders) {
        if (!PathInfo::IsFolder(folder)) {
#ifdef Q_OS_WIN
            const qsizetype slash = std::max(folder.lastIndexOf('/'), folder.lastIndexOf('\\'));
#else
            const qsizetype slash = folder.lastIndexOf('/');
#endif
            folder = folder.left(std::max<qsizetype>(0, slash));
        }
    }
    folders.push_back(request.base);
    for (const QByteArray& folder : folders) {
        if (!folder.isEmpty())
            m_folders.push_back(CustodyCheck::Normalised(folder, m_cwd));
    }
    std::sort(m_folders.begin(), m_folders.end(),
              [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
}

// The table of lines, its columns fitted, its lines fitted as they come
// into sight.
void CheckResultWindow::CreateTable()
{
    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels({QObject::tr("Status"), QObject::tr("File Name"), QObject::tr("Details")});
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setItemDelegateForColumn(FileColumn, new PathDelegate(m_view));
    // The details wrap, each line as tall as its details need: they are
    // the line's meaning, not to be cut off.
    m_view->setWordWrap(true);
    m_view->verticalHeader()->hide();
    m_view->setShowGrid(false);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAccessibleName(windowTitle());
    FillModel();
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->setStyleSheet(QStringLiteral("QTableView::item {padding: 2px 4px;}"));
    // The status and the paths as wide as they need, within bounds, so that
    // the details keep room to wrap; the details take the rest.
    QHeaderView* header = m_view->horizontalHeader();
    header->setStretchLastSection(true);
    m_view->resizeColumnToContents(StatusColumn);
    m_view->resizeColumnToContents(FileColumn);
    header->resizeSection(StatusColumn, qBound(90, header->sectionSize(StatusColumn), 160));
    header->resizeSection(FileColumn, qBound(160, header->sectionSize(FileColumn), 320));
    // A line is one line of text tall until it comes into sight, and then
    // as tall as its wrapped details.
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    m_fit = new QTimer(this);
    m_fit->setSingleShot(true);
    m_fit->setInterval(0);
    connect(m_fit, &QTimer::timeout, this, &CheckResultWindow::FitVisibleRows);
    // Straight to the timer, not through the window: the header still
    // signals while the window is being destroyed.
    const auto fitLater = qOverload<>(&QTimer::start);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, m_fit, fitLater);
    connect(m_view->verticalScrollBar(), &QScrollBar::rangeChanged, m_fit, fitLater);
    connect(header, &QHeaderView::sectionResized, m_fit, fitLater);
    connect(header, &QHeaderView::geometriesChanged, m_fit, fitLater);
}

// Only the lines in sight are fitted to their details: fitting every line
// at once takes seconds for an outcome of ten thousand lines.
void CheckResultWindow::FitVisibleRows()
{
    for (int pass = 0; pass < 3; ++pass) {
        const int first = m_view->rowAt(0);
        if (first < 0)
            return;
        int last = m_view->rowAt(m_view->viewport()->height() - 1);
        if (last < 0)
            last = m_model->rowCount() - 1;
        bool changed = false;
        for (int row = first; row <= last; ++row) {
            const int before = m_view->rowHeight(row);
            m_view->resizeRowToContents(row);
            changed = changed || m_view->rowHeight(row) != before;
        }
        if (!changed)
            return;
    }
}

void CheckResultWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FitVisibleRows();
    m_fit->start();
}

void CheckResultWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_fit->start();
}

QString CheckResultWindow::Shown(const QByteArray& path) const
{
    const QByteArray normalised = CustodyCheck::Normalised(path, m_cwd);
    for (const QByteArray& folder : m_folders) {
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        if (normalised.startsWith(prefix) && normalised.size() > prefix.size())
            return WholePath(normalised.mid(prefix.size()));
    }
    return WholePath(path);
}

void CheckResultWindow::FillModel()
{
    const auto shown = [this](const QByteArray& path) { return Shown(path); };
    for (const CustodyLine& line : m_result.lines) {
        const QString whole = PdfReport::CheckDetail(line, WholePath);
        const QString described = WholePath(line.pathBytes) + QLatin1Char('\n') + whole;
        QList<QStandardItem*> row;
        row << new QStandardItem(CustodyStatusLabel(line.status)) << new QStandardItem(Shown(line.pathBytes))
            << new QStandardItem(PdfReport::CheckDetail(line, shown));
        const bool attention = PdfReport::NeedsAttention(line.status);
        for (QStandardItem* item : row) {
            // Tooltips take markup: the text is escaped, so that it shows
            // as it is.
            item->setToolTip(Qt::convertFromPlainText(described, Qt::WhiteSpaceNormal));
            item->setData(described, Qt::AccessibleDescriptionRole);
            if (attention)
                item->setBackground(QColor(0xfb, 0xe3, 0xe3));
        }
        row[StatusColumn]->setForeground(StatusColour(line.status));
        if (attention) {
            QFont font = row[StatusColumn]->font();
            font.setBold(true);
            row[StatusColumn]->setFont(font);
        }
        m_model->appendRow(row);
    }
}

CaseDetails CheckResultWindow::ProposedCase() const
{
    CaseDetails proposed = m_caseDetails != nullptr ? *m_caseDetails : CaseDetails();
    if (m_hasReportCase) {
        proposed.caseNumber = m_reportCase.caseNumber;
        proposed.note = m_reportCase.note;
        if (proposed.examiner.isEmpty())
            proposed.examiner = m_reportCase.examiner;
        if (proposed.organisation.isEmpty())
            proposed.organisation = m_reportCase.organisation;
    }
    return proposed;
}

bool CheckResultWindow::SaveTo(const QString& path, EvidenceReport::Format format, QString* error) const
{
    switch (format) {
    case EvidenceReport::Format::Csv:
        return EvidenceReport::WriteBytes(path, CheckLines(m_result.lines, ReportFormat::Csv), error);
    case EvidenceReport::Format::JsonLines:
        return EvidenceReport::WriteBytes(path, CheckLines(m_result.lines, ReportFormat::Json), error);
    case EvidenceReport::Format::Pdf:
        break;
    }
    const CaseDetails details = m_caseDetails != nullptr ? *m_caseDetails : CaseDetails();
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    PdfReport::WriteCheck(pages, m_result.lines, m_check, details);
    return EvidenceReport::WritePdf(path, pages.data(), PdfRecords::CheckAttachmentName,
                                    CheckLines(m_result.lines, ReportFormat::Json),
                                    CheckLines(m_result.lines, ReportFormat::Csv), details,
                                    PdfReport::Metadata(QObject::tr("Custody Check Report"), details), error);
}

void CheckResultWindow::Save()
{
    QString path;
    EvidenceReport::Format format = EvidenceReport::Format::Pdf;
    if (!EvidenceReport::ChooseFile(this, EvidenceReport::SaveTitle(), &path, &format))
        return;
    if (format == EvidenceReport::Format::Pdf && m_caseDetails != nullptr) {
        CaseDetails details = ProposedCase();
        if (!CaseDetailsDialog::Ask(this, &details))
            return;
        *m_caseDetails = details;
    }
    QString error;
    if (!SaveTo(path, format, &error))
        EvidenceReport::ExplainFailure(this, EvidenceReport::SaveTitle(), path, error);
}
