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

FileResult VerifyFile(const FileJob& file, const VerifyOptions& options)
{
    FileResult out;
    out.path = file.path;
    if (file.unreadableFolder) {
        out.unlistedFolder = true;
        out.result = AuthUnreadable;
        return out;
    }
    AuthOptions auth;
    auth.sha256 = options.sha256;
    auth.sha256OnThread = options.sha256OnThread;
    auth.cancel = options.cancel;
    if (options.progress)
        auth.progress = [&options](std::int64_t done) { options.progress(done); };
    AuthDetails details;
    out.result = AuthenticateFileDetailed(out.record, file.path.constData(), auth, &details);
    out.size = details.size;
    out.inUse = details.inUse;
    out.coverageKnown = details.coverageKnown;
    out.covered = details.covered;
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

void BatchVerifier::Run(const Source& source, const Callbacks& callbacks, const std::atomic<bool>* cancel) const
{
    // One slot per file between the source and the caller, in list order.
    struct Slot
    {
        FileJob job;
        bool taken = false;
        std::unique_ptr<FileResult> result;
    };
    std::deque<Slot> window; // window[0] is the next file to hand on
    std::mutex mutex;
    std::condition_variable changed;
    bool sourceEnded = false;
    qint64 filesDone = 0;
    qint64 bytesDone = 0;
    const std::size_t limit = static_cast<std::size_t>(Window());
    const int threads = m_jobs;
    // The offset reached in the file each worker has in hand.
    std::unique_ptr<std::atomic<qint64>[]> inFlight(new std::atomic<qint64>[static_cast<std::size_t>(threads)]);
    for (int i = 0; i < threads; ++i)
        inFlight[static_cast<std::size_t>(i)] = 0;

    VerifyOptions options;
    options.sha256 = m_sha256;
    // A second thread for the SHA-256 pays when processors outnumber jobs.
    options.sha256OnThread = m_sha256 && threads < QThread::idealThreadCount();
    options.cancel = cancel;

    // Refills the window from the source, on the calling thread only. The
    // lock is let go while the source reads, so that workers can go on.
    const auto refill = [&](std::unique_lock<std::mutex>& lock) {
        while (!sourceEnded && window.size() < limit) {
            FileJob job;
            lock.unlock();
            const bool got = source(job);
            lock.lock();
            if (!got) {
                sourceEnded = true;
            } else {
                window.push_back({std::move(job), false, nullptr});
            }
            changed.notify_all();
        }
    };

    const auto work = [&](int worker) {
        std::atomic<qint64>& offset = inFlight[static_cast<std::size_t>(worker)];
        VerifyOptions mine = options;
        mine.progress = [&offset](qint64 done) { offset.store(done, std::memory_order_relaxed); };
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            auto found = std::find_if(window.begin(), window.end(), [](const Slot& s) { return !s.taken; });
            if (found == window.end()) {
                if (sourceEnded)
                    return;
                changed.wait(lock);
                continue;
            }
            // Elements of a deque keep their address while others are added
            // at the back or taken from the front, and this one is not taken
            // from the front before it has its result.
            Slot* slot = &*found;
            slot->taken = true;
            const FileJob job = slot->job;
            lock.unlock();

            std::unique_ptr<FileResult> result;
            if (cancel != nullptr && cancel->load()) {
                result = std::make_unique<FileResult>();
                result->path = job.path;
                result->result = AuthCancelled;
            } else {
                result = std::make_unique<FileResult>(VerifyFile(job, mine));
            }

            lock.lock();
            slot->result = std::move(result);
            ++filesDone;
            bytesDone += job.size;
            offset.store(0, std::memory_order_relaxed);
            changed.notify_all();
        }
    };

    std::unique_lock<std::mutex> lock(mutex);
    refill(lock);
    lock.unlock();

    std::vector<std::thread> workers;
    try {
        for (int i = 0; i < threads; ++i)
            workers.emplace_back(work, i);
    } catch (const std::system_error&) {
        // Fewer threads than asked for.
    }
    if (workers.empty()) {
        // No thread at all: verify here, one file at a time.
        lock.lock();
        while (!window.empty()) {
            const FileJob job = std::move(window.front().job);
            window.pop_front();
            refill(lock);
            lock.unlock();
            const FileResult result = VerifyFile(job, options);
            if (callbacks.result)
                callbacks.result(result);
            if (callbacks.batchEnd)
                callbacks.batchEnd();
            lock.lock();
            ++filesDone;
            bytesDone += job.size;
            if (callbacks.progress)
                callbacks.progress(filesDone, bytesDone);
        }
        return;
    }

    std::vector<std::unique_ptr<FileResult>> ready;
    lock.lock();
    for (;;) {
        changed.wait_for(lock, std::chrono::milliseconds(100),
                         [&] { return (!window.empty() && window.front().result) || (window.empty() && sourceEnded); });
        while (!window.empty() && window.front().result) {
            ready.push_back(std::move(window.front().result));
            window.pop_front();
        }
        if (!ready.empty())
            refill(lock);
        const bool finished = window.empty() && sourceEnded;
        qint64 bytesSoFar = bytesDone;
        for (int i = 0; i < threads; ++i)
            bytesSoFar += inFlight[static_cast<std::size_t>(i)].load(std::memory_order_relaxed);
        const qint64 filesSoFar = filesDone;
        lock.unlock();
        for (const std::unique_ptr<FileResult>& result : ready) {
            if (callbacks.result)
                callbacks.result(*result);
        }
        if (!ready.empty() && callbacks.batchEnd)
            callbacks.batchEnd();
        ready.clear();
        if (callbacks.progress)
            callbacks.progress(filesSoFar, bytesSoFar);
        lock.lock();
        if (finished)
            break;
    }
    changed.notify_all();
    lock.unlock();
    for (std::thread& worker : workers)
        worker.join();
}
