#include "MainWindow.h"

#include "CMainToolBar.h"
#include "DetailsDialog.h"
#include "HelpWindow.h"
#include "InputCollector.h"
#include "KeyFingerprint.h"
#include "Localisation.h"
#include "ResultRow.h"
#include "RowRemoval.h"
#include "RsaPublicDecrypt.h"
#include "RunDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

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

#ifndef ARDENTIX_VERSION_TEXT
#error "ARDENTIX_VERSION_TEXT must give the program's version"
#endif
const char* const kVersion = ARDENTIX_VERSION_TEXT;
const char* const kYear = "2012";

const char* const kDevelopmentNotice = QT_TRANSLATE_NOOP(
    "QObject", "Development build: this program carries the development key, whose private half is public. Anyone "
               "can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.");

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

// An action's text as a window title: without the trailing ellipsis that
// says the action opens a dialog.
QString TitleOf(QString text)
{
    for (const QString& dots : {QStringLiteral("…"), QStringLiteral("...")}) {
        if (text.endsWith(dots))
            text.chop(dots.size());
    }
    return text.trimmed();
}

// The Save Report icon, drawn like the toolbar's image icons: an 18-pixel
// page with a folded corner and a coloured arrow, here pointing down.
QPixmap DrawSaveIcon(qreal ratio)
{
    const int size = 18;
    QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(14.5, 5.5);
    page.lineTo(14.5, 16.5);
    page.lineTo(2.5, 16.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(110, 110, 110), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setBrush(QColor(225, 225, 225));
    painter.drawPolygon(QPolygonF({QPointF(10.5, 1.5), QPointF(10.5, 5.5), QPointF(14.5, 5.5)}));
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    for (qreal y : {8.5, 10.5})
        painter.drawLine(QPointF(4.5, y), QPointF(8.5, y));
    QPainterPath arrow;
    arrow.moveTo(10.0, 7.0);
    arrow.lineTo(14.0, 7.0);
    arrow.lineTo(14.0, 11.5);
    arrow.lineTo(17.0, 11.5);
    arrow.lineTo(12.0, 17.0);
    arrow.lineTo(7.0, 11.5);
    arrow.lineTo(10.0, 11.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 90, 160), 1));
    painter.setBrush(QColor(40, 130, 210));
    painter.drawPath(arrow);
    return pixmap;
}

QIcon SaveReportIcon()
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(DrawSaveIcon(ratio));
    return icon;
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
    setAcceptDrops(true);
    view->setFocus();
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
    release(copyAction);
    release(selectAllAction);
    release(quitAction);
    release(saveReportAction);
    release(removeFilesAction);
    release(openFolderAction);
    release(openFilesAction);
    release(model);
    release(view);
    release(proxy);
}

void MainWindow::LoadTranslation()
{
    const QString code = LanguageCodeForLocale(QLocale::system().name());
    (void)translator.load(LocalisationSeams::CataloguePrefix() + code, QString(), QString(), QString());
    if (translator.isEmpty())
        ShowMessage(QStringLiteral("Error: Can't Read local i18n File."));
    QCoreApplication::installTranslator(&translator);

    // Qt's own texts (standard buttons, file dialogs) in the same language,
    // where Qt has a catalogue for it; otherwise they stay in English.
    for (const QString& name : QtLocaleNamesForLanguage(code)) {
        if (qtTranslator.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qtTranslator);
            break;
        }
    }
}

void MainWindow::ShowMessage(const QString& text)
{
    if (LocalisationSeams::MessageHandler()) {
        LocalisationSeams::MessageHandler()(text);
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
    view->setFocusPolicy(Qt::StrongFocus);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &MainWindow::ShowDetails);
    view->setStyleSheet(QStringLiteral("QTreeView {border: 0px;}"));
    // Every row is one line high: the view need not measure each row, which
    // keeps long runs and removals fast.
    view->setUniformRowHeights(true);

    QHeaderView* header = view->header();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setCascadingSectionResizes(true);
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    // The last column takes the rest of the width.
    const int widths[4] = {200, 180, 150, 150};
    for (int column = 0; column < 4; ++column)
        view->setColumnWidth(column, widths[column]);
    FitVerdictColumn();

    if (BuiltInModulusIsDevelopmentKey()) {
        // A build that anyone can sign for must never pass for a real one.
        QWidget* central = new QWidget(this);
        QVBoxLayout* layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        developmentNotice = new QLabel(Tr(kDevelopmentNotice), central);
        developmentNotice->setWordWrap(true);
        developmentNotice->setObjectName(QStringLiteral("developmentKeyNotice"));
        developmentNotice->setStyleSheet(
            QStringLiteral("QLabel {background: #fff3cd; color: #7a1f00; border-bottom: 1px solid #e0b000; "
                           "padding: 4px 8px; font-weight: bold;}"));
        layout->addWidget(developmentNotice);
        layout->addWidget(view);
        setCentralWidget(central);
    } else {
        setCentralWidget(view);
    }
}

void MainWindow::FitVerdictColumn()
{
    // The verdict reads whole in every language: the column is at least as
    // wide as the longer verdict with its icon.
    const QFontMetrics metrics(view->font());
    int needed = 0;
    for (const char* text : {"Authentication succeeded", "Authentication failed"})
        needed = qMax(needed, metrics.horizontalAdvance(Tr(text)));
    needed += view->iconSize().isValid() ? view->iconSize().width() : 16;
    needed += 16 + 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    if (needed > view->columnWidth(1))
        view->setColumnWidth(1, needed);
}

QString MainWindow::KeyFingerprint()
{
    return QString::fromLatin1(BuiltInKeyFingerprint());
}

QString MainWindow::DevelopmentNoticeText()
{
    return Tr(kDevelopmentNotice);
}

void MainWindow::CreateActions()
{
    openFilesAction = new QAction(QIcon(QStringLiteral(":/images/icon_add_file.png")), Tr("Open File(s)"), this);
    connect(openFilesAction, &QAction::triggered, this, &MainWindow::OpenFiles);
    openFolderAction = new QAction(QIcon(QStringLiteral(":/images/icon_add_folder.png")), Tr("Open Folder"), this);
    connect(openFolderAction, &QAction::triggered, this, &MainWindow::OpenFolder);
    removeFilesAction = new QAction(QIcon(QStringLiteral(":/images/icon_remove_file.png")), Tr("Remove File(s)"), this);
    connect(removeFilesAction, &QAction::triggered, this, &MainWindow::RemoveFiles);
    saveReportAction = new QAction(SaveReportIcon(), Tr("Save Report…"), this);
    connect(saveReportAction, &QAction::triggered, this, &MainWindow::SaveReport);
    helpAction = new QAction(QIcon(QStringLiteral(":/images/icon_help.png")), Tr("Help"), this);
    connect(helpAction, &QAction::triggered, this, &MainWindow::Help);
    aboutAction = new QAction(QIcon(QStringLiteral(":/images/icon_about.png")), Tr("About"), this);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::About);

    openFilesAction->setShortcut(QKeySequence::Open);
    openFolderAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    removeFilesAction->setShortcut(QKeySequence::Delete);
    saveReportAction->setShortcut(QKeySequence::Save);
    helpAction->setShortcut(QKeySequence::HelpContents);

    // Quit is on the keyboard only: the window's action, not the toolbar's.
    quitAction = new QAction(Tr("Quit"), this);
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    addAction(quitAction);

    // Select All and Copy act on the table.
    selectAllAction = new QAction(Tr("Select All"), this);
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    selectAllAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(selectAllAction, &QAction::triggered, view, &QAbstractItemView::selectAll);
    view->addAction(selectAllAction);
    copyAction = new QAction(Tr("Copy"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &MainWindow::CopyRows);
    view->addAction(copyAction);
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
    toolbar->addAction(saveReportAction);
    toolbar->addSeparator();
    toolbar->addAction(helpAction);
    toolbar->addAction(aboutAction);
    // Every button is reached with Tab and named for screen readers.
    for (QAction* action : Actions()) {
        if (QWidget* button = toolbar->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(action->text());
        }
    }
}

QList<QAction*> MainWindow::Actions() const
{
    return {openFilesAction, openFolderAction, removeFilesAction, saveReportAction, helpAction, aboutAction};
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
    // Closing during a run stops the file in progress at once (it gets no
    // row) and ends the run; the program then exits as usual.
    if (runInProgress)
        stopRequested = true;
    WriteSettings();
    if (helpWindow != nullptr)
        helpWindow->close();
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
    saveReportAction->setEnabled(enabled);
}

void MainWindow::VerifyFiles(const QStringList& paths)
{
    std::vector<FileJob> files;
    files.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        files.push_back({QFile::encodeName(path), 0, false});
    VerifyJobs(files);
}

void MainWindow::VerifyJobs(const std::vector<FileJob>& files)
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
    context.stopRequested = &stopRequested;
    context.sha256 = true;
    RunVerification(files, context);

    SetRunActionsEnabled(true);
    runInProgress = false;
}

QString MainWindow::OpenFilesFilter()
{
    return DialogFilter(Tr("Images and Videos (*.jpg;*.avi;*.mp4)"));
}

void MainWindow::OpenFiles()
{
    if (runInProgress)
        return;
    const QStringList files = QFileDialog::getOpenFileNames(this, Tr("Open File(s)"), QString(), OpenFilesFilter(),
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
    // The walk takes names as the system's bytes, so files whose names are
    // not UTF-8 are verified too, and reports subfolders it cannot list.
    std::vector<FileJob> files;
    InputCollector::CollectOne(QFile::encodeName(folder), files,
                               [] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    setEnabled(true);
    VerifyJobs(files);
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
    QString text = QStringLiteral("<H3>%1&nbsp;%2&nbsp;%3</H3><p>%4")
                       .arg(title, 0, QLatin1Char(' '))
                       .arg(label, 0, QLatin1Char(' '))
                       .arg(version, 0, QLatin1Char(' '))
                       .arg(notice, 0, QLatin1Char(' '));
    // Which key this build trusts, so that it can be checked against the
    // recording servers' own.
    QString fingerprint = KeyFingerprint();
    for (int i = 32; i > 0; i -= 32)
        fingerprint.insert(i, QStringLiteral("<br>"));
    text += QStringLiteral("<p>%1:<br><tt>%2</tt>")
                .arg(Tr("Public key fingerprint (SHA-256)").toHtmlEscaped(), fingerprint);
    if (BuiltInModulusIsDevelopmentKey())
        text += QStringLiteral("<p><b>%1</b>").arg(Tr(kDevelopmentNotice).toHtmlEscaped());
    return text;
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

void MainWindow::OpenPaths(const std::vector<QByteArray>& paths)
{
    if (runInProgress || paths.empty())
        return;
    setDisabled(true);
    std::vector<FileJob> files;
    for (const QByteArray& path : paths)
        InputCollector::CollectOne(path, files, [] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    setEnabled(true);
    VerifyJobs(files);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (runInProgress || !event->mimeData()->hasUrls())
        return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    std::vector<QByteArray> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.push_back(QFile::encodeName(url.toLocalFile()));
    }
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
    QList<RowRecord> records;
    for (int row = 0; row < proxy->rowCount(); ++row) {
        const QModelIndex index = proxy->index(row, 0);
        if (selectedOnly && !view->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        records << ResultRow::RecordAt(model, proxy->mapToSource(index).row());
    }
    return records;
}

void MainWindow::ShowDetails(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QModelIndex source = proxy->mapToSource(index);
    DetailsDialog dialog(ResultRow::RecordAt(model, source.row()), this);
    dialog.exec();
}

void MainWindow::CopyRows()
{
    const QList<RowRecord> records = RowRecords(true);
    if (records.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(EvidenceReport::TabSeparated(records));
}

bool MainWindow::SaveReportTo(const QString& path, EvidenceReport::Format format)
{
    const EvidenceReport::Counts counts{totalFiles, succeededFiles, failedFiles};
    QString error;
    if (EvidenceReport::Write(path, format, RowRecords(false), counts, &error))
        return true;
    QMessageBox::warning(this, TitleOf(Tr("Save Report…")),
                         Tr("The report could not be written to %1: %2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

void MainWindow::SaveReport()
{
    if (runInProgress)
        return;
    using EvidenceReport::Format;
    const std::pair<Format, QString> filters[3] = {{Format::Pdf, DialogFilter(Tr("PDF report (*.pdf)"))},
                                                   {Format::Csv, DialogFilter(Tr("CSV (*.csv)"))},
                                                   {Format::JsonLines, DialogFilter(Tr("JSON Lines (*.jsonl)"))}};
    QStringList list;
    for (const auto& filter : filters)
        list << filter.second;
    QString selected = list.first();
    QString path = QFileDialog::getSaveFileName(this, TitleOf(Tr("Save Report…")), QString(),
                                                list.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return;
    // The name's suffix decides the format; a name without one gets the
    // chosen filter's.
    Format format = Format::Pdf;
    if (!EvidenceReport::FormatForName(path, &format)) {
        for (const auto& filter : filters) {
            if (filter.second == selected)
                format = filter.first;
        }
        path += QLatin1Char('.') + EvidenceReport::SuffixFor(format);
    }
    SaveReportTo(path, format);
}
