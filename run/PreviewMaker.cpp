#include "PreviewMaker.h"

#include "InputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

using ardentix::engine::FileIdentity;
using ardentix::engine::InputFile;

namespace {

// Helpers at work at once while someone waits for every picture.
constexpr int kMostHurriedHelpers = 8;

} // namespace

// One helper process and the file it is working on.
class PreviewMaker::HelperProcess : public QObject
{
public:
    explicit HelperProcess(PreviewMaker* maker) : QObject(maker) { timer.setSingleShot(true); }

    ~HelperProcess() override { Stop(); }

    // Starts the program; false when it cannot be started.
    bool Start(const QString& program)
    {
        process = new QProcess(this);
        process->setProgram(program);
        // What the decoders print is no concern of the window's.
        process->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
        process->start(QIODevice::ReadWrite);
        if (!process->waitForStarted(5000))
            return false;
        EnterJob();
        return true;
#else
        int pair[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
            return false;
        socket = pair[0];
        const int child = pair[1];
        // In the child, before the helper runs: the request socket at its
        // agreed number, and nothing else of the window's kept open there
        // (every other descriptor is close-on-exec).
        process->setChildProcessModifier([child] {
            if (child == PreviewProtocol::RequestDescriptor)
                (void)fcntl(child, F_SETFD, 0);
            else
                (void)dup2(child, PreviewProtocol::RequestDescriptor);
        });
        process->start(QIODevice::ReadWrite);
        close(child);
        return process->waitForStarted(5000);
#endif
    }

    bool Running() const
    {
        return process != nullptr && process->state() == QProcess::Running;
    }

    // Hands the open file to the helper with the request.
    bool Send(PreviewProtocol::Ask ask)
    {
#ifdef Q_OS_WIN
        const auto source = reinterpret_cast<HANDLE>(_get_osfhandle(file.Descriptor()));
        HANDLE remote = nullptr;
        if (processHandle == nullptr || source == INVALID_HANDLE_VALUE ||
            !DuplicateHandle(GetCurrentProcess(), source, processHandle, &remote, 0, FALSE, DUPLICATE_SAME_ACCESS))
            return false;
        ask.handle = static_cast<quint64>(reinterpret_cast<quintptr>(remote));
        const QByteArray request = PreviewProtocol::Request(ask);
        return process->write(request) == request.size();
#else
        QByteArray request = PreviewProtocol::Request(ask);
        iovec part{request.data(), static_cast<std::size_t>(request.size())};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        msghdr message{};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof(control);
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        const int fd = file.Descriptor();
        std::memcpy(CMSG_DATA(header), &fd, sizeof(int));
        ssize_t sent = 0;
        do
            sent = sendmsg(socket, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
        while (sent < 0 && errno == EINTR);
        return sent == request.size();
#endif
    }

    // Ends the process without waiting for it; it goes once it has ended.
    void Stop()
    {
        timer.stop();
        file.Close();
        if (process != nullptr) {
            process->disconnect();
            process->setParent(nullptr);
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            if (process->state() == QProcess::NotRunning)
                process->deleteLater();
            else
                process->kill();
            process = nullptr;
        }
#ifdef Q_OS_WIN
        if (processHandle != nullptr)
            CloseHandle(processHandle);
        processHandle = nullptr;
        // The job kills what is left in it once its last handle is closed.
        if (jobObject != nullptr)
            CloseHandle(jobObject);
        jobObject = nullptr;
#else
        if (socket >= 0)
            close(socket);
        socket = -1;
#endif
    }

    QProcess* process = nullptr;
    QTimer timer;
    bool busy = false;
    Job job;
    // The window's own handle of the file the helper works on: its identity
    // is checked again when the answer comes.
    InputFile file;
    QByteArray buffer;

private:
#ifdef Q_OS_WIN
    // A job of the helper's own: killed when the window lets go of it (or
    // ends), one process only, and the memory cap.
    void EnterJob()
    {
        processHandle =
            OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE | PROCESS_DUP_HANDLE | PROCESS_QUERY_LIMITED_INFORMATION,
                        FALSE, static_cast<DWORD>(process->processId()));
        jobObject = CreateJobObjectW(nullptr, nullptr);
        if (processHandle == nullptr || jobObject == nullptr)
            return;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_ACTIVE_PROCESS |
                                                  JOB_OBJECT_LIMIT_PROCESS_MEMORY |
                                                  JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
        limits.BasicLimitInformation.ActiveProcessLimit = 1;
        limits.ProcessMemoryLimit = static_cast<SIZE_T>(PreviewProtocol::HelperMemoryBytes);
        if (SetInformationJobObject(jobObject, JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
            (void)AssignProcessToJobObject(jobObject, processHandle);
    }

    HANDLE processHandle = nullptr;
    HANDLE jobObject = nullptr;
#else
    int socket = -1;
#endif
};

PreviewMaker::PreviewMaker(const QString& helper, QObject* parent) : QObject(parent), m_helper(helper)
{
    qRegisterMetaType<PreviewMaker::Outcome>();
}

PreviewMaker::~PreviewMaker()
{
    // The window does not wait for a helper busy with a file.
    for (const std::unique_ptr<HelperProcess>& helper : m_helpers) {
        if (helper->process != nullptr) {
            QProcess* process = helper->process;
            process->disconnect();
            process->kill();
            process->waitForFinished(2000);
        }
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

void PreviewMaker::SetHelper(const QString& helper)
{
    m_helper = helper;
    m_cannotStart = false;
}

void PreviewMaker::SetHeld(bool held)
{
    m_held = held;
    if (!held && !m_queue.empty())
        StartNext();
}

void PreviewMaker::SetHurried(bool hurried)
{
    m_hurried = hurried;
    if (hurried && !m_queue.empty())
        StartNext();
}

void PreviewMaker::Ask(quint64 ticket, const FileResult& result)
{
    Job job;
    job.ticket = ticket;
    job.path = result.path;
    job.identity = result.identityKnown ? result.identity : FileIdentity();
    const std::optional<ardentix::engine::FileLayout> layout = ardentix::engine::LayoutForPath(result.path.constData());
    if (layout)
        job.ask.type = layout->type;
    job.ask.signedOnly = result.IsAuthentic();
    // A file that could not be read, or is of no known type, gets no
    // picture: its identity stays unknown.
    if (!layout)
        job.identity = FileIdentity();
    m_queue.push_back(job);
    // Started from the event loop, never within Ask: an answer (a helper
    // that cannot start answers at once) never reaches a caller that is
    // still asking.
    if (!m_startQueued) {
        m_startQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_startQueued = false;
                StartNext();
            },
            Qt::QueuedConnection);
    }
}

void PreviewMaker::Forget(quint64 ticket)
{
    m_queue.erase(
        std::remove_if(m_queue.begin(), m_queue.end(), [ticket](const Job& job) { return job.ticket == ticket; }),
        m_queue.end());
}

int PreviewMaker::Pending() const
{
    const auto busy = std::count_if(m_helpers.begin(), m_helpers.end(),
                                    [](const std::unique_ptr<HelperProcess>& helper) { return helper->busy; });
    return static_cast<int>(m_queue.size() + static_cast<std::size_t>(busy));
}

int PreviewMaker::Wanted() const
{
    if (m_hurried)
        return std::clamp(Pending(), 1, kMostHurriedHelpers);
    return m_helperCount > 0 ? m_helperCount : std::max(1, QThread::idealThreadCount());
}

void PreviewMaker::StartNext()
{
    while (!m_queue.empty()) {
        const Job& next = m_queue.front();
        // No helper, or a file that cannot have a picture: answered at once.
        if (m_cannotStart || next.identity.size < 0) {
            const quint64 ticket = next.ticket;
            m_queue.pop_front();
            emit Made(ticket, PreviewProtocol::Frame(), Outcome::Failed);
            continue;
        }
        if (m_held)
            return;
        HelperProcess* helper = nullptr;
        for (const std::unique_ptr<HelperProcess>& candidate : m_helpers) {
            if (!candidate->busy && candidate->Running()) {
                helper = candidate.get();
                break;
            }
        }
        if (helper == nullptr) {
            if (static_cast<int>(m_helpers.size()) >= Wanted())
                return;
            auto started = std::make_unique<HelperProcess>(this);
            if (!started->Start(m_helper)) {
                // Not installed, or not runnable: the files after this one
                // are not made to wait for a start that fails each time.
                m_cannotStart = true;
                continue;
            }
            helper = started.get();
            connect(helper->process, &QProcess::readyReadStandardOutput, this, [this, helper] {
                helper->buffer += helper->process->readAllStandardOutput();
                if (!helper->busy) {
                    // Nothing was asked: whatever this is, the helper is
                    // not to be trusted with the next file.
                    HelperFailed(helper);
                    return;
                }
                PreviewProtocol::Frame frame;
                qsizetype used = 0;
                const PreviewProtocol::ReadState state = PreviewProtocol::ReadAnswer(helper->buffer, &frame, &used);
                if (state == PreviewProtocol::ReadState::NeedMore)
                    return;
                // A late second answer to the file before: the helper is not
                // trusted again, and this file goes to another.
                if (state == PreviewProtocol::ReadState::Complete && frame.sequence != helper->job.ask.sequence) {
                    m_queue.push_front(helper->job);
                    helper->busy = false;
                    HelperFailed(helper);
                    return;
                }
                // Nonsense, or more than one answer to one question.
                if (state == PreviewProtocol::ReadState::Bad || used != helper->buffer.size()) {
                    HelperFailed(helper);
                    return;
                }
                const std::optional<FileIdentity> now = helper->file.Identity();
                const bool same = now && *now == helper->job.identity;
                Finish(helper, same ? frame : PreviewProtocol::Frame(), same ? Outcome::Answered : Outcome::Changed);
            });
            // A crash is seen at once, not when the time limit runs out.
            connect(helper->process, &QProcess::finished, this, [this, helper] { HelperFailed(helper); });
            connect(&helper->timer, &QTimer::timeout, this, [this, helper] { HelperFailed(helper); });
            m_helpers.push_back(std::move(started));
        }
        Job job = m_queue.front();
        m_queue.pop_front();
        // The very file that the verdict read, unchanged since: otherwise no
        // picture of whatever the path names now.
        helper->file.Close();
        const std::optional<FileIdentity> identity =
            helper->file.Open(job.path.constData()) ? helper->file.Identity() : std::nullopt;
        if (!identity || *identity != job.identity) {
            helper->file.Close();
            emit Made(job.ticket, PreviewProtocol::Frame(), Outcome::Changed);
            continue;
        }
        job.ask.cpuMs = static_cast<quint32>(std::max(1, m_cpuLimit));
        job.ask.sequence = ++m_sequence;
        helper->job = job;
        helper->buffer.clear();
        helper->busy = true;
        if (!helper->Send(job.ask)) {
            HelperFailed(helper);
            continue;
        }
        helper->timer.start(m_timeLimit);
    }
}

void PreviewMaker::Finish(HelperProcess* helper, const PreviewProtocol::Frame& frame, Outcome outcome)
{
    helper->timer.stop();
    helper->busy = false;
    helper->buffer.clear();
    helper->file.Close();
    emit Made(helper->job.ticket, frame, outcome);
    StartNext();
}

void PreviewMaker::HelperFailed(HelperProcess* helper)
{
    const bool busy = helper->busy;
    const quint64 ticket = helper->job.ticket;
    const auto found =
        std::find_if(m_helpers.begin(), m_helpers.end(),
                     [helper](const std::unique_ptr<HelperProcess>& held) { return held.get() == helper; });
    if (found == m_helpers.end())
        return;
    // Possibly called from one of the helper's own signals: it goes once
    // control is back in the event loop.
    helper->Stop();
    helper->busy = false;
    found->release()->deleteLater();
    m_helpers.erase(found);
    if (busy)
        emit Made(ticket, PreviewProtocol::Frame(), Outcome::Failed);
    StartNext();
}
