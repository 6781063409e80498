#include "VerifyJob.h"

#include "BatchVerifier.h"
#include "InputCollector.h"

#include <utility>

using ardentix::engine::AuthResult;

// The paths' files first, then the list's, one entry at a time.
class VerifyJob::Source
{
public:
    Source(const std::vector<FileJob>& files, FileList* list) : m_files(files), m_list(list) {}

    bool Next(FileJob& job)
    {
        if (m_nextFile < m_files.size()) {
            job = m_files[m_nextFile++];
            return true;
        }
        while (m_list != nullptr && m_nextPending >= m_pending.size()) {
            m_pending.clear();
            m_nextPending = 0;
            QByteArray path;
            if (!m_list->Next(path))
                return false;
            InputCollector::CollectOne(path, m_pending);
        }
        if (m_nextPending >= m_pending.size())
            return false;
        job = std::move(m_pending[m_nextPending++]);
        return true;
    }

private:
    const std::vector<FileJob>& m_files;
    FileList* m_list;
    std::size_t m_nextFile = 0;
    std::vector<FileJob> m_pending;
    std::size_t m_nextPending = 0;
};

VerifyJob::VerifyJob(VerifySources sources, int jobs, bool sha256)
    : m_sources(std::move(sources)), m_jobs(qMax(1, jobs)), m_sha256(sha256)
{
}

VerifyJob::~VerifyJob() = default;

bool VerifyJob::Prepare(const WalkTick& tick)
{
    m_files = std::move(m_sources.files);
    for (const QByteArray& path : m_sources.paths)
        InputCollector::CollectOne(path, m_files, tick);
    m_totalBytes = 0;
    for (const FileJob& file : m_files)
        m_totalBytes += file.size;
    if (m_sources.list) {
        m_list = std::make_unique<FileList>(m_sources.listForm);
        if (!m_list->Open(*m_sources.list)) {
            m_conclusion = Conclusion::ListFailed;
            return false;
        }
    }
    if (m_files.empty() && !m_list) {
        m_conclusion = Conclusion::NothingToVerify;
        return false;
    }
    return true;
}

qint64 VerifyJob::FileCount() const
{
    return m_list ? -1 : static_cast<qint64>(m_files.size());
}

const ListProblem& VerifyJob::Problem() const
{
    static const ListProblem none;
    return m_list ? m_list->Problem() : none;
}

VerifyJob::Conclusion VerifyJob::Run(VerifySink& sink, const std::atomic<bool>* stop)
{
    BatchVerifier::Callbacks callbacks;
    callbacks.result = [&](const FileResult& result) {
        sink.Result(result);
        m_tally.Add(result);
        if (result.result == AuthResult::InternalError)
            ++m_noDigest;
    };
    callbacks.batchEnd = [&] { sink.BatchEnd(); };
    callbacks.progress = [&](qint64 filesDone, qint64 bytesDone) { sink.Progress(filesDone, bytesDone); };
    Source source(m_files, m_list.get());
    BatchVerifier(m_jobs, m_sha256).Run([&](FileJob& job) { return source.Next(job); }, callbacks, stop);
    return Conclude(stop != nullptr && stop->load());
}

// The causes in the order a caller would name them: a bad list first (its
// later entries were never verified), then an empty run, then files with no
// verdict, then the verdicts.
VerifyJob::Conclusion VerifyJob::Conclude(bool stopped)
{
    if (stopped)
        m_conclusion = Conclusion::Stopped;
    else if (m_list && m_list->Failed())
        m_conclusion = Conclusion::ListFailed;
    else if (m_tally.Total() == 0)
        m_conclusion = Conclusion::NothingToVerify;
    else if (m_noDigest > 0)
        m_conclusion = Conclusion::NoDigest;
    else
        m_conclusion = m_tally.failed == 0 ? Conclusion::AllAuthentic : Conclusion::SomeFailed;
    return m_conclusion;
}
