// The program's one main window: the result table, the toolbar with its
// actions, the status bar totals, and the window's saved geometry. It
// creates and connects; the table, the run, the report, the settings and
// the texts are each kept elsewhere.
#ifndef ARDENTIX_UI_MAINWINDOW_H
#define ARDENTIX_UI_MAINWINDOW_H

#include "CaseDetails.h"
#include "CheckResultWindow.h"
#include "CustodyCheckFlow.h"
#include "EvidenceReport.h"
#include "FileJob.h"
#include "HelpWindow.h"
#include "PreviewMaker.h"
#include "ResultTable.h"
#include "RunController.h"

#include <QMainWindow>
#include <QTranslator>

#include <functional>
#include <memory>
#include <vector>

class CheckResultWindow;
class CMainToolBar;
class QAction;
class QLabel;
class QModelIndex;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Authenticates the files in list order under the progress dialog.
    void VerifyFiles(const QStringList& paths);
    // Paths from the command line or a drop, as the system names them:
    // folders are walked, then everything is verified in one run.
    void OpenPaths(const std::vector<QByteArray>& paths);
    // Walks the folder chosen in the Open Folder dialog (in Qt's form);
    // nothing when it is empty, the dialog having been cancelled.
    void OpenChosenFolder(const QString& folder);

    // The records of the rows in the view's order, all or the selected.
    QList<RowRecord> RowRecords(bool selectedOnly) const;
    // Opens the details of a row of the view.
    void ShowDetails(const QModelIndex& index);
    // Writes the report of all rows; false after showing why it failed. A
    // PDF names the case details last given, and shows the pictures unless
    // they are left out: it waits for those still being made, and is not
    // written if the user cancels the wait.
    bool SaveReportTo(const QString& path, EvidenceReport::Format format);
    // The case details that the next PDF report carries.
    CaseDetails& Case() { return caseDetails; }

    // Re-checks the files that a saved report lists, and the paths for moved
    // and new files, and shows the outcome; a report that cannot be used is
    // explained in a message over `over` (the window when null), nothing
    // changes, and false is returned.
    bool CheckAgainst(const CustodyRequest& request, QWidget* over = nullptr) { return custody.Check(request, over); }
    // The last custody check asked for, which the dialog offers again.
    const CustodyRequest& LastCheck() const { return custody.Last(); }

    // Loads and installs the catalogue for the system locale, and Qt's own
    // for its dialogs and buttons.
    void LoadTranslation();

    // Shows a modal information box without title or parent.
    static void ShowMessage(const QString& text);

    // The Open File(s) dialog's filter, in the form Qt's dialogs take.
    static QString OpenFilesFilter();

    ::ResultModel* ResultModel() const { return model; }
    // Makes the pictures of the rows, through the helper beside the program.
    PreviewMaker* Previews() const { return previews; }
    CMainToolBar* ToolBar() const { return toolbar; }
    // The toolbar's actions, in its order: Report opens the menu of Save
    // Report and Custody Check.
    QList<QAction*> Actions() const;
    QAction* SaveReportAction() const { return saveReportAction; }
    QAction* CheckReportAction() const { return checkReportAction; }
    // The notice shown in builds with the development key (null otherwise).
    QLabel* DevelopmentKeyNotice() const { return developmentNotice; }
    bool RunInProgress() const { return runs.Busy(); }

    // No menu: the toolbar cannot be hidden.
    QMenu* createPopupMenu() override;

    // The status bar's counts: all rows plus the entries of the run not
    // reached yet, and the rows by verdict.
    int TotalFiles() const { return static_cast<int>(model->Counts().Total() + runs.NotReached()); }
    int SucceededFiles() const { return static_cast<int>(model->Counts().authentic); }
    int FailedFiles() const { return static_cast<int>(model->Counts().failed); }

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

private:
    void CreateResultTable();
    void CreateActions();
    void CreateToolBar();
    void ReadSettings();
    void WriteSettings();
    void SetRunActionsEnabled(bool enabled);
    ResultTable Table() const { return {model, proxy, view}; }
    // Runs work, a run whose dialog, new rows and status bar are shown,
    // with the actions that add or remove rows disabled.
    void RunWith(const std::function<void()>& work);
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
    ::ResultModel* model = nullptr;
    PreviewMaker* previews = nullptr;
    QSortFilterProxyModel* proxy = nullptr;
    QTreeView* view = nullptr;
    QTranslator translator;
    QTranslator qtTranslator;
    // A window of its own, beside this one rather than over it.
    std::unique_ptr<HelpWindow> helpWindow;
    QLabel* developmentNotice = nullptr;
    // The case and the note last given, until the program closes; the
    // examiner and organisation are also in the settings.
    CaseDetails caseDetails;

    // The runs and re-checks, one at a time.
    RunController runs;
    CustodyCheckFlow custody;
};

#endif
