// Turns the user's paths into rows: walks folders, then authenticates the
// files one after another under a modal progress dialog, one worker thread
// per file, keeping the totals.
#ifndef ARDENTIX_RUN_RUNDRIVER_H
#define ARDENTIX_RUN_RUNDRIVER_H

#include "FileJob.h"
#include "ResultTable.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QProgressDialog;
class QWidget;
struct RunState;

// The progress dialog's window flags and style sheet.
inline constexpr int ProgressDialogFlags = 0x37;
extern const char* const ProgressDialogStyleSheet;

class RunDriver
{
public:
    // window is the progress dialog's parent, and is disabled during a
    // folder walk; updateStatusBar shows the state's counters.
    RunDriver(QWidget* window, const ResultTable& table, RunState& state, std::function<void()> updateStatusBar);

    // Also compute each file's SHA-256 in the same pass.
    void SetSha256(bool sha256) { m_sha256 = sha256; }

    // Walks the folders among paths by the media-file rule, with the window
    // disabled and its events processed, then verifies everything in one
    // run. Nothing is verified when the window closed meanwhile.
    void OpenPaths(const std::vector<QByteArray>& paths);

    // Verifies the files in order. Entries that are neither files nor
    // unlisted folders are skipped; Cancel stops before the next file, and
    // closing the window stops the file in progress.
    void Verify(const std::vector<FileJob>& files);

private:
    void Run(const std::vector<FileJob>& files);

    QWidget* m_window;
    ResultTable m_table;
    RunState& m_state;
    std::function<void()> m_updateStatusBar;
    bool m_sha256 = false;
};

// The dialog's bar counts this many steps per file, so that it moves within
// a large file.
int ProgressStepsPerFile(int fileCount);

// The progress label for entry index of count.
QString ProgressLabel(const QString& fileName, int index, int count);

// A seam for tests: called once the worker for entry index has started
// (to press Cancel, or to close the window, while a file is verified).
std::function<void(int index, QProgressDialog* dialog)>& WorkerStartedHook();

#endif
