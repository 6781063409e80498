// ardentix-preview: the window's helper that makes the pictures of evidence
// files. Each request comes with the file already open (see
// PreviewProtocol) and is answered on standard output, until the window
// goes. Decoding untrusted files happens here, in a process of its own that
// can open nothing, reach nothing and start nothing (see Sandbox), with a
// memory cap and a processor-time budget for each file, so that a file
// crafted against a decoder can only make this process fail: the window then
// gives that file no picture and starts another helper.
#include "Decoders.h"
#include "InputFile.h"
#include "PreviewProtocol.h"
#include "ProcessLimits.h"
#include "Sandbox.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <new>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/cpu.h>
#include <libavutil/log.h>
}

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>
#endif

#ifdef ARDENTIX_PREVIEW_FAULTS
#include "FaultProbe.h"
#endif

using ardentix::engine::InputFile;

namespace {

constexpr std::size_t kMemoryCap = std::size_t(PreviewProtocol::HelperMemoryBytes);
// A helper that has used this much processor time ends after its answer,
// well before its life's limit; the window starts a new one.
constexpr std::int64_t kRetireCpuMs = std::int64_t(300) * 1000;

// Everything that is loaded or worked out once, loaded now: after the
// sandbox nothing can be opened, no plugin, no library, no system file.
void LoadEverything()
{
    av_log_set_level(AV_LOG_QUIET);
    (void)av_cpu_count();
    for (const AVCodecID id : {AV_CODEC_ID_MJPEG, AV_CODEC_ID_H264, AV_CODEC_ID_HEVC, AV_CODEC_ID_MPEG4})
        (void)avcodec_find_decoder(id);
    // Qt's JPEG reader is a plugin: one picture written and read loads it.
    QImage probe(8, 8, QImage::Format_RGB888);
    probe.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    probe.save(&buffer, "JPG");
    (void)Decoders::Picture(bytes, false);
}

#ifdef Q_OS_WIN
bool ReadExactly(char* data, std::size_t size)
{
    return std::fread(data, 1, size, stdin) == size;
}

// The next request, with the file whose handle the window put in this
// process.
bool NextRequest(PreviewProtocol::Ask* ask, InputFile* file)
{
    QByteArray request(PreviewProtocol::RequestBytes, '\0');
    qsizetype used = 0;
    if (!ReadExactly(request.data(), static_cast<std::size_t>(request.size())) ||
        PreviewProtocol::ReadRequest(request, ask, &used) != PreviewProtocol::ReadState::Complete)
        return false;
    const int fd = _open_osfhandle(static_cast<intptr_t>(ask->handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(reinterpret_cast<HANDLE>(static_cast<intptr_t>(ask->handle)));
        return true; // a request without its file: answered with no picture
    }
    (void)file->Adopt(fd);
    return true;
}

bool WriteAll(const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stdout) == 0;
}
#else
// The next request, with the descriptor that came in the same message.
bool NextRequest(PreviewProtocol::Ask* ask, InputFile* file)
{
    char request[PreviewProtocol::RequestBytes + 1];
    iovec part{request, sizeof(request)};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof(control);
    ssize_t got = 0;
    do
        got = recvmsg(Sandbox::kRequestSocket, &message, MSG_CMSG_CLOEXEC);
    while (got < 0 && errno == EINTR);
    if (got <= 0)
        return false;
    int fd = -1;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header != nullptr; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_RIGHTS &&
            header->cmsg_len == CMSG_LEN(sizeof(int)) && fd < 0)
            std::memcpy(&fd, CMSG_DATA(header), sizeof(int));
    }
    qsizetype used = 0;
    if ((message.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) != 0 ||
        PreviewProtocol::ReadRequest(QByteArray(request, static_cast<qsizetype>(got)), ask, &used) !=
            PreviewProtocol::ReadState::Complete ||
        used != got) {
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (fd >= 0)
        (void)file->Adopt(fd);
    return true;
}

bool WriteAll(const QByteArray& bytes)
{
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(STDOUT_FILENO, at, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}
#endif

PreviewProtocol::Frame Answer(InputFile& file, const PreviewProtocol::Ask& ask)
{
    if (!file.IsOpen())
        return {};
    const ProcessLimits::CpuBudget budget(ask.cpuMs);
#ifdef ARDENTIX_PREVIEW_FAULTS
    FaultProbe::Misbehave(file);
#endif
    try {
        return Decoders::Preview(file, ask);
    } catch (const std::bad_alloc&) {
        // Out of memory within the cap: no picture, and the helper goes on.
        return {};
    }
}

// Ends the helper. The sanitizers' leak check at exit would need calls
// that the sandbox refuses; nothing is left to free then anyway.
[[noreturn]] void End(int status)
{
    // Ending all the same: what could not be written is lost either way.
    (void)std::fflush(stdout);
    (void)std::fflush(stderr);
    std::_Exit(status);
}

} // namespace

int main(int argc, char** argv)
{
    // The Gui library's image readers are used without a display.
    QCoreApplication application(argc, argv);
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
#ifdef ARDENTIX_PREVIEW_FAULTS
    if (argc > 1 && std::strcmp(argv[1], "--probe-sandbox") == 0)
        End(FaultProbe::ProbeSandbox());
    const std::size_t cap = FaultProbe::MemoryCap(kMemoryCap);
#else
    const std::size_t cap = kMemoryCap;
#endif
    LoadEverything();
    ProcessLimits::PrepareBudgets();
    if (!ProcessLimits::CapMemory(cap) || !ProcessLimits::LimitLife() || !Sandbox::Install().installed) {
        (void)std::fprintf(stderr, "ardentix-preview: cannot wall itself in; no previews\n");
        End(1);
    }
    for (;;) {
        InputFile file;
        PreviewProtocol::Ask ask;
        if (!NextRequest(&ask, &file))
            End(0);
        PreviewProtocol::Frame frame = Answer(file, ask);
        file.Close();
        frame.sequence = ask.sequence;
        if (!WriteAll(PreviewProtocol::Answer(frame)))
            End(1);
#ifdef ARDENTIX_PREVIEW_FAULTS
        // A second answer of another picture, which must never be taken for
        // the next file's.
        if (FaultProbe::AnswersTwice())
            (void)WriteAll(PreviewProtocol::Answer(FaultProbe::OtherPicture(ask.sequence)));
#endif
        if (ProcessLimits::CpuMsUsed() > kRetireCpuMs)
            End(0);
    }
}
