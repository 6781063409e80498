#include "PreviewMaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>

PreviewMaker::PreviewMaker(const QString& helper, QObject* parent) : QObject(parent), m_helper(helper)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PreviewMaker::GiveUp);
}

PreviewMaker::~PreviewMaker()
{
    if (m_process) {
        // The window does not wait for a helper busy with a file.
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

QString PreviewMaker::HelperBesideProgram()
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ardentix-preview.exe");
#else
    const QString name = QStringLiteral("ardentix-preview");
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

void PreviewMaker::Ask(quint64 ticket, const QByteArray& name)
{
    m_queue.push_back({ticket, name});
    // Started from the event loop, never within Ask: an answer (a helper
    // that cannot start answers at once) never reaches a caller that is
    // still asking.
    if (!m_busy && m_queue.size() == 1)
        QMetaObject::invokeMethod(this, &PreviewMaker::StartNext, Qt::QueuedConnection);
}

void PreviewMaker::Forget(quint64 ticket)
{
    m_queue.erase(
        std::remove_if(m_queue.begin(), m_queue.end(), [ticket](const Job& job) { return job.ticket == ticket; }),
        m_queue.end());
}

int PreviewMaker::Pending() const
{
    return static_cast<int>(m_queue.size()) + (m_busy ? 1 : 0);
}

bool PreviewMaker::EnsureHelper()
{
    if (m_process && m_process->state() == QProcess::Running)
        return true;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(m_helper);
    // What the decoders print is no concern of the window's.
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &PreviewMaker::ReadAnswer);
    connect(m_process.get(), &QProcess::finished, this, &PreviewMaker::GiveUp);
    m_process->start(QIODevice::ReadWrite);
    if (m_process->waitForStarted(5000))
        return true;
    m_process->disconnect(this);
    // Not installed, or not runnable: the files after this one are not
    // made to wait for a start that fails each time.
    m_cannotStart = true;
    return false;
}

void PreviewMaker::StartNext()
{
    while (!m_busy && !m_queue.empty()) {
        m_current = m_queue.front();
        m_queue.pop_front();
        m_buffer.clear();
        if (m_current.name.isEmpty() || m_current.name.size() > PreviewProtocol::MaxNameBytes || m_cannotStart ||
            !EnsureHelper()) {
            // No helper, no picture: the file has none, and the next is tried.
            emit Made(m_current.ticket, PreviewProtocol::Frame());
            continue;
        }
        m_busy = true;
        m_process->write(PreviewProtocol::Request(m_current.name));
        m_timer.start(m_timeLimit);
    }
}

void PreviewMaker::ReadAnswer()
{
    m_buffer += m_process->readAllStandardOutput();
    if (!m_busy) {
        // Nothing was asked: whatever this is, the helper is not to be
        // trusted with the next file.
        m_buffer.clear();
        GiveUp();
        return;
    }
    PreviewProtocol::Frame frame;
    qsizetype used = 0;
    switch (PreviewProtocol::ReadAnswer(m_buffer, &frame, &used)) {
    case PreviewProtocol::ReadState::NeedMore:
        return;
    case PreviewProtocol::ReadState::Bad:
        GiveUp();
        return;
    case PreviewProtocol::ReadState::Complete:
        break;
    }
    if (used != m_buffer.size()) {
        // More than one answer to one question.
        GiveUp();
        return;
    }
    Finish(frame);
}

void PreviewMaker::GiveUp()
{
    if (m_process) {
        // Possibly called from one of the process's own signals: the
        // process goes once it has ended, or with the maker.
        QProcess* ending = m_process.release();
        ending->disconnect(this);
        ending->setParent(this);
        connect(ending, &QProcess::finished, ending, &QObject::deleteLater);
        ending->kill();
    }
    if (m_busy)
        Finish(PreviewProtocol::Frame());
}

void PreviewMaker::Finish(const PreviewProtocol::Frame& frame)
{
    m_timer.stop();
    m_busy = false;
    m_buffer.clear();
    const quint64 ticket = m_current.ticket;
    emit Made(ticket, frame);
    StartNext();
}
