#include "CheckResultWindow.h"

#include "CaseDetailsDialog.h"
#include "PathText.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

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

} // namespace

CheckResultWindow::CheckResultWindow(const QString& reportPath, const CustodyRunResult& result,
                                     CaseDetails* caseDetails, QWidget* parent)
    : QDialog(parent), m_result(result), m_caseDetails(caseDetails)
{
    setWindowTitle(QObject::tr("Custody Check"));
    m_check.reportName = QDir::toNativeSeparators(reportPath);
    m_check.reportSha256 = FileSha256(reportPath);
    m_check.counts = result.counts;
    m_check.stopped = !result.complete;

    auto* report =
        new QLabel(QStringLiteral("%1: %2\n%3: %4")
                       .arg(QObject::tr("Report checked"), m_check.reportName,
                            QObject::tr("SHA-256 of the report checked"), QString::fromLatin1(m_check.reportSha256)),
                   this);
    report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    report->setWordWrap(true);
    m_summary = new QLabel(PdfReport::CheckSummaryText(m_check), this);
    m_summary->setWordWrap(true);
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);

    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels({QObject::tr("Status"), QObject::tr("File Name"), QObject::tr("Details")});
    m_view = new QTreeView(this);
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    // The details wrap: they are the line's meaning, not to be cut off.
    m_view->setWordWrap(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAccessibleName(windowTitle());
    FillModel();
    m_view->header()->resizeSection(StatusColumn, 110);
    m_view->header()->resizeSection(FileColumn, 260);
    m_view->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QObject::tr("Save Report…"), QDialogButtonBox::ActionRole);
    // A check that was stopped is no custody record: it is shown, not filed.
    m_save->setEnabled(result.complete);
    QPushButton* close = buttons->addButton(QObject::tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &CheckResultWindow::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report);
    layout->addWidget(m_summary);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(860, 480);
    m_view->setFocus();
}

void CheckResultWindow::FillModel()
{
    for (const CustodyLine& line : m_result.lines) {
        const QString detail = PdfReport::CheckDetail(line);
        QList<QStandardItem*> row;
        row << new QStandardItem(PdfReport::StatusLabel(line.status))
            << new QStandardItem(PathText::ForPeople(line.pathBytes)) << new QStandardItem(detail);
        const bool attention = PdfReport::NeedsAttention(line.status);
        for (QStandardItem* item : row) {
            item->setToolTip(detail);
            // The details cell says it already.
            if (item != row[DetailsColumn])
                item->setData(detail, Qt::AccessibleDescriptionRole);
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

QByteArray CheckResultWindow::FileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
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
                                    CheckLines(m_result.lines, ReportFormat::Csv),
                                    PdfReport::Metadata(QObject::tr("Custody Check Report"), details), error);
}

void CheckResultWindow::Save()
{
    QString path;
    EvidenceReport::Format format = EvidenceReport::Format::Pdf;
    if (!EvidenceReport::ChooseFile(this, EvidenceReport::SaveTitle(), &path, &format))
        return;
    if (format == EvidenceReport::Format::Pdf && m_caseDetails != nullptr &&
        !CaseDetailsDialog::Ask(this, m_caseDetails))
        return;
    QString error;
    if (!SaveTo(path, format, &error))
        EvidenceReport::ExplainFailure(this, EvidenceReport::SaveTitle(), path, error);
}
