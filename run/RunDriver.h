// Authenticates a list of files one after another under a modal progress
// dialog, one worker thread per file, keeping the totals.
#ifndef ARDENTIX_RUN_RUNDRIVER_H
#define ARDENTIX_RUN_RUNDRIVER_H

#include "FileJob.h"

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

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
    // Set when the window closes: the file in progress stops at once and
    // gets no row, and the run ends.
    const std::atomic<bool>* stopRequested = nullptr;
    // Compute each file's SHA-256 in the same pass.
    bool sha256 = false;
};

// The progress dialog's window flags and style sheet.
inline constexpr int ProgressDialogFlags = 0x37;
extern const char* const ProgressDialogStyleSheet;

// The dialog's bar counts this many steps per file, so that it moves within
// a large file.
int ProgressStepsPerFile(int fileCount);

// Runs the list in order. Entries that are neither files nor unlisted
// folders are skipped; Cancel stops before the next file.
void RunVerification(const std::vector<FileJob>& files, RunContext& context);

// The progress label for entry index of count.
QString ProgressLabel(const QString& fileName, int index, int count);

// A seam for tests: called once the worker for entry index has started
// (to press Cancel, or to close the window, while a file is verified).
std::function<void(int index, QProgressDialog* dialog)>& WorkerStartedHook();

#endif
