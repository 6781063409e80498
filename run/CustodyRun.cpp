#include "CustodyRun.h"

#include "CustodyCheck.h"
#include "RunDriver.h"
#include "RunState.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

const int kFrameMs = 33;
const int kSteps = 1000;

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

QProgressDialog* NewDialog(QWidget* window)
{
    auto* dialog = new QProgressDialog(QObject::tr("Reading the report…"), QObject::tr("Cancel"), 0, kSteps, window,
                                       Qt::WindowFlags(ProgressDialogFlags));
    dialog->setWindowTitle(QObject::tr("Custody Check"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setStyleSheet(QString::fromLatin1(ProgressDialogStyleSheet));
    dialog->setMinimumDuration(0);
    dialog->setFixedWidth(520);
    dialog->setValue(0);
    return dialog;
}

} // namespace

std::function<void(QProgressDialog*)>& CustodyRun::StartedHook()
{
    static std::function<void(QProgressDialog*)> hook;
    return hook;
}

CustodyRun::CustodyRun(QWidget* window, RunState& state, int jobs) : m_window(window), m_state(state), m_jobs(jobs) {}

CustodyRunResult CustodyRun::Check(const CustodyRequest& request)
{
    CustodyRunResult result;
    if (m_state.busy || m_state.stopRequested)
        return result;
    m_state.busy = true;
    Shared shared;
    std::unique_ptr<QThread> worker(QThread::create([&] { CheckOnWorker(request, m_jobs, shared, result); }));
    std::unique_ptr<QProgressDialog> dialog(NewDialog(m_window));
    worker->start();
    if (StartedHook())
        StartedHook()(dialog.get());
    // The dialog is painted and Cancel answers a frame at a time; once
    // cancelled, the files in progress stop within one read block.
    while (!worker->wait(QDeadlineTimer(kFrameMs))) {
        if (dialog->wasCanceled() || m_state.stopRequested)
            shared.stop = true;
        const qint64 files = shared.totalFiles.load();
        if (files >= 0 && !dialog->wasCanceled()) {
            const qint64 bytes = shared.totalBytes.load();
            dialog->setLabelText(
                QObject::tr("Checking (%1/%2)").arg(QString::number(shared.filesDone.load()), QString::number(files)));
            dialog->setValue(
                static_cast<int>(bytes > 0 ? qMin<qint64>(kSteps - 1, shared.bytesDone * kSteps / bytes) : 0));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    m_state.cancelRequested = shared.stop.load();
    m_state.busy = false;
    return result;
}
