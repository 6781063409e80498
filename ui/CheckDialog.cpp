#include "CheckDialog.h"

#include "PathText.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QByteArray Native(const QString& shown)
{
    return PathText::ToNative(QDir::fromNativeSeparators(shown.trimmed()));
}

} // namespace

CheckDialog::CheckDialog(QWidget* parent, const QString& filesFilter) : QDialog(parent), m_filesFilter(filesFilter)
{
    setWindowTitle(QObject::tr("Custody Check"));
    auto* intro = new QLabel(QObject::tr("Every file that the report lists is verified again at its path and compared "
                                         "with its entry. Files in the folders below that the report does not list "
                                         "are shown as moved (same content) or new."),
                             this);
    intro->setWordWrap(true);

    m_report = new QLineEdit(this);
    m_report->setAccessibleName(QObject::tr("Report"));
    auto* browse = new QPushButton(QObject::tr("&Browse…"), this);
    m_base = new QLineEdit(this);
    m_base->setAccessibleName(QObject::tr("Folder for relative paths"));
    auto* chooseBase = new QPushButton(QObject::tr("Ch&oose Folder…"), this);

    m_paths = new QListWidget(this);
    m_paths->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_paths->setAccessibleName(QObject::tr("Folders and files to search"));
    auto* addFolder = new QPushButton(QObject::tr("Add &Folder…"), this);
    auto* addFiles = new QPushButton(QObject::tr("Add F&iles…"), this);
    m_remove = new QPushButton(QObject::tr("Re&move"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_check = buttons->button(QDialogButtonBox::Ok);
    m_check->setText(QObject::tr("&Check"));

    auto* grid = new QGridLayout();
    grid->addWidget(Buddy(QObject::tr("&Report:"), m_report, this), 0, 0, 1, 2);
    grid->addWidget(m_report, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(Buddy(QObject::tr("Relative paths in the report are read &against:"), m_base, this), 2, 0, 1, 2);
    grid->addWidget(m_base, 3, 0);
    grid->addWidget(chooseBase, 3, 1);
    grid->addWidget(Buddy(QObject::tr("&Search for moved and new files in:"), m_paths, this), 4, 0, 1, 2);
    grid->addWidget(m_paths, 5, 0, 3, 1);
    grid->addWidget(addFolder, 5, 1);
    grid->addWidget(addFiles, 6, 1);
    grid->addWidget(m_remove, 7, 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(620, 420);

    connect(browse, &QPushButton::clicked, this, &CheckDialog::ChooseReport);
    connect(chooseBase, &QPushButton::clicked, this, &CheckDialog::ChooseBase);
    connect(addFolder, &QPushButton::clicked, this, &CheckDialog::AddFolder);
    connect(addFiles, &QPushButton::clicked, this, &CheckDialog::AddFiles);
    connect(m_remove, &QPushButton::clicked, this, &CheckDialog::RemoveSelected);
    connect(m_report, &QLineEdit::textChanged, this, &CheckDialog::FollowReport);
    connect(m_base, &QLineEdit::textEdited, this, [this] { m_baseChosen = !m_base->text().trimmed().isEmpty(); });
    connect(m_paths, &QListWidget::itemSelectionChanged, this, &CheckDialog::UpdateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CheckDialog::Check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateButtons();
    m_report->setFocus();
}

QString CheckDialog::ReportFilter()
{
    return QObject::tr("Reports (*.pdf *.csv *.jsonl);;All files (*)");
}

QByteArray CheckDialog::ReportFolder(const QByteArray& report)
{
    return PathText::ToNative(QFileInfo(PathText::FromNative(report)).absolutePath());
}

CustodyRequest CheckDialog::Request() const
{
    CustodyRequest request;
    request.report = Native(m_report->text());
    request.base = m_base->text().trimmed().isEmpty() ? ReportFolder(request.report) : Native(m_base->text());
    request.paths.reserve(static_cast<std::size_t>(m_paths->count()));
    for (int i = 0; i < m_paths->count(); ++i)
        request.paths.push_back(Native(m_paths->item(i)->text()));
    return request;
}

void CheckDialog::SetRequest(const CustodyRequest& request)
{
    if (request.report.isEmpty())
        return;
    SetReport(PathText::FromNative(request.report));
    if (request.base != ReportFolder(request.report))
        SetBase(PathText::FromNative(request.base));
    m_paths->clear();
    QStringList paths;
    for (const QByteArray& path : request.paths)
        paths << PathText::FromNative(path);
    AddPaths(paths);
}

void CheckDialog::SetReport(const QString& path)
{
    m_report->setText(QDir::toNativeSeparators(path));
}

void CheckDialog::SetBase(const QString& folder)
{
    m_base->setText(QDir::toNativeSeparators(folder));
    m_baseChosen = !folder.isEmpty();
}

// Until the user chooses another, the base is the report's folder.
void CheckDialog::FollowReport()
{
    if (!m_baseChosen) {
        const QString report = m_report->text().trimmed();
        m_base->setText(report.isEmpty()
                            ? QString()
                            : QDir::toNativeSeparators(PathText::FromNative(ReportFolder(Native(report)))));
    }
    UpdateButtons();
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

void CheckDialog::ChooseBase()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QObject::tr("Folder for relative paths"), m_base->text(),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        SetBase(folder);
}

void CheckDialog::AddFolder()
{
    AddPaths({QFileDialog::getExistingDirectory(this, QObject::tr("Open Folder"), QString(),
                                                QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks)});
}

void CheckDialog::AddFiles()
{
    AddPaths(QFileDialog::getOpenFileNames(this, QObject::tr("Open File(s)"), QString(), m_filesFilter));
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

void CheckDialog::Check()
{
    if (!m_run || m_run(Request(), this))
        accept();
}
