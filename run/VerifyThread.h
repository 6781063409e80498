// Authenticates one file on a thread of its own.
//
// The engine reads the user's file in place, read-only: nothing is copied
// or written anywhere. The result is taken on the run's thread once the job
// has ended (TakeResult), so the worker never waits for the user interface,
// and the interface never waits for a worker that waits for it.
#ifndef ARDENTIX_RUN_VERIFYTHREAD_H
#define ARDENTIX_RUN_VERIFYTHREAD_H

#include "FileJob.h"
#include "FileResult.h"

#include <QThread>

#include <atomic>
#include <optional>

class VerifyThread : public QThread
{
    Q_OBJECT

public:
    // stop, when set, stops the engine within one read block (the window is
    // closing; the file then has no verdict).
    VerifyThread(const FileJob& file, const std::atomic<bool>* stop);
    ~VerifyThread() override;

    // Also compute the whole file's SHA-256 in the same pass.
    void SetSha256(bool sha256) { m_sha256 = sha256; }

    // Bytes of the file passed so far; read from any thread.
    qint64 BytesDone() const { return m_bytesDone.load(std::memory_order_relaxed); }
    qint64 Size() const { return m_file.size; }

    // After the job has ended: the file's result, unless it was stopped
    // before its verdict. Given once.
    std::optional<FileResult> TakeResult();

protected:
    void run() override;

private:
    FileJob m_file;
    const std::atomic<bool>* m_stop;
    bool m_sha256 = false;
    std::atomic<qint64> m_bytesDone{0};
    FileResult m_result;
};

#endif
