#include "DetailsDialog.h"

#include "DetailsDocument.h"
#include "PathText.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

DetailsDialog::DetailsDialog(const RowRecord& record, QWidget* parent)
    : QDialog(parent), m_plainText(DetailsDocument::PlainText(record))
{
    setWindowTitle(QObject::tr("File Details"));

    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    m_browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The same document as the PDF's entry, laid out for the screen. The
    // browser takes it over; it reads as text to assistive technology.
    std::unique_ptr<QTextDocument> document = DetailsDocument::Build(
        record, PathText::FileNameForPeople(record.result.path), m_browser->font(), m_browser, 600);
    document->setDocumentMargin(8);
    document->setParent(m_browser);
    m_browser->setDocument(document.release());
    // The browser lays the document out again at its own width.
    m_browser->setLineWrapMode(QTextEdit::WidgetWidth);
    m_browser->setAccessibleName(windowTitle());
    m_browser->setAccessibleDescription(m_plainText);

    auto* buttons = new QDialogButtonBox(this);
    m_copyButton = buttons->addButton(QObject::tr("Copy"), QDialogButtonBox::ActionRole);
    QPushButton* closeButton = buttons->addButton(QObject::tr("Close"), QDialogButtonBox::RejectRole);
    closeButton->setDefault(true);
    connect(m_copyButton, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_plainText); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    // Wide enough for a SHA-256 on the line of its label.
    resize(780, 520);
}

DetailsDialog::~DetailsDialog() = default;
