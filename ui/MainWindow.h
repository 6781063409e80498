// The program's one main window: the result table, the toolbar with its
// actions, the status bar totals, and the window's saved geometry. It
// creates and connects; the table, the run, the report, the settings and
// the texts are each kept elsewhere.
#ifndef ARDENTIX_UI_MAINWINDOW_H
#define ARDENTIX_UI_MAINWINDOW_H

#include "CaseDetails.h"
#include "CustodyRun.h"
#include "EvidenceReport.h"
#include "FileJob.h"
#include "ResultTable.h"
#include "RunState.h"

#include <QMainWindow>
#include <QPointer>
#include <QTranslator>

#include <vector>

class CheckResultWindow;
class CMainToolBar;
class HelpWindow;
class QAction;
class QLabel;
class QModelIndex;
class RunDriver;

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
    // Opens the details of a row of the view.
    void ShowDetails(const QModelIndex& index);
    // Writes the report of all rows; false after showing why it failed. A
    // PDF names the case details last given.
    bool SaveReportTo(const QString& path, EvidenceReport::Format format);
    // The case details that the next PDF report carries.
    CaseDetails& Case() { return caseDetails; }

    // Re-checks the files that a saved report lists, and the paths for moved
    // and new files, and shows the outcome; a report that cannot be used is
    // explained in a message over `over` (the window when null), nothing
    // changes, and false is returned.
    bool CheckAgainst(const CustodyRequest& request, QWidget* over = nullptr);
    // The last custody check asked for, which the dialog offers again.
    const CustodyRequest& LastCheck() const { return lastCheck; }
    // The window with the last re-check's outcome; null before the first.
    CheckResultWindow* CheckWindow() const;

    // Loads and installs the catalogue for the system locale, and Qt's own
    // for its dialogs and buttons.
    void LoadTranslation();

    // Shows a modal information box without title or parent.
    static void ShowMessage(const QString& text);
    // Shows a warning over parent (the window when null).
    void ShowWarning(const QString& title, const QString& text, QWidget* parent = nullptr);

    // The Open File(s) dialog's filter, in the form Qt's dialogs take.
    static QString OpenFilesFilter();

    QStandardItemModel* ResultModel() const { return model; }
    QSortFilterProxyModel* SortProxy() const { return proxy; }
    QTreeView* ResultView() const { return view; }
    CMainToolBar* ToolBar() const { return toolbar; }
    HelpWindow* Help_() const { return helpWindow; }
    // The toolbar's actions, in its order: Report opens the menu of Save
    // Report and Custody Check.
    QList<QAction*> Actions() const;
    QAction* SaveReportAction() const { return saveReportAction; }
    QAction* CheckReportAction() const { return checkReportAction; }
    // The notice shown in builds with the development key (null otherwise).
    QLabel* DevelopmentKeyNotice() const { return developmentNotice; }
    bool RunInProgress() const { return run.busy; }

    // No menu: the toolbar cannot be hidden.
    QMenu* createPopupMenu() override;

    int TotalFiles() const { return run.totalFiles; }
    int SucceededFiles() const { return run.succeededFiles; }
    int FailedFiles() const { return run.failedFiles; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private slots:
    void OpenFiles();
    void OpenFolder();
    void RemoveFiles();
    void SaveReport();
    void CheckAgainstReport();
    void CopyRows();
    void About();
    void Help();
    void UpdateStatusBar();
    void ShowReportMenu();

private:
    void CreateResultTable();
    void CreateActions();
    void CreateToolBar();
    void ReadSettings();
    void WriteSettings();
    void SetRunActionsEnabled(bool enabled);
    ResultTable Table() const { return {model, proxy, view}; }
    RunDriver Driver();
    QAction* AddAction(const QString& text, const QIcon& icon, const QKeySequence& shortcut,
                       void (MainWindow::*slot)());

    CMainToolBar* toolbar = nullptr;
    QAction* openFilesAction = nullptr;
    QAction* openFolderAction = nullptr;
    QAction* removeFilesAction = nullptr;
    QAction* saveReportAction = nullptr;
    QAction* checkReportAction = nullptr;
    QAction* reportAction = nullptr;
    QMenu* reportMenu = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    QStandardItemModel* model = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTreeView* view = nullptr;
    QTranslator translator;
    QTranslator qtTranslator;
    HelpWindow* helpWindow = nullptr;
    QLabel* developmentNotice = nullptr;
    // Cleared when the window is deleted.
    QPointer<CheckResultWindow> checkWindow;
    // The case and the note last given, until the program closes; the
    // examiner and organisation are also in the settings.
    CaseDetails caseDetails;
    CustodyRequest lastCheck;

    // currentWorker, cancelRequested and the three counters.
    RunState run;
};

#endif
