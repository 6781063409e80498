// Authenticates one file on a thread of its own; its outcome becomes a new
// first row of the result model.
//
// The engine reads the user's file in place, read-only: nothing is copied
// or written anywhere. The row is written on the model's thread once the
// job has ended (WriteRow), so the worker never waits for the user
// interface, and the interface never waits for a worker that waits for it.
#ifndef ARDENTIX_RUN_VERIFYTHREAD_H
#define ARDENTIX_RUN_VERIFYTHREAD_H

#include "FileJob.h"
#include "FileResult.h"

#include <QThread>

#include <atomic>

class QStandardItemModel;
struct RunState;

class VerifyThread : public QThread
{
    Q_OBJECT

public:
    // The run's state gives the counters the row is counted in, and the
    // stop flag that stops the engine within one read block (the window is
    // closing; the file then gets no row).
    VerifyThread(const FileJob& file, QStandardItemModel* model, RunState* state);
    ~VerifyThread() override;

    // Also compute the whole file's SHA-256 in the same pass.
    void SetSha256(bool sha256) { m_sha256 = sha256; }

    // Bytes of the file passed so far; read from any thread.
    qint64 BytesDone() const { return m_bytesDone.load(std::memory_order_relaxed); }
    qint64 Size() const { return m_file.size; }

    // On the model's thread, after the job has ended: enters the outcome as
    // a new first row and counts it, unless the file was stopped before its
    // verdict. Returns whether a row was written.
    bool WriteRow();

signals:
    void UpdateStatusBar();

protected:
    void run() override;

private:
    FileJob m_file;
    QStandardItemModel* m_model;
    RunState* m_state;
    bool m_sha256 = false;
    std::atomic<qint64> m_bytesDone{0};
    FileResult m_result;
};

#endif
