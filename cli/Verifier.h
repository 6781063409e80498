// Verifies a list of files on several threads and hands the results back in
// the list's order.
//
// Each job calls the engine directly on the file's own path: the engine is
// reentrant and reads the file read-only, so no copy is made. Results are
// handed to the caller's thread as soon as the next one in order is done, so
// a report can be written while later files are still being verified.
#ifndef ARDENTIX_CLI_VERIFIER_H
#define ARDENTIX_CLI_VERIFIER_H

#include "FileJob.h"
#include "FileResult.h"

#include <QtGlobal>

#include <functional>
#include <vector>

class Verifier
{
public:
    struct Callbacks
    {
        // Each result, in the list's order.
        std::function<void(const FileResult&)> result;
        // After each run of consecutive results (a good time to flush).
        std::function<void()> batchEnd;
        // Files and bytes done so far; called often (at least every 100 ms),
        // throttling is the callee's business.
        std::function<void(qint64 filesDone, qint64 bytesDone)> progress;
    };

    // jobs: how many files are verified at once (at least 1). sha256: also
    // compute the SHA-256 of each whole file.
    Verifier(int jobs, bool sha256);

    // Verifies every file; all callbacks run on the calling thread.
    void Run(const std::vector<FileJob>& files, const Callbacks& callbacks) const;

    // Verifies one file on the calling thread. The SHA-256 comes from the
    // engine's own pass over the file when the procedure reads it whole, and
    // from a second read otherwise (when it stopped before the digest).
    static FileResult VerifyFile(const FileJob& file, bool sha256);

private:
    int m_jobs;
    bool m_sha256;
};

#endif
