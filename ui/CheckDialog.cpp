#include "CheckDialog.h"

#include "MainWindow.h"
#include "PathText.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CheckDialog::CheckDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QObject::tr("Check Against Report"));
    auto* intro = new QLabel(QObject::tr("Every file that the report lists is verified again at its path and compared "
                                         "with its entry. Files in the folders below that the report does not list "
                                         "are shown as moved (same content) or new."),
                             this);
    intro->setWordWrap(true);

    m_report = new QLineEdit(this);
    auto* reportLabel = new QLabel(QObject::tr("&Report:"), this);
    reportLabel->setBuddy(m_report);
    m_report->setAccessibleName(QObject::tr("Report"));
    auto* browse = new QPushButton(QObject::tr("&Browse…"), this);

    m_paths = new QListWidget(this);
    m_paths->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* pathsLabel = new QLabel(QObject::tr("&Search for moved and new files in:"), this);
    pathsLabel->setBuddy(m_paths);
    m_paths->setAccessibleName(QObject::tr("Folders and files to search"));
    auto* addFolder = new QPushButton(QObject::tr("Add &Folder…"), this);
    auto* addFiles = new QPushButton(QObject::tr("Add F&iles…"), this);
    m_remove = new QPushButton(QObject::tr("Re&move"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_check = buttons->button(QDialogButtonBox::Ok);
    m_check->setText(QObject::tr("&Check"));

    auto* grid = new QGridLayout();
    grid->addWidget(reportLabel, 0, 0, 1, 2);
    grid->addWidget(m_report, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(pathsLabel, 2, 0, 1, 2);
    grid->addWidget(m_paths, 3, 0, 3, 1);
    grid->addWidget(addFolder, 3, 1);
    grid->addWidget(addFiles, 4, 1);
    grid->addWidget(m_remove, 5, 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(620, 380);

    connect(browse, &QPushButton::clicked, this, &CheckDialog::ChooseReport);
    connect(addFolder, &QPushButton::clicked, this, &CheckDialog::AddFolder);
    connect(addFiles, &QPushButton::clicked, this, &CheckDialog::AddFiles);
    connect(m_remove, &QPushButton::clicked, this, &CheckDialog::RemoveSelected);
    connect(m_report, &QLineEdit::textChanged, this, &CheckDialog::UpdateButtons);
    connect(m_paths, &QListWidget::itemSelectionChanged, this, &CheckDialog::UpdateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateButtons();
    m_report->setFocus();
}

QString CheckDialog::ReportFilter()
{
    return QObject::tr("Reports (*.pdf *.csv *.jsonl);;All files (*)");
}

QByteArray CheckDialog::Report() const
{
    return PathText::ToNative(QDir::fromNativeSeparators(m_report->text().trimmed()));
}

std::vector<QByteArray> CheckDialog::Paths() const
{
    std::vector<QByteArray> paths;
    paths.reserve(static_cast<std::size_t>(m_paths->count()));
    for (int i = 0; i < m_paths->count(); ++i)
        paths.push_back(PathText::ToNative(QDir::fromNativeSeparators(m_paths->item(i)->text())));
    return paths;
}

void CheckDialog::SetReport(const QString& path)
{
    m_report->setText(QDir::toNativeSeparators(path));
}

void CheckDialog::AddPaths(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!path.isEmpty() && m_paths->findItems(QDir::toNativeSeparators(path), Qt::MatchExactly).isEmpty())
            m_paths->addItem(QDir::toNativeSeparators(path));
    }
    UpdateButtons();
}

void CheckDialog::ChooseReport()
{
    const QString path = QFileDialog::getOpenFileName(this, QObject::tr("Report"), QString(), ReportFilter());
    if (!path.isEmpty())
        SetReport(path);
}

void CheckDialog::AddFolder()
{
    AddPaths({QFileDialog::getExistingDirectory(this, QObject::tr("Open Folder"), QString(),
                                                QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks)});
}

void CheckDialog::AddFiles()
{
    AddPaths(
        QFileDialog::getOpenFileNames(this, QObject::tr("Open File(s)"), QString(), MainWindow::OpenFilesFilter()));
}

void CheckDialog::RemoveSelected()
{
    qDeleteAll(m_paths->selectedItems());
    UpdateButtons();
}

void CheckDialog::UpdateButtons()
{
    m_remove->setEnabled(!m_paths->selectedItems().isEmpty());
    m_check->setEnabled(!m_report->text().trimmed().isEmpty());
}
