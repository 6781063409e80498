// Asks the preview helper (ardentix-preview) for the pictures of files, one
// file at a time, in the order asked. Each file is given a time limit: a
// helper that crashes, runs past it or answers nonsense is killed, that
// file has no preview, and a new helper takes the next file. Nothing the
// helper does can end or stall the window.
#ifndef ARDENTIX_RUN_PREVIEWMAKER_H
#define ARDENTIX_RUN_PREVIEWMAKER_H

#include "PreviewProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>

class QProcess;

class PreviewMaker : public QObject
{
    Q_OBJECT

public:
    // helper: the program to start; HelperBesideProgram() in the window.
    explicit PreviewMaker(const QString& helper, QObject* parent = nullptr);
    ~PreviewMaker() override;

    // The helper in the program's own folder.
    static QString HelperBesideProgram();

    // The helper started from now on.
    void SetHelper(const QString& helper)
    {
        m_helper = helper;
        m_cannotStart = false;
    }
    QString Helper() const { return m_helper; }

    // The time one file may take; ten seconds unless set.
    void SetTimeLimit(int milliseconds) { m_timeLimit = milliseconds; }
    int TimeLimit() const { return m_timeLimit; }

    // Queues the file at name (as PathText::ToNative gives it); Made(ticket,
    // …) follows, from the event loop.
    void Ask(quint64 ticket, const QByteArray& name);
    // Takes a file that is still waiting off the queue: no Made follows.
    void Forget(quint64 ticket);
    // The files asked for whose answer has not come yet.
    int Pending() const;

signals:
    // The file's picture, or a frame of kind None when it has none.
    void Made(quint64 ticket, const PreviewProtocol::Frame& frame);

private:
    struct Job
    {
        quint64 ticket;
        QByteArray name;
    };

    void StartNext();
    bool EnsureHelper();
    void ReadAnswer();
    // The current file has no preview, and the helper is ended.
    void GiveUp();
    void Finish(const PreviewProtocol::Frame& frame);

    QString m_helper;
    int m_timeLimit = 10000;
    std::unique_ptr<QProcess> m_process;
    QTimer m_timer;
    std::deque<Job> m_queue;
    bool m_busy = false;
    // The helper failed to start: no file gets a picture.
    bool m_cannotStart = false;
    Job m_current{};
    QByteArray m_buffer;
};

#endif
