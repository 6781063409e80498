#include "BatchVerifier.h"

#include <QThread>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

using ardentix::engine::AuthDetails;
using ardentix::engine::AuthenticateFile;
using ardentix::engine::AuthOptions;
using ardentix::engine::AuthResult;

FileResult VerifyFile(const FileJob& file, const VerifyOptions& options)
{
    FileResult out;
    out.path = file.path;
    if (file.unreadableFolder) {
        out.unlistedFolder = true;
        out.result = AuthResult::Unreadable;
        return out;
    }
    AuthOptions auth;
    auth.sha256 = options.sha256;
    auth.sha256OnThread = options.sha256OnThread;
    auth.cancel = options.cancel;
    if (options.progress)
        auth.progress = [&options](std::int64_t done) { options.progress(done); };
    AuthDetails details;
    out.result = AuthenticateFile(out.record, file.path.constData(), auth, &details);
    out.size = details.size;
    out.inUse = details.inUse;
    out.coverageKnown = details.coverageKnown;
    out.covered = details.covered;
    out.identityKnown = details.identityKnown;
    out.identity = details.identity;
    if (details.hasSha256)
        out.sha256 = QByteArray(reinterpret_cast<const char*>(details.sha256), ARDENTIX_SHA256_DIGEST_SIZE).toHex();
    return out;
}

BatchVerifier::BatchVerifier(int jobs, bool sha256) : m_jobs(std::max(1, jobs)), m_sha256(sha256) {}

void BatchVerifier::Run(const std::vector<FileJob>& files, const Callbacks& callbacks,
                        const std::atomic<bool>* cancel) const
{
    std::size_t next = 0;
    Run(
        [&](FileJob& job) {
            if (next >= files.size())
                return false;
            job = files[next++];
            return true;
        },
        callbacks, cancel);
}

namespace {

// One run of a batch: the window of files between the source and the
// caller, in list order, shared by the workers and the calling thread.
class BatchRun
{
public:
    BatchRun(const BatchVerifier::Source& source, const BatchVerifier::Callbacks& callbacks, int threads,
             std::size_t limit, const VerifyOptions& options)
        : m_source(source), m_callbacks(callbacks), m_threads(threads), m_limit(limit), m_options(options),
          m_inFlight(new std::atomic<qint64>[static_cast<std::size_t>(threads)])
    {
        for (int i = 0; i < threads; ++i)
            m_inFlight[static_cast<std::size_t>(i)] = 0;
    }

    void Run();

private:
    // One slot per file between the source and the caller.
    struct Slot
    {
        FileJob job;
        bool taken = false;
        std::unique_ptr<FileResult> result;
    };

    void Refill(std::unique_lock<std::mutex>& lock);
    void Work(int worker);
    FileResult Verify(const FileJob& job, const VerifyOptions& options) const;
    void VerifyHere();
    void HandOn(std::vector<std::thread>& workers);
    qint64 BytesSoFar() const;

    const BatchVerifier::Source& m_source;
    const BatchVerifier::Callbacks& m_callbacks;
    const int m_threads;
    const std::size_t m_limit;
    const VerifyOptions m_options;

    std::deque<Slot> m_window; // m_window[0] is the next file to hand on
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_sourceEnded = false;
    qint64 m_filesDone = 0;
    qint64 m_bytesDone = 0;
    // The offset reached in the file each worker has in hand.
    std::unique_ptr<std::atomic<qint64>[]> m_inFlight;
};

// Refills the window from the source, on the calling thread only. The lock
// is let go while the source reads, so that workers can go on.
void BatchRun::Refill(std::unique_lock<std::mutex>& lock)
{
    while (!m_sourceEnded && m_window.size() < m_limit) {
        FileJob job;
        lock.unlock();
        const bool got = m_source(job);
        lock.lock();
        if (!got) {
            m_sourceEnded = true;
        } else {
            m_window.push_back({std::move(job), false, nullptr});
        }
        m_changed.notify_all();
    }
}

// A file stopped before it was started is cancelled without being opened.
FileResult BatchRun::Verify(const FileJob& job, const VerifyOptions& options) const
{
    if (m_options.cancel != nullptr && m_options.cancel->load()) {
        FileResult result;
        result.path = job.path;
        result.result = AuthResult::Cancelled;
        return result;
    }
    return VerifyFile(job, options);
}

// A worker thread: takes the first file of the window that no one has, until
// the source has ended and every file is taken.
void BatchRun::Work(int worker)
{
    std::atomic<qint64>& offset = m_inFlight[static_cast<std::size_t>(worker)];
    VerifyOptions mine = m_options;
    mine.progress = [&offset](qint64 done) { offset.store(done, std::memory_order_relaxed); };
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        auto found = std::find_if(m_window.begin(), m_window.end(), [](const Slot& s) { return !s.taken; });
        if (found == m_window.end()) {
            if (m_sourceEnded)
                return;
            m_changed.wait(lock);
            continue;
        }
        // Elements of a deque keep their address while others are added at
        // the back or taken from the front, and this one is not taken from
        // the front before it has its result.
        Slot* slot = &*found;
        slot->taken = true;
        const FileJob job = slot->job;
        // The last files leave processors idle: their SHA-256 takes one.
        mine.sha256OnThread = m_options.sha256OnThread ||
                              (m_options.sha256 && m_sourceEnded &&
                               std::none_of(m_window.begin(), m_window.end(), [](const Slot& s) { return !s.taken; }));
        lock.unlock();

        auto result = std::make_unique<FileResult>(Verify(job, mine));

        lock.lock();
        slot->result = std::move(result);
        ++m_filesDone;
        m_bytesDone += job.size;
        offset.store(0, std::memory_order_relaxed);
        m_changed.notify_all();
    }
}

// No thread at all: verify on the calling thread, one file at a time.
void BatchRun::VerifyHere()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_window.empty()) {
        const FileJob job = std::move(m_window.front().job);
        m_window.pop_front();
        Refill(lock);
        lock.unlock();
        const FileResult result = VerifyFile(job, m_options);
        if (m_callbacks.result)
            m_callbacks.result(result);
        if (m_callbacks.batchEnd)
            m_callbacks.batchEnd();
        lock.lock();
        ++m_filesDone;
        m_bytesDone += job.size;
        if (m_callbacks.progress)
            m_callbacks.progress(m_filesDone, m_bytesDone);
    }
}

// The bytes done, within the files in progress too; under the lock.
qint64 BatchRun::BytesSoFar() const
{
    qint64 bytes = m_bytesDone;
    for (int i = 0; i < m_threads; ++i)
        bytes += m_inFlight[static_cast<std::size_t>(i)].load(std::memory_order_relaxed);
    return bytes;
}

// Hands the results on in list order as they come, with the progress at
// least every 100 ms, until the last; then lets the workers end.
void BatchRun::HandOn(std::vector<std::thread>& workers)
{
    std::vector<std::unique_ptr<FileResult>> ready;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait_for(lock, std::chrono::milliseconds(100), [&] {
            return (!m_window.empty() && m_window.front().result) || (m_window.empty() && m_sourceEnded);
        });
        while (!m_window.empty() && m_window.front().result) {
            ready.push_back(std::move(m_window.front().result));
            m_window.pop_front();
        }
        if (!ready.empty())
            Refill(lock);
        const bool finished = m_window.empty() && m_sourceEnded;
        const qint64 bytesSoFar = BytesSoFar();
        const qint64 filesSoFar = m_filesDone;
        lock.unlock();
        for (const std::unique_ptr<FileResult>& result : ready) {
            if (m_callbacks.result)
                m_callbacks.result(*result);
        }
        if (!ready.empty() && m_callbacks.batchEnd)
            m_callbacks.batchEnd();
        ready.clear();
        if (m_callbacks.progress)
            m_callbacks.progress(filesSoFar, bytesSoFar);
        lock.lock();
        if (finished)
            break;
    }
    m_changed.notify_all();
    lock.unlock();
    for (std::thread& worker : workers)
        worker.join();
}

void BatchRun::Run()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        Refill(lock);
    }
    std::vector<std::thread> workers;
    try {
        for (int i = 0; i < m_threads; ++i)
            workers.emplace_back(&BatchRun::Work, this, i);
    } catch (const std::system_error&) {
        // Fewer threads than asked for.
    }
    if (workers.empty())
        VerifyHere();
    else
        HandOn(workers);
}

} // namespace

void BatchVerifier::Run(const Source& source, const Callbacks& callbacks, const std::atomic<bool>* cancel) const
{
    VerifyOptions options;
    options.sha256 = m_sha256;
    // A second thread for the SHA-256 pays when processors outnumber jobs.
    options.sha256OnThread = m_sha256 && m_jobs < QThread::idealThreadCount();
    options.cancel = cancel;
    BatchRun(source, callbacks, m_jobs, static_cast<std::size_t>(Window()), options).Run();
}
