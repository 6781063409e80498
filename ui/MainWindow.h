// The program's one main window: the result table, the toolbar with its
// six actions, the status bar totals, and the window's saved geometry.
#ifndef ARDENTIX_UI_MAINWINDOW_H
#define ARDENTIX_UI_MAINWINDOW_H

#include "EvidenceReport.h"
#include "FileJob.h"

#include <QMainWindow>
#include <QTranslator>

#include <atomic>
#include <vector>

class CMainToolBar;
class HelpWindow;
class QAction;
class QLabel;
class QModelIndex;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;
class VerifyThread;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Authenticates the files in list order under the progress dialog.
    void VerifyFiles(const QStringList& paths);
    // The same for paths as the system names them (names that are not
    // UTF-8 included), and folders already walked.
    void VerifyJobs(const std::vector<FileJob>& files);
    // Paths from the command line or a drop, as the system names them:
    // folders are walked, then everything is verified in one run.
    void OpenPaths(const std::vector<QByteArray>& paths);

    // The records of the rows in the view's order, all or the selected.
    QList<RowRecord> RowRecords(bool selectedOnly) const;
    // Opens the details of the view's current row.
    void ShowDetails(const QModelIndex& index);
    // Writes the report of all rows; false after showing why it failed.
    bool SaveReportTo(const QString& path, EvidenceReport::Format format);

    // Loads and installs the catalogue for the system locale, and Qt's own
    // for its dialogs and buttons.
    void LoadTranslation();

    // Shows a modal information box without title or parent.
    static void ShowMessage(const QString& text);

    // The window position used when none is stored, or when the stored one
    // lies outside every available screen.
    static QPoint DefaultPosition();
    static QSize DefaultSize();

    // Read access for tests and the run.
    QStandardItemModel* ResultModel() const { return model; }
    QSortFilterProxyModel* SortProxy() const { return proxy; }
    QTreeView* ResultView() const { return view; }
    CMainToolBar* ToolBar() const { return toolbar; }
    HelpWindow* Help_() const { return helpWindow; }
    QList<QAction*> Actions() const;
    QString AboutText() const;
    // The notice shown in builds with the development key (null otherwise).
    QLabel* DevelopmentKeyNotice() const { return developmentNotice; }
    // The Open File(s) dialog's filter, in the form Qt's dialogs take.
    static QString OpenFilesFilter();
    // SHA-256 of the built-in modulus, as 64 hexadecimal digits.
    static QString KeyFingerprint();
    // The development-key notice, translated.
    static QString DevelopmentNoticeText();
    bool RunInProgress() const { return runInProgress; }

    int TotalFiles() const { return totalFiles; }
    int SucceededFiles() const { return succeededFiles; }
    int FailedFiles() const { return failedFiles; }

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OpenFiles();
    void OpenFolder();
    void RemoveFiles();
    void SaveReport();
    void CopyRows();
    void About();
    void Help();
    void UpdateStatusBar();

private:
    friend class TestMainWindow;
    friend class TestRun;

    void CreateResultTable();
    void CreateActions();
    void CreateToolBar();
    void ReadSettings();
    void WriteSettings();
    void SetRunActionsEnabled(bool enabled);
    void FitVerdictColumn();

    CMainToolBar* toolbar;
    QAction* openFilesAction;
    QAction* openFolderAction;
    QAction* removeFilesAction;
    QAction* saveReportAction;
    QAction* quitAction;
    QAction* selectAllAction;
    QAction* copyAction;
    QAction* helpAction;
    QAction* aboutAction;
    QStandardItemModel* model;
    QSortFilterProxyModel* proxy;
    QTreeView* view;
    QTranslator translator;
    QTranslator qtTranslator;
    HelpWindow* helpWindow;
    QLabel* developmentNotice = nullptr;

    VerifyThread* currentWorker;
    bool cancelRequested;
    int totalFiles;
    int succeededFiles;
    int failedFiles;

    bool runInProgress = false;
    // Set when the window closes during a run: stops the file in progress.
    std::atomic<bool> stopRequested{false};
};

#endif
