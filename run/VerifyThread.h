// Authenticates one file on a thread of its own and enters the outcome as a
// new first row of the result model.
#ifndef ARDENTIX_RUN_VERIFYTHREAD_H
#define ARDENTIX_RUN_VERIFYTHREAD_H

#include <QFileInfo>
#include <QThread>

class QStandardItemModel;

class VerifyThread : public QThread
{
    Q_OBJECT

public:
    VerifyThread(const QFileInfo& file, QStandardItemModel* model, int* total, int* succeeded, int* failed,
                 bool* cancel);
    ~VerifyThread() override;

    // Size of the one buffer the copy streams through.
    static constexpr int CopyBufferSize = 16000;

signals:
    void UpdateStatusBar();

protected:
    void run() override;

private:
    // Writes the row and raises the counters; runs on the model's thread.
    void WriteRow(int result, const QString& startTime, const QString& endTime, const QString& serial);

    QFileInfo file;
    QStandardItemModel* model;
    int* total;
    int* succeeded;
    int* failed;
    bool* cancel;
};

#endif
