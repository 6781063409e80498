// Verifies a list of files on several threads and hands the results back in
// the list's order.
//
// Each job calls the engine directly on the file's own path: the engine is
// reentrant and reads the file read-only, so no copy is made and nothing is
// written. Results are handed to the caller's thread as soon as the next one
// in order is done, and only a bounded window of files is held at a time, so
// a report can be written while later files are verified and memory stays
// flat however long the list is.
#ifndef ARDENTIX_CORE_BATCHVERIFIER_H
#define ARDENTIX_CORE_BATCHVERIFIER_H

#include "FileJob.h"
#include "FileResult.h"

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <vector>

struct VerifyOptions
{
    // Also compute the SHA-256 of each whole file, from the same reads.
    bool sha256 = false;
    // Hash the SHA-256 on a thread of its own (worth it when a processor
    // would otherwise be idle).
    bool sha256OnThread = false;
    // Bytes of this file passed so far.
    std::function<void(qint64)> progress;
    // Set from any thread to stop the file within one read block; the
    // result is then AuthResult::Cancelled.
    const std::atomic<bool>* cancel = nullptr;
};

// Verifies one file on the calling thread.
FileResult VerifyFile(const FileJob& file, const VerifyOptions& options = {});

class BatchVerifier
{
public:
    struct Callbacks
    {
        // Each result, in the list's order.
        std::function<void(const FileResult&)> result;
        // After each run of consecutive results (a good time to flush).
        std::function<void()> batchEnd;
        // Files done, and bytes done (within the files in progress too);
        // called at least every 100 ms while files are verified.
        std::function<void(qint64 filesDone, qint64 bytesDone)> progress;
    };

    // The next file of the list: returns false at its end.
    using Source = std::function<bool(FileJob& next)>;

    // jobs: how many files are verified at once (at least 1). sha256: also
    // compute the SHA-256 of each whole file.
    BatchVerifier(int jobs, bool sha256);

    // Verifies every file; all callbacks run on the calling thread. When
    // cancel is set, the files in progress stop within one read block and
    // every file not yet finished is reported with AuthResult::Cancelled.
    void Run(const Source& source, const Callbacks& callbacks, const std::atomic<bool>* cancel = nullptr) const;
    void Run(const std::vector<FileJob>& files, const Callbacks& callbacks,
             const std::atomic<bool>* cancel = nullptr) const;

    // How many files may be between the source and the caller at once.
    int Window() const { return m_jobs * 16 + 64; }

private:
    int m_jobs;
    bool m_sha256;
};

#endif
