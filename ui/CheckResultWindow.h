// The outcome of a custody check: the report that was checked with the
// SHA-256 of the bytes compared and the folder of its relative paths, the
// counts, and one line per entry and new file. Paths are shown relative to
// the folder searched, cut in the middle where they must be, and whole in
// each line's tooltip and accessible description; the details wrap. Lines
// that need attention are coloured and marked. It can be saved as PDF/A,
// CSV or JSON Lines (the verifier's --check columns).
#ifndef ARDENTIX_UI_CHECKRESULTWINDOW_H
#define ARDENTIX_UI_CHECKRESULTWINDOW_H

#include "CaseDetails.h"
#include "CustodyRun.h"
#include "EvidenceReport.h"
#include "PdfReport.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTimer;

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
    CheckResultWindow(const CustodyRequest& request, const CustodyRunResult& result, CaseDetails* caseDetails,
                      QWidget* parent);

    QStandardItemModel* Model() const { return m_model; }
    QTableView* View() const { return m_view; }
    QLabel* ReportLabel() const { return m_report; }
    QLabel* SummaryLabel() const { return m_summary; }
    QPushButton* SaveButton() const { return m_save; }
    const PdfReport::CheckSummary& Summary() const { return m_check; }
    // The case that a PDF of the outcome proposes: the checked PDF's case
    // and note where it named one, with the user's examiner and
    // organisation; otherwise the window's.
    CaseDetails ProposedCase() const;

    // Writes the check to path; on failure false, with the reason in error.
    bool SaveTo(const QString& path, EvidenceReport::Format format, QString* error) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FindFolders(const CustodyRequest& request);
    void CreateTable();
    void FitVisibleRows();
    void FillModel();
    void Save();
    // A path relative to the folder searched that holds it, as people read
    // it; the whole path where none does.
    QString Shown(const QByteArray& path) const;

    CustodyRunResult m_result;
    PdfReport::CheckSummary m_check;
    CaseDetails* m_caseDetails;
    CaseDetails m_reportCase;
    bool m_hasReportCase = false;
    // The folders searched and the base, normalised, longest first.
    std::vector<QByteArray> m_folders;
    QByteArray m_cwd;
    QStandardItemModel* m_model;
    QTableView* m_view;
    QLabel* m_report;
    QLabel* m_summary;
    QPushButton* m_save;
    // Fits the lines in sight once the view has settled after a change.
    QTimer* m_fit;
};

#endif
