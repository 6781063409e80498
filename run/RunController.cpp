#include "RunController.h"

#include "InputCollector.h"
#include "PathInfo.h"
#include "VerifyJob.h"

#include <QDateTime>
#include <QEventLoop>
#include <QThread>

#include <utility>

namespace {

// Hands the results, a run of consecutive ones at a time (many small files
// make one signal, not one each), and the bytes passed to the controller's
// signals.
class SignalSink final : public VerifySink
{
public:
    using ResultsFn = std::function<void(const QList<FileResult>&)>;
    using BytesFn = std::function<void(qint64)>;
    SignalSink(ResultsFn results, BytesFn bytes) : m_results(std::move(results)), m_bytes(std::move(bytes)) {}

    void Result(const FileResult& result) override { m_batch.append(result); }
    void BatchEnd() override { Flush(); }
    void Progress(qint64 filesDone, qint64 bytesDone) override
    {
        (void)filesDone;
        m_bytes(bytesDone);
    }
    void Flush()
    {
        if (!m_batch.isEmpty())
            m_results(m_batch);
        m_batch.clear();
    }

private:
    ResultsFn m_results;
    BytesFn m_bytes;
    QList<FileResult> m_batch;
};

// The window verifies what is there: an entry that names nothing (gone,
// never there, a loop of links) or a folder given as a file is skipped; a
// folder that could not be listed, a file, a FIFO or a device is verified
// (the last two fail with their reason, as in the verifier).
bool Verifiable(const FileJob& file)
{
    if (file.unreadableFolder)
        return true;
    if (file.path.isEmpty())
        return false;
    const PathInfo::Kind kind = PathInfo::Of(file.path).kind;
    return kind == PathInfo::Kind::File || kind == PathInfo::Kind::Other;
}

} // namespace

RunController::RunController(QObject* parent) : QObject(parent), m_jobs(QThread::idealThreadCount())
{
    qRegisterMetaType<FileResult>();
    qRegisterMetaType<QList<FileResult>>();
    qRegisterMetaType<QList<RowRecord>>();
    qRegisterMetaType<RowRecord>();
    qRegisterMetaType<CustodyProgress>();
    connect(this, &RunController::WorkerBegan, this, &RunController::TakeBegan, Qt::QueuedConnection);
    connect(this, &RunController::WorkerResults, this, &RunController::TakeResults, Qt::QueuedConnection);
    connect(
        this, &RunController::WorkerProgress, this, [this](qint64 bytes) { emit Progress(m_done, bytes); },
        Qt::QueuedConnection);
    connect(this, &RunController::WorkerCheckProgress, this, &RunController::CheckProgress, Qt::QueuedConnection);
}

RunController::~RunController()
{
    m_stop = true;
    if (m_thread != nullptr)
        m_thread->wait();
}

void RunController::SetJobs(int jobs)
{
    m_jobs = qMax(1, jobs);
}

void RunController::Cancel()
{
    m_stop = true;
}

void RunController::Close()
{
    m_closing = true;
    m_stop = true;
}

void RunController::Reopen()
{
    m_closing = false;
}

bool RunController::Start()
{
    if (m_busy || m_closing)
        return false;
    m_busy = true;
    m_stopped = false;
    m_stop = false;
    m_done = 0;
    return true;
}

void RunController::RunOnThread(const std::function<void()>& work)
{
    m_thread.reset(QThread::create(work));
    QEventLoop loop;
    // Queued after everything the worker sent: the loop ends once all of it
    // has been handled.
    connect(m_thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    m_thread->start();
    loop.exec();
    m_thread->wait();
    m_thread.reset();
    m_stopped = m_stop.load();
    m_busy = false;
}

void RunController::VerifyOnThread(std::vector<FileJob> files, const std::vector<QByteArray>& paths)
{
    VerifySources sources;
    for (FileJob& file : files) {
        if (Verifiable(file))
            sources.files.push_back(std::move(file));
    }
    // Folders are walked here, on the worker; a close stops the walk.
    for (const QByteArray& path : paths) {
        if (m_stop)
            return;
        std::vector<FileJob> found;
        InputCollector::CollectOne(path, found, [this] { return !m_stop.load(); });
        for (FileJob& file : found) {
            if (Verifiable(file))
                sources.files.push_back(std::move(file));
        }
    }
    if (m_stop)
        return;
    qint64 bytes = 0;
    for (const FileJob& file : sources.files)
        bytes += file.size;
    emit WorkerBegan(static_cast<int>(sources.files.size()), bytes, QPrivateSignal());
    VerifyJob job(std::move(sources), m_jobs, true);
    if (!job.Prepare())
        return;
    SignalSink sink([this](const QList<FileResult>& results) { emit WorkerResults(results, QPrivateSignal()); },
                    [this](qint64 done) { emit WorkerProgress(done, QPrivateSignal()); });
    job.Run(sink, &m_stop);
    sink.Flush();
}

bool RunController::Verify(std::vector<FileJob> files)
{
    if (!Start())
        return false;
    RunOnThread([this, files = std::move(files)]() mutable { VerifyOnThread(std::move(files), {}); });
    // Whatever was not reached leaves the total.
    m_notReached = 0;
    emit Changed();
    emit Ended();
    return true;
}

bool RunController::Open(std::vector<QByteArray> paths)
{
    if (!Start())
        return false;
    emit Walking();
    RunOnThread([this, paths = std::move(paths)] { VerifyOnThread({}, paths); });
    m_notReached = 0;
    emit Changed();
    emit Ended();
    return true;
}

std::optional<CustodyRunResult> RunController::Check(const CustodyRequest& request)
{
    if (!Start())
        return std::nullopt;
    CustodyRunResult result;
    RunOnThread([this, &request, &result] {
        result = CheckCustody(request, m_jobs, m_stop, [this](const CustodyProgress& progress) {
            emit WorkerCheckProgress(progress, QPrivateSignal());
        });
    });
    emit Ended();
    return result;
}

void RunController::TakeBegan(int count, qint64 bytes)
{
    m_notReached += count;
    emit Changed();
    emit Began(count, bytes);
}

void RunController::TakeResults(const QList<FileResult>& results)
{
    // A file stopped before its verdict has none, and no row.
    QList<RowRecord> records;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const FileResult& result : results) {
        ++m_done;
        --m_notReached;
        if (!result.WasStopped())
            records.append(RowRecord{result, now});
    }
    if (!records.isEmpty())
        emit Verified(records);
    emit Changed();
}
