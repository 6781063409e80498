#include "RunDriver.h"

#include "InputCollector.h"
#include "PathInfo.h"
#include "RunState.h"
#include "VerifyThread.h"

#include <QDateTime>
#include <QDeadlineTimer>

#include <memory>

namespace {

// Marks the state busy for as long as it lives.
class BusyScope
{
public:
    explicit BusyScope(RunState& state) : m_state(state) { m_state.busy = true; }
    ~BusyScope() { m_state.busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    RunState& m_state;
};

} // namespace

RunDriver::RunDriver(RunState& state, RunObserver& observer) : m_state(state), m_observer(observer) {}

void RunDriver::OpenPaths(const std::vector<QByteArray>& paths)
{
    if (m_state.busy || m_state.stopRequested || paths.empty())
        return;
    std::vector<FileJob> files;
    {
        const BusyScope busy(m_state);
        // The walk takes names as the system's bytes, so files whose names
        // are not UTF-8 are verified too, and reports subfolders it cannot
        // list. The observer keeps the window painted; a close stops it.
        const WalkTick tick = [this] { return m_observer.Walking() && !m_state.stopRequested; };
        for (const QByteArray& path : paths) {
            if (m_state.stopRequested)
                break;
            InputCollector::CollectOne(path, files, tick);
        }
    }
    Verify(files);
}

void RunDriver::Verify(const std::vector<FileJob>& files)
{
    if (m_state.busy || m_state.stopRequested)
        return;
    const BusyScope busy(m_state);
    Run(files);
}

void RunDriver::Run(const std::vector<FileJob>& files)
{
    const int n = static_cast<int>(files.size());
    m_state.notReached += n;
    m_observer.Changed();
    m_observer.Begin(n);
    m_state.cancelRequested = false;
    m_sinceFrame.start();
    for (int i = 0; i < n; ++i) {
        if (m_observer.Cancelled()) {
            m_state.cancelRequested = true;
            m_state.notReached -= n - i;
            m_observer.Changed();
            break;
        }
        if (m_state.stopRequested) {
            m_state.notReached -= n - i;
            break;
        }
        const bool frameDue = m_sinceFrame.elapsed() >= FrameMs;
        const FileJob& file = files[static_cast<std::size_t>(i)];
        // The file counts as not reached until its verdict is given, so that
        // the total never drops while it is verified.
        // A FIFO, a device or a link to one fails with its reason, as in the
        // verifier; only what is not there, or a folder, is skipped.
        const PathInfo::Kind kind = file.path.isEmpty() ? PathInfo::Kind::None : PathInfo::Of(file.path).kind;
        if (file.unreadableFolder || kind == PathInfo::Kind::File || kind == PathInfo::Kind::Other)
            VerifyOne(i, file, frameDue);
        else
            m_state.notReached -= 1;
        m_observer.Changed();
    }
    m_observer.End();
}

void RunDriver::VerifyOne(int index, const FileJob& file, bool frameDue)
{
    const auto worker = std::make_unique<VerifyThread>(file, &m_state.stopRequested);
    worker->SetSha256(m_sha256);
    m_state.currentWorker = worker.get();
    worker->start(QThread::InheritPriority);
    m_observer.FileStarted(index, file, frameDue);
    if (frameDue)
        m_sinceFrame.restart();
    // Wait for the worker, a frame at a time, so that the observer keeps
    // the dialog painted, its bar moving within the file and Cancel live.
    while (!worker->wait(QDeadlineTimer(qMax<qint64>(1, FrameMs - m_sinceFrame.elapsed())))) {
        m_observer.Frame(index, worker->BytesDone(), worker->Size());
        m_sinceFrame.restart();
    }
    m_state.notReached -= 1;
    m_state.currentWorker = nullptr;
    if (const std::optional<FileResult> result = worker->TakeResult())
        m_observer.Verified(RowRecord{*result, QDateTime::currentDateTimeUtc()});
}
