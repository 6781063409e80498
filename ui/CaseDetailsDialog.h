// Save Report's small dialog for the case details: four optional fields,
// filled with what was given last, and for the evidence report whether its
// pages show each file's picture.
#ifndef ARDENTIX_UI_CASEDETAILSDIALOG_H
#define ARDENTIX_UI_CASEDETAILSDIALOG_H

#include "CaseDetails.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class CaseDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    // pictures: the dialog offers the choice of pictures in the report.
    CaseDetailsDialog(const CaseDetails& details, QWidget* parent, bool pictures = false);

    CaseDetails Details() const;

    // Asks; on OK, details gets the answer and the examiner and
    // organisation (and the choice of pictures, where offered) are stored.
    // False when the user cancelled.
    static bool Ask(QWidget* parent, CaseDetails* details, bool pictures = false);

    QCheckBox* PicturesBox() const { return m_pictures; }

private:
    QLineEdit* m_caseNumber;
    QLineEdit* m_examiner;
    QLineEdit* m_organisation;
    QPlainTextEdit* m_note;
    QCheckBox* m_pictures = nullptr;
    bool m_picturesStored;
};

#endif
