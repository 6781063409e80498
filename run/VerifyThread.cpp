#include "VerifyThread.h"

#include "BatchVerifier.h"

using ardentix::engine::AuthResult;

VerifyThread::VerifyThread(const FileJob& file, const std::atomic<bool>* stop)
    : QThread(nullptr), m_file(file), m_stop(stop)
{
    m_result.result = AuthResult::Cancelled;
}

VerifyThread::~VerifyThread()
{
    wait();
}

void VerifyThread::run()
{
    VerifyOptions options;
    options.sha256 = m_sha256;
    // The user interface thread mostly sleeps during a run: the SHA-256
    // gets a processor of its own where there is one to spare.
    options.sha256OnThread = m_sha256 && QThread::idealThreadCount() > 1;
    options.cancel = m_stop;
    options.progress = [this](qint64 done) { m_bytesDone.store(done, std::memory_order_relaxed); };
    m_result = VerifyFile(m_file, options);
}

std::optional<FileResult> VerifyThread::TakeResult()
{
    if (m_result.WasStopped())
        return std::nullopt;
    std::optional<FileResult> result(std::move(m_result));
    m_result = FileResult();
    m_result.result = AuthResult::Cancelled;
    return result;
}
