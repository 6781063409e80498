// The program's one main window: the result table, the toolbar with its
// five actions, the status bar totals, and the window's saved geometry.
#ifndef ARDENTIX_UI_MAINWINDOW_H
#define ARDENTIX_UI_MAINWINDOW_H

#include <QMainWindow>
#include <QTranslator>

#include <functional>

class CMainToolBar;
class HelpWindow;
class QAction;
class QProgressDialog;
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

    // Loads and installs the catalogue for the system locale.
    void LoadTranslation();

    // Shows a modal information box without title or parent.
    static void ShowMessage(const QString& text);

    // The window position used when none is stored, or when the stored one
    // lies outside every available screen.
    static QPoint DefaultPosition();
    static QSize DefaultSize();

    // Seams for tests: where catalogues are looked up, how messages are
    // shown, and a hook into each run.
    struct TestHooks
    {
        QString cataloguePrefix = QStringLiteral(":/translations/");
        std::function<void(const QString&)> showMessage;
    };
    static TestHooks& Hooks();
    void SetWorkerStartedHook(std::function<void(int, QProgressDialog*)> hook);

    // Read access for tests and the run.
    QStandardItemModel* ResultModel() const { return model; }
    QSortFilterProxyModel* SortProxy() const { return proxy; }
    QTreeView* ResultView() const { return view; }
    CMainToolBar* ToolBar() const { return toolbar; }
    HelpWindow* Help_() const { return helpWindow; }
    QList<QAction*> Actions() const;
    QString AboutText() const;
    bool RunInProgress() const { return runInProgress; }

    int TotalFiles() const { return totalFiles; }
    int SucceededFiles() const { return succeededFiles; }
    int FailedFiles() const { return failedFiles; }

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private slots:
    void OpenFiles();
    void OpenFolder();
    void RemoveFiles();
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

    CMainToolBar* toolbar;
    QAction* openFilesAction;
    QAction* openFolderAction;
    QAction* removeFilesAction;
    QAction* helpAction;
    QAction* aboutAction;
    QStandardItemModel* model;
    QSortFilterProxyModel* proxy;
    QTreeView* view;
    QTranslator translator;
    HelpWindow* helpWindow;

    VerifyThread* currentWorker;
    bool cancelRequested;
    int totalFiles;
    int succeededFiles;
    int failedFiles;

    bool runInProgress = false;
    std::function<void(int, QProgressDialog*)> workerStartedHook;
};

#endif
