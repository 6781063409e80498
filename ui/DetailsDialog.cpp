#include "DetailsDialog.h"

#include "EvidenceReport.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

} // namespace

DetailsDialog::DetailsDialog(const RowRecord& record, QWidget* parent)
    : QDialog(parent), plainText(EvidenceReport::DetailsText(record))
{
    setWindowTitle(Tr("File Details"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    browser = new QTextBrowser(this);
    browser->setOpenLinks(false);
    browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    browser->setHtml(EvidenceReport::DetailsHtml(record));

    auto* buttons = new QDialogButtonBox(this);
    copyButton = buttons->addButton(Tr("Copy"), QDialogButtonBox::ActionRole);
    QPushButton* closeButton = buttons->addButton(Tr("Close"), QDialogButtonBox::RejectRole);
    closeButton->setDefault(true);
    connect(copyButton, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(plainText); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 480);
}
