#include "MainWindow.h"

#include "CMainToolBar.h"
#include "HelpWindow.h"
#include "Localisation.h"
#include "MediaFolderWalk.h"
#include "RowRemoval.h"
#include "RunDriver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// The legal notice of the About box; %1 receives the year.
const char* const kLegalNotice = QT_TRANSLATE_NOOP(
    "QObject", "Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and "
               "international treaties. Unauthorized reproduction or distribution of this program, or any portion of "
               "it, may result in severe civil and criminal penalties.");

const char* const kVersion = "1.0-006";
const char* const kYear = "2012";

// Qt's file dialogs separate the patterns of a filter with spaces; the
// catalogues separate them with semicolons, which would match no file.
QString DialogFilter(const QString& translated)
{
    QString filter = translated;
    const QRegularExpression patterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = patterns.match(filter);
    if (match.hasMatch()) {
        QString list = match.captured(1);
        list.replace(QLatin1Char(';'), QLatin1Char(' '));
        filter.replace(match.capturedStart(1), match.capturedLength(1), list);
    }
    return filter;
}

} // namespace

MainWindow::MainWindow() : QMainWindow(nullptr), translator(nullptr)
{
    LoadTranslation();
    CreateResultTable();
    CreateActions();
    CreateToolBar();
    UpdateStatusBar();
    ReadSettings();
    helpWindow = new HelpWindow();
    setWindowTitle(Tr("Quorvane Ardentix"));
}

MainWindow::~MainWindow()
{
    // Deleted explicitly, in this order, before the translator goes.
    auto release = [](auto*& member) {
        if (member != nullptr) {
            delete member;
            member = nullptr;
        }
    };
    release(helpWindow);
    release(toolbar);
    release(aboutAction);
    release(helpAction);
    release(removeFilesAction);
    release(openFolderAction);
    release(openFilesAction);
    release(model);
    release(view);
    release(proxy);
}

MainWindow::TestHooks& MainWindow::Hooks()
{
    static TestHooks hooks;
    return hooks;
}

void MainWindow::SetWorkerStartedHook(std::function<void(int, QProgressDialog*)> hook)
{
    workerStartedHook = std::move(hook);
}

void MainWindow::LoadTranslation()
{
    const QString code = LanguageCodeForLocale(QLocale::system().name());
    (void)translator.load(Hooks().cataloguePrefix + code, QString(), QString(), QString());
    if (translator.isEmpty())
        ShowMessage(QStringLiteral("Error: Can't Read local i18n File."));
    QCoreApplication::installTranslator(&translator);
}

void MainWindow::ShowMessage(const QString& text)
{
    if (Hooks().showMessage) {
        Hooks().showMessage(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, nullptr);
    box.exec();
}

void MainWindow::CreateResultTable()
{
    view = new QTreeView(this);
    model = new QStandardItemModel(0, 5, view);
    totalFiles = 0;
    succeededFiles = 0;
    failedFiles = 0;
    currentWorker = nullptr;
    cancelRequested = false;

    const char* const headers[5] = {"File Name", "Authentication Result", "Start Time", "Stop Time",
                                    "Vornhold Serial Number"};
    for (int column = 0; column < 5; ++column)
        model->setHeaderData(column, Qt::Horizontal, Tr(headers[column]), Qt::EditRole);

    proxy = new QSortFilterProxyModel();
    proxy->setSourceModel(model);
    // Qt's defaults, set explicitly because the table relies on them: the
    // display text is compared case-sensitively and not locale-aware, and
    // new rows stay where they were inserted until the user sorts again.
    proxy->setSortRole(Qt::DisplayRole);
    proxy->setSortCaseSensitivity(Qt::CaseSensitive);
    proxy->setSortLocaleAware(false);
    proxy->setDynamicSortFilter(false);

    view->setModel(proxy);
    view->setRootIsDecorated(false);
    view->setAlternatingRowColors(true);
    view->setSortingEnabled(true);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFocusPolicy(Qt::NoFocus);
    view->setStyleSheet(QStringLiteral("QTreeView {border: 0px;}"));

    QHeaderView* header = view->header();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setCascadingSectionResizes(true);
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    // The last column takes the rest of the width.
    const int widths[4] = {200, 180, 150, 150};
    for (int column = 0; column < 4; ++column)
        view->setColumnWidth(column, widths[column]);

    setCentralWidget(view);
}

void MainWindow::CreateActions()
{
    openFilesAction = new QAction(QIcon(QStringLiteral(":/images/icon_add_file.png")), Tr("Open File(s)"), this);
    connect(openFilesAction, SIGNAL(triggered()), this, SLOT(OpenFiles()));
    openFolderAction = new QAction(QIcon(QStringLiteral(":/images/icon_add_folder.png")), Tr("Open Folder"), this);
    connect(openFolderAction, SIGNAL(triggered()), this, SLOT(OpenFolder()));
    removeFilesAction = new QAction(QIcon(QStringLiteral(":/images/icon_remove_file.png")), Tr("Remove File(s)"), this);
    connect(removeFilesAction, SIGNAL(triggered()), this, SLOT(RemoveFiles()));
    helpAction = new QAction(QIcon(QStringLiteral(":/images/icon_help.png")), Tr("Help"), this);
    connect(helpAction, SIGNAL(triggered()), this, SLOT(Help()));
    aboutAction = new QAction(QIcon(QStringLiteral(":/images/icon_about.png")), Tr("About"), this);
    connect(aboutAction, SIGNAL(triggered()), this, SLOT(About()));
}

void MainWindow::CreateToolBar()
{
    toolbar = new CMainToolBar(this);
    addToolBar(toolbar);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setStyleSheet(QStringLiteral("QToolButton {font-family: Verdana}"));
    toolbar->addAction(openFilesAction);
    toolbar->addAction(openFolderAction);
    toolbar->addAction(removeFilesAction);
    toolbar->addSeparator();
    toolbar->addAction(helpAction);
    toolbar->addAction(aboutAction);
}

QList<QAction*> MainWindow::Actions() const
{
    return {openFilesAction, openFolderAction, removeFilesAction, helpAction, aboutAction};
}

QPoint MainWindow::DefaultPosition()
{
    return QPoint(200, 200);
}

QSize MainWindow::DefaultSize()
{
    return QSize(800, 450);
}

void MainWindow::ReadSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                       QStringLiteral("Quorvane Ardentix"));
    QPoint pos = settings.value(QStringLiteral("Pos"), DefaultPosition()).toPoint();
    const QSize size = settings.value(QStringLiteral("Size"), DefaultSize()).toSize();

    // A window stored where no screen shows it any more (a monitor that was
    // unplugged) would open out of reach; it opens at the default instead.
    const QRect frame(pos, size);
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            visible = true;
    }
    if (!visible && !QGuiApplication::screens().isEmpty())
        pos = DefaultPosition();

    resize(size);
    move(pos);
}

void MainWindow::WriteSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                       QStringLiteral("Quorvane Ardentix"));
    settings.setValue(QStringLiteral("Pos"), pos());
    settings.setValue(QStringLiteral("Size"), size());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    WriteSettings();
    event->accept();
}

QMenu* MainWindow::createPopupMenu()
{
    return nullptr;
}

void MainWindow::UpdateStatusBar()
{
    const QString line = Tr("Total files") + QStringLiteral(": ") + QString::number(totalFiles) + QStringLiteral("  ") +
                         Tr("Authentication succeeded") + QStringLiteral(": ") + QString::number(succeededFiles) +
                         QStringLiteral("  ") + Tr("Authentication failed") + QStringLiteral(": ") +
                         QString::number(failedFiles);
    statusBar()->showMessage(line, 0);
}

void MainWindow::SetRunActionsEnabled(bool enabled)
{
    openFilesAction->setEnabled(enabled);
    openFolderAction->setEnabled(enabled);
    removeFilesAction->setEnabled(enabled);
}

void MainWindow::VerifyFiles(const QStringList& paths)
{
    if (runInProgress)
        return;
    // While a run is under way nothing may add or remove rows: Cancel hides
    // the modal dialog before the current file is done.
    runInProgress = true;
    SetRunActionsEnabled(false);

    RunContext context;
    context.window = this;
    context.model = model;
    context.view = view;
    context.currentWorker = &currentWorker;
    context.cancelRequested = &cancelRequested;
    context.totalFiles = &totalFiles;
    context.succeededFiles = &succeededFiles;
    context.failedFiles = &failedFiles;
    context.updateStatusBar = [this] { UpdateStatusBar(); };
    context.workerStarted = workerStartedHook;
    RunVerification(paths, context);

    SetRunActionsEnabled(true);
    runInProgress = false;
}

void MainWindow::OpenFiles()
{
    if (runInProgress)
        return;
    const QStringList files = QFileDialog::getOpenFileNames(this, Tr("Open File(s)"), QString(),
                                                            DialogFilter(Tr("Images and Videos (*.jpg;*.avi;*.mp4)")),
                                                            nullptr, QFileDialog::Options());
    VerifyFiles(files);
}

void MainWindow::OpenFolder()
{
    if (runInProgress)
        return;
    const QString folder = QFileDialog::getExistingDirectory(
        this, Tr("Open Folder"), QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    // A cancelled dialog gives the empty path: nothing to walk, no run.
    if (folder.isEmpty())
        return;
    setDisabled(true);
    const QStringList files = CollectMediaFiles(folder, [] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    setEnabled(true);
    VerifyFiles(files);
}

void MainWindow::RemoveFiles()
{
    if (runInProgress)
        return;
    RemoveSelectedRows(view, proxy, model, &totalFiles, &succeededFiles, &failedFiles, [this] { UpdateStatusBar(); });
}

QString MainWindow::AboutText() const
{
    const QString notice = Tr(kLegalNotice).arg(QString::fromLatin1(kYear));
    const QString version = QString::fromLatin1(kVersion);
    const QString label = Tr("Version");
    const QString title = Tr("Quorvane Ardentix");
    return QStringLiteral("<H3>%1&nbsp;%2&nbsp;%3</H3><p>%4")
        .arg(title, 0, QLatin1Char(' '))
        .arg(label, 0, QLatin1Char(' '))
        .arg(version, 0, QLatin1Char(' '))
        .arg(notice, 0, QLatin1Char(' '));
}

void MainWindow::About()
{
    const QString body = AboutText();
    setStyleSheet(QStringLiteral("QMessageBox {font-size:10pt}"));
    QMessageBox::about(this, Tr("About Quorvane Ardentix"), body);
}

void MainWindow::Help()
{
    if (helpWindow->closed) {
        helpWindow->show();
        helpWindow->closed = false;
    }
}
