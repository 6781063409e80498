#include "MainWindow.h"

#include "AboutBox.h"
#include "CMainToolBar.h"
#include "CaseDetailsDialog.h"
#include "DetailsDialog.h"
#include "DevelopmentNotice.h"
#include "InputCollector.h"
#include "Localisation.h"
#include "MediaFolderWalk.h"
#include "PaintedIcons.h"
#include "PathText.h"
#include "PreviewWait.h"
#include "ResultText.h"
#include "RowRemoval.h"
#include "RunProgress.h"
#include "WindowSettings.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

MainWindow::MainWindow()
    : QMainWindow(nullptr), translator(nullptr), runs(this),
      custody(this, runs, caseDetails, [this](bool enabled) { SetRunActionsEnabled(enabled); })
{
    runs.setObjectName(QStringLiteral("runs"));
    LoadTranslation();
    CreateResultTable();
    CreateActions();
    CreateToolBar();
    UpdateStatusBar();
    ReadSettings();
    setAcceptDrops(true);
    view->setFocus();
    helpWindow = std::make_unique<HelpWindow>();
    setWindowTitle(QObject::tr("Quorvane Ardentix"));
}

// The widgets go with the window, as its children; the help window is its
// own.
MainWindow::~MainWindow() = default;

void MainWindow::LoadTranslation()
{
    if (!InstallTranslators(translator, qtTranslator))
        ShowMessage(QStringLiteral("Error: Can't Read local i18n File."));
}

void MainWindow::ShowMessage(const QString& text)
{
    ShowInformation(text);
}

void MainWindow::CreateResultTable()
{
    const ResultTable table = ResultTable::Create(this);
    model = table.model;
    previews = new PreviewMaker(PreviewMaker::HelperBesideProgram(), this);
    model->SetPreviewMaker(previews);
    proxy = table.proxy;
    view = table.view;
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &MainWindow::ShowDetails);

    setCentralWidget(DevelopmentNotice::Around(view, this, &developmentNotice));
}

QAction* MainWindow::AddAction(const QString& text, const QIcon& icon, const QKeySequence& shortcut,
                               void (MainWindow::*slot)())
{
    QAction* action = new QAction(icon, text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::CreateActions()
{
    openFilesAction = AddAction(QObject::tr("Open File(s)"), QIcon(QStringLiteral(":/images/icon_add_file.png")),
                                QKeySequence::Open, &MainWindow::OpenFiles);
    openFolderAction = AddAction(QObject::tr("Open Folder"), QIcon(QStringLiteral(":/images/icon_add_folder.png")),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &MainWindow::OpenFolder);
    removeFilesAction = AddAction(QObject::tr("Remove File(s)"), QIcon(QStringLiteral(":/images/icon_remove_file.png")),
                                  QKeySequence::Delete, &MainWindow::RemoveFiles);
    saveReportAction =
        AddAction(QObject::tr("Save Report…"), PaintedIcons::SaveReport(), QKeySequence::Save, &MainWindow::SaveReport);
    checkReportAction = AddAction(QObject::tr("Custody Check…"), PaintedIcons::CheckReport(),
                                  QKeySequence(Qt::CTRL | Qt::Key_K), &MainWindow::CheckAgainstReport);
    // The two report actions share one toolbar button and its menu, so that
    // every button fits at the window's default size in every language;
    // their shortcuts act on the window.
    reportMenu = new QMenu(this);
    reportMenu->addAction(saveReportAction);
    reportMenu->addAction(checkReportAction);
    addAction(saveReportAction);
    addAction(checkReportAction);
    // The button opens the menu when pressed, so that it is a button that
    // screen readers can press, like the others.
    reportAction = new QAction(PaintedIcons::SaveReport(), QObject::tr("Report"), this);
    connect(reportAction, &QAction::triggered, this, [this] { toolbar->PopUp(reportMenu, reportAction); });
    helpAction = AddAction(QObject::tr("Help"), QIcon(QStringLiteral(":/images/icon_help.png")),
                           QKeySequence::HelpContents, &MainWindow::Help);
    aboutAction = AddAction(QObject::tr("About"), QIcon(QStringLiteral(":/images/icon_about.png")), QKeySequence(),
                            &MainWindow::About);

    // Quit is on the keyboard only: the window's action, not the toolbar's.
    QAction* quit = new QAction(QObject::tr("Quit"), this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    // Select All and Copy act on the table.
    Table().AddKeyboardActions([this] { CopyRows(); });
}

void MainWindow::CreateToolBar()
{
    toolbar = new CMainToolBar(this);
    addToolBar(toolbar);
    toolbar->AddButtons({openFilesAction, openFolderAction, removeFilesAction, reportAction},
                        {helpAction, aboutAction});
    // A screen reader says what the menu behind the button holds.
    toolbar->Describe(reportAction, {saveReportAction, checkReportAction});
}

QList<QAction*> MainWindow::Actions() const
{
    return {openFilesAction, openFolderAction, removeFilesAction, reportAction, helpAction, aboutAction};
}

void MainWindow::ReadSettings()
{
    WindowSettings::Restore(this);
}

void MainWindow::WriteSettings()
{
    WindowSettings::Save(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing stops a walk, the file in progress (it gets no row) and the
    // run, and keeps any run from starting after it.
    runs.Close();
    WriteSettings();
    if (helpWindow != nullptr)
        helpWindow->close();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    // A window shown again after a close takes work again.
    runs.Reopen();
    QMainWindow::showEvent(event);
}

QMenu* MainWindow::createPopupMenu()
{
    return nullptr;
}

bool MainWindow::event(QEvent* event)
{
    // The status bar holds the totals: the status tips of menus and buttons
    // (empty ones among them) would replace them until the next run.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::UpdateStatusBar()
{
    statusBar()->showMessage(ResultText::TotalsLine(TotalFiles(), SucceededFiles(), FailedFiles()), 0);
}

void MainWindow::RunWith(const std::function<void()>& work)
{
    SetRunActionsEnabled(false);
    // Pictures are made once the verdicts are in, never beside them.
    previews->SetHeld(true);
    {
        const RunProgress progress(this, runs, model, view, [this] { UpdateStatusBar(); });
        work();
    }
    previews->SetHeld(false);
    SetRunActionsEnabled(true);
}

void MainWindow::SetRunActionsEnabled(bool enabled)
{
    // Nothing may add or remove rows during a walk or a run: Cancel hides
    // the modal dialog before the current file is done.
    for (QAction* action :
         {openFilesAction, openFolderAction, removeFilesAction, reportAction, saveReportAction, checkReportAction})
        action->setEnabled(enabled);
}

void MainWindow::VerifyFiles(const QStringList& paths)
{
    if (runs.Busy())
        return;
    std::vector<FileJob> files;
    // Each with its size, so that the bar moves with the bytes done.
    for (const QString& path : paths)
        files.push_back(InputCollector::JobFor(PathText::FromQt(path)));
    RunWith([&] { runs.Verify(std::move(files)); });
}

void MainWindow::OpenPaths(const std::vector<QByteArray>& paths)
{
    if (runs.Busy() || paths.empty())
        return;
    RunWith([&] { runs.Open(paths); });
}

QString MainWindow::OpenFilesFilter()
{
    // The patterns are the engine's types, whatever the catalogue says.
    return DialogFilter(QObject::tr("Images and Videos (*.jpg;*.avi;*.mp4)"), MediaFilePatterns());
}

void MainWindow::OpenFiles()
{
    if (runs.Busy())
        return;
    VerifyFiles(QFileDialog::getOpenFileNames(this, QObject::tr("Open File(s)"), QString(), OpenFilesFilter(), nullptr,
                                              QFileDialog::Options()));
}

void MainWindow::OpenFolder()
{
    if (runs.Busy())
        return;
    OpenChosenFolder(QFileDialog::getExistingDirectory(this, QObject::tr("Open Folder"), QString(),
                                                       QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks));
}

void MainWindow::OpenChosenFolder(const QString& folder)
{
    // A cancelled dialog gives the empty path: nothing to walk, no run.
    if (!folder.isEmpty())
        OpenPaths({PathText::FromQt(folder)});
}

void MainWindow::RemoveFiles()
{
    if (!runs.Busy() && RemoveSelectedRows(Table()))
        UpdateStatusBar();
}

void MainWindow::About()
{
    AboutBox::Show(this);
}

void MainWindow::Help()
{
    if (helpWindow->closed) {
        helpWindow->show();
        helpWindow->closed = false;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!runs.Busy() && !InputCollector::LocalPaths(event->mimeData()->urls()).empty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const std::vector<QByteArray> paths = InputCollector::LocalPaths(event->mimeData()->urls());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    // The run shows a modal dialog: it starts once the drop has finished,
    // so that the program the files came from is not kept waiting.
    QTimer::singleShot(0, this, [this, paths] { OpenPaths(paths); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && view->currentIndex().isValid()) {
            ShowDetails(view->currentIndex());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QList<RowRecord> MainWindow::RowRecords(bool selectedOnly) const
{
    return Table().Records(selectedOnly);
}

void MainWindow::ShowDetails(const QModelIndex& index)
{
    if (index.isValid())
        DetailsDialog::Show(model, proxy->mapToSource(index).row(), this);
}

void MainWindow::CopyRows()
{
    const QList<RowRecord> records = RowRecords(true);
    if (!records.isEmpty())
        QGuiApplication::clipboard()->setText(EvidenceReport::TabSeparated(records));
}

bool MainWindow::SaveReportTo(const QString& path, EvidenceReport::Format format)
{
    if (format == EvidenceReport::Format::Pdf && caseDetails.pictures && !WaitForPreviews(this, model, previews))
        return false;
    return EvidenceReport::WriteOrExplain(this, path, format, RowRecords(false), caseDetails);
}

void MainWindow::SaveReport()
{
    QString path;
    EvidenceReport::Format format = EvidenceReport::Format::Pdf;
    if (runs.Busy() || !EvidenceReport::ChooseFile(this, &path, &format))
        return;
    // Only the PDF names the case: CSV and JSON Lines are per-file records.
    if (format == EvidenceReport::Format::Pdf && !CaseDetailsDialog::Ask(this, &caseDetails, true))
        return;
    SaveReportTo(path, format);
}

void MainWindow::CheckAgainstReport()
{
    custody.Ask(OpenFilesFilter());
}
