// Verification of the files that paths and a list name: the job behind the
// verifier's plain run, for any front end. The paths' files come first, in
// their order, then the list's, read as the files are verified, so that a
// list of any length takes the same memory. Each result goes to a sink in
// the sources' order whatever the number of jobs; the job keeps the tally
// and says how the run concluded.
//
// Prepare expands the paths and opens the list; Run verifies and hands
// every result to the sink, and says how the run concluded (Concluded keeps
// it, with the tally and the list's problem, for the front end to word).
#ifndef ARDENTIX_CORE_VERIFYJOB_H
#define ARDENTIX_CORE_VERIFYJOB_H

#include "FileJob.h"
#include "FileList.h"
#include "FileResult.h"
#include "MediaFolderWalk.h"
#include "Tally.h"

#include <QByteArray>
#include <QtGlobal>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

// Where a verification's results go, on the thread that runs the job.
class VerifySink
{
public:
    virtual ~VerifySink() = default;
    // Each result, in the sources' order.
    virtual void Result(const FileResult& result) = 0;
    // After each run of consecutive results (a good time to flush).
    virtual void BatchEnd() {}
    // Files and bytes done, as the batch verifier gives them.
    virtual void Progress(qint64 filesDone, qint64 bytesDone)
    {
        (void)filesDone;
        (void)bytesDone;
    }
};

struct VerifySources
{
    // Files already collected, verified as they are, before the paths'.
    std::vector<FileJob> files;
    // Files and folders, as the system names them.
    std::vector<QByteArray> paths;
    // A list of more paths ("-" for standard input), and its form.
    std::optional<QByteArray> list;
    FileList::Form listForm = FileList::LineSeparated;
};

class VerifyJob
{
public:
    // How a verification ended, in the order the causes are looked at.
    enum class Conclusion
    {
        AllAuthentic, // at least one file, every one authentic
        SomeFailed,
        // A file got no verdict: this system could not compute its digest
        // (see NoDigest).
        NoDigest,
        // The paths and the list yield no file at all.
        NothingToVerify,
        // The list cannot be opened or read, or is not valid in its form
        // (see ListProblem); the files before the bad entry were verified.
        ListFailed,
        // The stop flag was set: the results so far were given.
        Stopped
    };

    // jobs: files verified at once; sha256: also compute each whole file's
    // SHA-256.
    VerifyJob(VerifySources sources, int jobs, bool sha256);
    ~VerifyJob();
    VerifyJob(const VerifyJob&) = delete;
    VerifyJob& operator=(const VerifyJob&) = delete;

    // Expands the paths and opens the list. False, with the Conclusion
    // (ListFailed or NothingToVerify), when there is nothing to run; no
    // result is given then. tick is handed to the folder walk.
    bool Prepare(const WalkTick& tick = {});

    // After Prepare: the paths' files, and whether a list follows them
    // (its files are known only as they are read).
    const std::vector<FileJob>& PathFiles() const { return m_files; }
    bool ReadsList() const { return m_list != nullptr; }
    // How many files and bytes the run verifies; -1 files while a list is
    // to be read, whose bytes are not counted in advance.
    qint64 FileCount() const;
    qint64 TotalBytes() const { return m_totalBytes; }

    // Verifies every file, handing each result to sink. stop, set from any
    // thread, stops the files in progress within one read block.
    Conclusion Run(VerifySink& sink, const std::atomic<bool>* stop = nullptr);

    Conclusion Concluded() const { return m_conclusion; }
    const Tally& Counts() const { return m_tally; }
    // Files for which no digest could be computed on this system.
    qint64 NoDigest() const { return m_noDigest; }
    const ListProblem& Problem() const;

private:
    class Source;
    Conclusion Conclude(bool stopped);

    VerifySources m_sources;
    int m_jobs;
    bool m_sha256;
    std::vector<FileJob> m_files;
    std::unique_ptr<FileList> m_list;
    qint64 m_totalBytes = 0;
    Tally m_tally;
    qint64 m_noDigest = 0;
    Conclusion m_conclusion = Conclusion::NothingToVerify;
};

#endif
