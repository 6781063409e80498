// The outcome of Check Against Report: the report that was checked with its
// SHA-256, the counts, and one line per entry and new file, the lines that
// need attention coloured and marked, each line's meaning as its tooltip and
// accessible description. It can be saved as PDF/A, CSV or JSON Lines (the
// verifier's --check columns).
#ifndef ARDENTIX_UI_CHECKRESULTWINDOW_H
#define ARDENTIX_UI_CHECKRESULTWINDOW_H

#include "CaseDetails.h"
#include "CustodyRun.h"
#include "EvidenceReport.h"
#include "PdfReport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;

class CheckResultWindow : public QDialog
{
    Q_OBJECT

public:
    // The view's columns.
    enum Column
    {
        StatusColumn,
        FileColumn,
        DetailsColumn,
        ColumnCount
    };

    // caseDetails: the window's, asked for again when a PDF is saved.
    CheckResultWindow(const QString& reportPath, const CustodyRunResult& result, CaseDetails* caseDetails,
                      QWidget* parent);

    QStandardItemModel* Model() const { return m_model; }
    QLabel* SummaryLabel() const { return m_summary; }
    QPushButton* SaveButton() const { return m_save; }
    const PdfReport::CheckSummary& Summary() const { return m_check; }

    // Writes the check to path; on failure false, with the reason in error.
    bool SaveTo(const QString& path, EvidenceReport::Format format, QString* error) const;

    // The SHA-256 of a file in lower-case hexadecimal; empty when it cannot
    // be read.
    static QByteArray FileSha256(const QString& path);

private:
    void FillModel();
    void Save();

    CustodyRunResult m_result;
    PdfReport::CheckSummary m_check;
    CaseDetails* m_caseDetails;
    QStandardItemModel* m_model;
    QTreeView* m_view;
    QLabel* m_summary;
    QPushButton* m_save;
};

#endif
