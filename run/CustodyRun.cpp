#include "CustodyRun.h"

#include "CustodyCheck.h"
#include "RunState.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// What the worker shares with the window while it runs.
struct Shared
{
    std::atomic<bool> stop{false};
    std::atomic<qint64> filesDone{0};
    std::atomic<qint64> bytesDone{0};
    std::atomic<qint64> totalFiles{-1};
    std::atomic<qint64> totalBytes{0};
};

void CheckOnWorker(const CustodyRequest& request, int jobs, Shared& shared, CustodyRunResult& result)
{
    CustodyCheck check(request.report, request.paths, jobs);
    check.SetBase(request.base);
    if (!check.Prepare([&shared] { return !shared.stop.load(); })) {
        result.problem = check.Problem();
        return;
    }
    result.prepared = true;
    result.reportCase = check.ReportCase();
    shared.totalBytes = check.TotalBytes();
    shared.totalFiles = check.FileCount();
    CustodyCheck::Callbacks callbacks;
    callbacks.line = [&result](const CustodyLine& line) {
        result.lines.push_back(line);
        result.counts.Add(line.status);
    };
    callbacks.progress = [&shared](qint64 files, qint64 bytes) {
        shared.filesDone = files;
        shared.bytesDone = bytes;
    };
    const CustodyCheck::Outcome outcome = check.Run(callbacks, &shared.stop);
    result.noDigest = check.NoDigest();
    result.complete = outcome == CustodyCheck::Outcome::Done;
    result.reportSha256 = check.ReportSha256();
    result.mostUnfound = check.MostUnfound(result.counts);
    if (outcome == CustodyCheck::Outcome::ReportFailed) {
        result.prepared = false;
        result.problem = check.Problem();
    }
}

} // namespace

CustodyRun::CustodyRun(RunState& state, int jobs) : m_state(state), m_jobs(jobs) {}

CustodyRunResult CustodyRun::Check(const CustodyRequest& request, const Frame& frame)
{
    CustodyRunResult result;
    if (m_state.busy || m_state.stopRequested)
        return result;
    m_state.busy = true;
    Shared shared;
    std::unique_ptr<QThread> worker(QThread::create([&] { CheckOnWorker(request, m_jobs, shared, result); }));
    worker->start();
    // The observer paints and answers Cancel a frame at a time; once
    // cancelled, the files in progress stop within one read block.
    // A cancel or a close takes effect as soon as it is seen, not a frame
    // later, so that a check that would end within the frame still stops.
    bool goOn = frame(CustodyProgress());
    if (!goOn || m_state.stopRequested)
        shared.stop = true;
    while (!worker->wait(QDeadlineTimer(FrameMs))) {
        CustodyProgress progress;
        progress.filesDone = shared.filesDone.load();
        progress.totalFiles = shared.totalFiles.load();
        progress.bytesDone = shared.bytesDone.load();
        progress.totalBytes = shared.totalBytes.load();
        goOn = frame(progress) && goOn;
        if (!goOn || m_state.stopRequested)
            shared.stop = true;
    }
    m_state.cancelRequested = shared.stop.load();
    m_state.busy = false;
    return result;
}
