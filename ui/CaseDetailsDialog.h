// Save Report's small dialog for the case details: four optional fields,
// filled with what was given last.
#ifndef ARDENTIX_UI_CASEDETAILSDIALOG_H
#define ARDENTIX_UI_CASEDETAILSDIALOG_H

#include "CaseDetails.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class CaseDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    CaseDetailsDialog(const CaseDetails& details, QWidget* parent);

    CaseDetails Details() const;

    // Asks; on OK, details gets the answer and the examiner and
    // organisation are stored. False when the user cancelled.
    static bool Ask(QWidget* parent, CaseDetails* details);

private:
    QLineEdit* m_caseNumber;
    QLineEdit* m_examiner;
    QLineEdit* m_organisation;
    QPlainTextEdit* m_note;
};

#endif
