#include "DetailsDialog.h"

#include "DetailsDocument.h"
#include "PathText.h"
#include "PreviewPicture.h"
#include "ResultModel.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

DetailsDialog::DetailsDialog(const RowRecord& record, QWidget* parent)
    : QDialog(parent), m_plainText(DetailsDocument::PlainText(record)),
      m_fileName(PathText::FileNameForPeople(record.result.path))
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

    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    ShowPreview(record);

    auto* layout = new QVBoxLayout(this);
    auto* sideBySide = new QHBoxLayout();
    sideBySide->addWidget(m_picture, 0, Qt::AlignTop);
    sideBySide->addWidget(m_browser, 1);
    layout->addLayout(sideBySide);
    layout->addWidget(buttons);
    // Wide enough for the picture and a SHA-256 on the line of its label.
    resize(1140, 560);
}

void DetailsDialog::ShowPreview(const RowRecord& record)
{
    const QImage image = PreviewPicture::Render(record, 1.0, font(), devicePixelRatioF());
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->setAccessibleName(PreviewPicture::AccessibleText(record, m_fileName));
    QAccessibleEvent changed(m_picture, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

DetailsDialog::~DetailsDialog() = default;

void DetailsDialog::Show(ResultModel* model, int row, QWidget* parent)
{
    DetailsDialog dialog(model->Record(row), parent);
    const quint64 ticket = model->PreviewTicket(row);
    QObject::connect(model, &ResultModel::PreviewMade, &dialog, [model, &dialog, ticket](quint64 made) {
        const int now = model->RowOfTicket(made);
        if (made == ticket && now >= 0)
            dialog.ShowPreview(model->Record(now));
    });
    dialog.exec();
}
