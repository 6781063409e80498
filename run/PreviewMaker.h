// Asks the preview helper (ardentix-preview) for the pictures of verified
// files. The helper never opens a path: each file is opened here, checked
// to be the very file that the verdict read (see FileIdentity), and handed
// to the helper open. An authentic file's picture may come from its signed
// bytes only. A helper that crashes, spends its processor time for the file
// (its own budget) or runs past the wall-clock limit here, or answers
// nonsense, is killed, that file has no preview, and a new helper takes the
// next file. Nothing the helper does can end or stall the window.
#ifndef ARDENTIX_RUN_PREVIEWMAKER_H
#define ARDENTIX_RUN_PREVIEWMAKER_H

#include "FileResult.h"
#include "PreviewProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>
#include <memory>
#include <vector>

class PreviewMaker : public QObject
{
    Q_OBJECT

public:
    // What became of a file's picture besides the helper's answer.
    enum class Outcome
    {
        Answered, // the helper's frame (which may be none)
        Failed,   // no helper, or the helper failed on the file
        Changed   // the file is no longer the one that was verified
    };

    // The processor time one file may take in the helper, and the
    // wall-clock time the window waits for it at most, unless set.
    static constexpr int DefaultCpuLimitMs = 10000;
    static constexpr int DefaultTimeLimitMs = 60000;

    // helper: the program to start; HelperBesideProgram() in the window.
    explicit PreviewMaker(const QString& helper, QObject* parent = nullptr);
    ~PreviewMaker() override;

    // The helper in the program's own folder.
    static QString HelperBesideProgram();

    // The helper started from now on; one that failed to start is tried
    // again.
    void SetHelper(const QString& helper);
    QString Helper() const { return m_helper; }

    void SetCpuLimit(int milliseconds) { m_cpuLimit = milliseconds; }
    int CpuLimit() const { return m_cpuLimit; }
    void SetTimeLimit(int milliseconds) { m_timeLimit = milliseconds; }
    int TimeLimit() const { return m_timeLimit; }

    // At most this many helpers at once; one a processor unless set.
    void SetHelperCount(int count) { m_helperCount = count; }

    // While held (a run is making verdicts), no file is handed to a helper:
    // pictures never take processor time from verdicts.
    void SetHeld(bool held);
    // While hurried (someone waits for every picture), as many helpers work
    // at once as there are files waiting, up to a few; otherwise one a
    // processor.
    void SetHurried(bool hurried);

    // Queues the verified file; Made(ticket, …) follows, from the event
    // loop. Its picture comes from its signed bytes only when it is
    // authentic.
    void Ask(quint64 ticket, const FileResult& result);
    // Takes a file that is still waiting off the queue: no Made follows.
    void Forget(quint64 ticket);
    // The files asked for whose answer has not come yet.
    int Pending() const;

signals:
    // The file's picture, or a frame of kind None when it has none.
    void Made(quint64 ticket, const PreviewProtocol::Frame& frame, PreviewMaker::Outcome outcome);

private:
    struct Job
    {
        quint64 ticket = 0;
        QByteArray path;
        ardentix::engine::FileIdentity identity;
        PreviewProtocol::Ask ask;
    };
    class HelperProcess;

    void StartNext();
    int Wanted() const;
    void Finish(HelperProcess* helper, const PreviewProtocol::Frame& frame, Outcome outcome);
    void HelperFailed(HelperProcess* helper);

    QString m_helper;
    int m_cpuLimit = DefaultCpuLimitMs;
    int m_timeLimit = DefaultTimeLimitMs;
    int m_helperCount = 0;
    bool m_held = false;
    bool m_hurried = false;
    std::deque<Job> m_queue;
    std::vector<std::unique_ptr<HelperProcess>> m_helpers;
    // The helper failed to start: no file gets a picture.
    bool m_cannotStart = false;
    bool m_startQueued = false;
    // Numbers the requests, so that an answer to an earlier one is known.
    quint32 m_sequence = 0;
};

Q_DECLARE_METATYPE(PreviewMaker::Outcome)

#endif
