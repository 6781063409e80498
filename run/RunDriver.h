// Authenticates a list of files one after another under a modal progress
// dialog, one worker thread per file, keeping the totals.
#ifndef ARDENTIX_RUN_RUNDRIVER_H
#define ARDENTIX_RUN_RUNDRIVER_H

#include <QStringList>

#include <functional>

class QAbstractItemView;
class QProgressDialog;
class QStandardItemModel;
class QWidget;
class VerifyThread;

// What a run works on: the main window's result table and run state.
struct RunContext
{
    QWidget* window = nullptr; // parent of the progress dialog
    QStandardItemModel* model = nullptr;
    QAbstractItemView* view = nullptr;
    VerifyThread** currentWorker = nullptr;
    bool* cancelRequested = nullptr;
    int* totalFiles = nullptr;
    int* succeededFiles = nullptr;
    int* failedFiles = nullptr;
    std::function<void()> updateStatusBar;
    // Called once the worker for entry index has started; lets tests press
    // Cancel while a file is being authenticated.
    std::function<void(int index, QProgressDialog* dialog)> workerStarted;
};

// The progress dialog's window flags and style sheet.
inline constexpr int ProgressDialogFlags = 0x37;
extern const char* const ProgressDialogStyleSheet;

// Runs the list in order. Entries that are not files are skipped; Cancel
// stops before the next file.
void RunVerification(const QStringList& paths, RunContext& context);

// The progress label for entry index of count.
QString ProgressLabel(const QString& fileName, int index, int count);

#endif
