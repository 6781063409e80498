#include "CaseDetailsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setMaxLength(200);
    return edit;
}

} // namespace

CaseDetailsDialog::CaseDetailsDialog(const CaseDetails& details, QWidget* parent, bool pictures)
    : QDialog(parent), m_picturesStored(details.pictures)
{
    setWindowTitle(QObject::tr("Case Details"));
    auto* intro = new QLabel(
        QObject::tr("These details are printed in the PDF report's header and document information. All are optional."),
        this);
    intro->setWordWrap(true);

    m_caseNumber = Field(details.caseNumber, this);
    m_examiner = Field(details.examiner, this);
    m_organisation = Field(details.organisation, this);
    m_note = new QPlainTextEdit(details.note, this);
    m_note->setTabChangesFocus(true);
    m_note->setFixedHeight(QFontMetrics(m_note->font()).lineSpacing() * 4 + 12);

    auto* form = new QFormLayout();
    // The labels' mnemonics move the focus to their fields.
    form->addRow(QObject::tr("&Case or reference number:"), m_caseNumber);
    form->addRow(QObject::tr("&Examiner:"), m_examiner);
    form->addRow(QObject::tr("&Organisation:"), m_organisation);
    form->addRow(QObject::tr("&Note:"), m_note);
    if (pictures) {
        m_pictures = new QCheckBox(QObject::tr("&Show each file's picture on its details page"), this);
        m_pictures->setChecked(details.pictures);
        form->addRow(QObject::tr("Pictures:"), m_pictures);
    }
    for (QWidget* field : {static_cast<QWidget*>(m_caseNumber), static_cast<QWidget*>(m_examiner),
                           static_cast<QWidget*>(m_organisation), static_cast<QWidget*>(m_note)}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(field)))
            field->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QObject::tr("Continue"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    m_caseNumber->setFocus();
}

CaseDetails CaseDetailsDialog::Details() const
{
    return {m_caseNumber->text().trimmed(), m_examiner->text().trimmed(), m_organisation->text().trimmed(),
            m_note->toPlainText().trimmed(), m_pictures != nullptr ? m_pictures->isChecked() : m_picturesStored};
}

bool CaseDetailsDialog::Ask(QWidget* parent, CaseDetails* details, bool pictures)
{
    CaseDetailsDialog dialog(CaseDetails::WithStored(*details), parent, pictures);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *details = dialog.Details();
    details->Store();
    return true;
}
