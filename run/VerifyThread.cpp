#include "VerifyThread.h"

#include "BatchVerifier.h"
#include "ResultRow.h"
#include "RunState.h"

#include <QStandardItemModel>

using ardentix::engine::AuthResult;

VerifyThread::VerifyThread(const FileJob& file, QStandardItemModel* model, RunState* state)
    : QThread(nullptr), m_file(file), m_model(model), m_state(state)
{
    m_result.result = AuthResult::Cancelled;
}

VerifyThread::~VerifyThread() = default;

void VerifyThread::run()
{
    VerifyOptions options;
    options.sha256 = m_sha256;
    // The user interface thread mostly sleeps during a run: the SHA-256
    // gets a processor of its own where there is one to spare.
    options.sha256OnThread = m_sha256 && QThread::idealThreadCount() > 1;
    options.cancel = &m_state->stopRequested;
    options.progress = [this](qint64 done) { m_bytesDone.store(done, std::memory_order_relaxed); };
    m_result = VerifyFile(m_file, options);
}

bool VerifyThread::WriteRow()
{
    if (m_result.WasStopped())
        return false;
    m_state->rows.Add(m_result);
    ResultRow::Insert(m_model, RowRecord{m_result, QDateTime::currentDateTimeUtc()});
    // Written once: a second call finds the result taken.
    m_result.result = AuthResult::Cancelled;
    emit UpdateStatusBar();
    return true;
}
