#include "Verifier.h"

#include "AuthenticateFile.h"
#include "Sha256.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

QByteArray Hex(const unsigned char* bytes, int length)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), length).toHex();
}

} // namespace

Verifier::Verifier(int jobs, bool sha256) : m_jobs(std::max(1, jobs)), m_sha256(sha256) {}

FileResult Verifier::VerifyFile(const FileJob& file, bool sha256)
{
    FileResult out;
    out.path = file.path;
    if (file.unreadableFolder) {
        out.result = AuthUnreadable;
        return out;
    }
    const char* path = file.path.constData();
    if (!sha256) {
        out.result = AuthenticateFileDetailed(out.record, path);
        return out;
    }

    unsigned char digest[ARDENTIX_SHA256_DIGEST_SIZE];
    Sha256Context whole;
    bool complete = false;
    if (Sha256Init(&whole) == 0) {
        out.result = AuthenticateFileWithSha256(out.record, path, &whole, &complete);
        if (complete)
            Sha256Final(&whole, digest);
        else
            Sha256Free(&whole);
    } else {
        out.result = AuthenticateFileDetailed(out.record, path);
    }
    // An unreadable file has no hash worth recording: it could not be read,
    // or it changed while it was read.
    if (out.result == AuthUnreadable)
        return out;
    if (complete || Sha256File(path, digest) == 0)
        out.sha256 = Hex(digest, ARDENTIX_SHA256_DIGEST_SIZE);
    return out;
}

void Verifier::Run(const std::vector<FileJob>& files, const Callbacks& callbacks) const
{
    const std::size_t count = files.size();
    // A slot is filled by a worker and emptied once handed on, so results
    // waiting for an earlier, larger file are the only ones held.
    std::vector<std::unique_ptr<FileResult>> pending(count);
    std::mutex mutex;
    std::condition_variable doneOne;
    std::atomic<std::size_t> next{0};
    qint64 filesDone = 0;
    qint64 bytesDone = 0;

    const bool sha256 = m_sha256;
    auto work = [&] {
        for (;;) {
            const std::size_t index = next.fetch_add(1);
            if (index >= count)
                return;
            auto result = std::make_unique<FileResult>(VerifyFile(files[index], sha256));
            {
                std::lock_guard<std::mutex> lock(mutex);
                pending[index] = std::move(result);
                ++filesDone;
                bytesDone += files[index].size;
            }
            doneOne.notify_one();
        }
    };

    std::vector<std::thread> workers;
    const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(m_jobs), count);
    try {
        for (std::size_t i = 0; i < wanted; ++i)
            workers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than asked for; with none at all, work here.
    }
    if (workers.empty())
        work();

    std::size_t delivered = 0;
    std::vector<std::unique_ptr<FileResult>> ready;
    std::unique_lock<std::mutex> lock(mutex);
    while (delivered < count) {
        doneOne.wait_for(lock, std::chrono::milliseconds(100), [&] { return pending[delivered] != nullptr; });
        while (delivered < count && pending[delivered] != nullptr)
            ready.push_back(std::move(pending[delivered++]));
        const qint64 filesSoFar = filesDone;
        const qint64 bytesSoFar = bytesDone;
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
    }
    lock.unlock();
    for (std::thread& worker : workers)
        worker.join();
}
