// The window's verification runs and custody re-checks, one at a time, each
// on a thread of its own through core's VerifyJob (the verifier's path:
// several files at once, results in the sources' order, one stop flag).
// What a run does reaches the window by queued signals, in order; the
// calls that start a run return once it has ended, the window's event loop
// running meanwhile, so that the window is painted and Cancel is live
// without any polling.
#ifndef ARDENTIX_RUN_RUNCONTROLLER_H
#define ARDENTIX_RUN_RUNCONTROLLER_H

#include "CustodyRun.h"
#include "FileJob.h"
#include "RowRecord.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QThread;

class RunController : public QObject
{
    Q_OBJECT

public:
    explicit RunController(QObject* parent = nullptr);
    // Stops what runs and waits for its thread.
    ~RunController() override;

    // Files verified at once: the verifier's default, one a processor.
    void SetJobs(int jobs);
    int Jobs() const { return m_jobs; }

    // Verifies the files as they are (never walked). An entry that names
    // nothing or a folder is skipped; a FIFO or a device fails with its
    // reason. Returns once the run has ended; false when it could not start
    // (a run under way, or the window closing).
    bool Verify(std::vector<FileJob> files);
    // Walks the folders among paths by the media-file rule, then verifies
    // everything in one run, as Verify does.
    bool Open(std::vector<QByteArray> paths);
    // Checks the files that a saved report lists, and the paths for moved
    // and new files; nothing when it could not start.
    std::optional<CustodyRunResult> Check(const CustodyRequest& request);

    // The user cancelled: the files in progress stop at once and get no
    // row, the rest are not reached.
    void Cancel();
    // The window closes: as Cancel, a walk stops too, and no run starts
    // until it is shown again.
    void Close();
    void Reopen();

    bool Busy() const { return m_busy; }
    bool Closing() const { return m_closing; }
    // The last run or check was cancelled or stopped.
    bool Stopped() const { return m_stopped; }
    // The entries of the run in progress without their verdict yet: the
    // status bar's total counts them with the rows.
    qint64 NotReached() const { return m_notReached; }

signals:
    // A folder walk has begun.
    void Walking();
    // The verification of count entries (bytes in all) begins.
    void Began(int count, qint64 bytes);
    // Files' verdicts, a batch at a time, in the order of the entries.
    void Verified(const QList<RowRecord>& records);
    // Entries done (with or without a verdict), and bytes passed.
    void Progress(int done, qint64 bytes);
    // A re-check's progress.
    void CheckProgress(const CustodyProgress& progress);
    // The entries not reached changed.
    void Changed();
    // The run or check has ended.
    void Ended();

    // From the worker's thread; queued to this object's.
    void WorkerBegan(int count, qint64 bytes, QPrivateSignal);
    void WorkerResults(const QList<FileResult>& results, QPrivateSignal);
    void WorkerProgress(qint64 bytes, QPrivateSignal);
    void WorkerCheckProgress(const CustodyProgress& progress, QPrivateSignal);

private:
    // Runs work on a thread of its own and returns once it has ended and
    // everything it sent has been handled.
    void RunOnThread(const std::function<void()>& work);
    void VerifyOnThread(std::vector<FileJob> files, const std::vector<QByteArray>& paths);
    bool Start();
    void TakeBegan(int count, qint64 bytes);
    void TakeResults(const QList<FileResult>& results);

    int m_jobs;
    bool m_busy = false;
    bool m_closing = false;
    bool m_stopped = false;
    qint64 m_notReached = 0;
    int m_done = 0;
    std::atomic<bool> m_stop{false};
    std::unique_ptr<QThread> m_thread;
};

#endif
