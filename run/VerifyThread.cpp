#include "VerifyThread.h"

#include "BatchVerifier.h"
#include "ResultRow.h"

#include <QStandardItemModel>

VerifyThread::VerifyThread(const FileJob& file, QStandardItemModel* model, int* total, int* succeeded, int* failed,
                           bool* cancel, const std::atomic<bool>* stop)
    : QThread(nullptr), file(file), model(model), total(total), succeeded(succeeded), failed(failed), cancel(cancel),
      stop(stop)
{
}

VerifyThread::~VerifyThread() = default;

void VerifyThread::run()
{
    VerifyOptions options;
    options.sha256 = wantSha256;
    // The user interface thread mostly sleeps during a run: the SHA-256
    // gets a processor of its own where there is one to spare.
    options.sha256OnThread = wantSha256 && QThread::idealThreadCount() > 1;
    options.cancel = stop;
    options.progress = [this](qint64 done) { bytesDone.store(done, std::memory_order_relaxed); };
    result = VerifyFile(file, options);

    if (*cancel || result.result == AuthCancelled)
        return;
    haveRow = true;
}

bool VerifyThread::WriteRow()
{
    if (!haveRow)
        return false;
    haveRow = false;
    // A file without a verdict (no digest could be computed on this system)
    // counts in the total only: it was neither passed nor failed.
    ++*total;
    if (result.IsAuthentic())
        ++*succeeded;
    else if (result.HasVerdict())
        ++*failed;
    ResultRow::Insert(model, RowRecord{result, QDateTime::currentDateTimeUtc()});
    emit UpdateStatusBar();
    return true;
}
