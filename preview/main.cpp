// ardentix-preview: the window's helper that makes the pictures of evidence
// files. It reads requests on its standard input and answers each on its
// standard output (see PreviewProtocol), until its input ends. Decoding
// untrusted files happens here, in a process of its own with a memory cap,
// so that a file crafted against a decoder can crash or stall only this
// process: the window kills it after its time limit and starts another.
#include "Decoders.h"
#include "PreviewProtocol.h"
#include "ProcessLimits.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#ifdef ARDENTIX_PREVIEW_FAULTS
#include <QThread>
#include <cstdlib>
#endif

namespace {

// The most memory the helper may take: a 4K frame decoded and converted
// needs well under this.
constexpr std::size_t kMemoryCap = std::size_t(1) << 30;

// Reads exactly size bytes; false at the end of input.
bool ReadExactly(char* data, std::size_t size)
{
    return std::fread(data, 1, size, stdin) == size;
}

bool NextRequest(QByteArray* name)
{
    QByteArray head(8, '\0');
    if (!ReadExactly(head.data(), 8))
        return false;
    QByteArray parsed;
    qsizetype used = 0;
    if (PreviewProtocol::ReadRequest(head, &parsed, &used) != PreviewProtocol::ReadState::NeedMore)
        return false;
    const quint32 length = qFromLittleEndian<quint32>(head.constData() + 4);
    QByteArray request = head + QByteArray(static_cast<qsizetype>(length), '\0');
    if (!ReadExactly(request.data() + 8, length))
        return false;
    return PreviewProtocol::ReadRequest(request, name, &used) == PreviewProtocol::ReadState::Complete;
}

#ifdef ARDENTIX_PREVIEW_FAULTS
// The test build misbehaves on purpose for names that ask it to, so that
// the window's handling of a helper that crashes, hangs or talks nonsense
// can be tried.
void Misbehave(const QByteArray& name)
{
    if (name.contains("crash-helper"))
        std::abort();
    if (name.contains("hang-helper")) {
        for (;;)
            QThread::sleep(60);
    }
    if (name.contains("garble-helper")) {
        std::fwrite("ARDA\x07", 1, 5, stdout);
        std::fflush(stdout);
    }
}
#endif

} // namespace

int main(int argc, char** argv)
{
    // The Gui library's image readers are used without a display.
    QCoreApplication application(argc, argv);
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (!ProcessLimits::CapMemory(kMemoryCap)) {
        std::fprintf(stderr, "ardentix-preview: cannot cap its memory; no previews\n");
        return 1;
    }
    QByteArray name;
    while (NextRequest(&name)) {
#ifdef ARDENTIX_PREVIEW_FAULTS
        Misbehave(name);
#endif
        const QByteArray answer = PreviewProtocol::Answer(Decoders::Preview(name));
        if (std::fwrite(answer.constData(), 1, static_cast<std::size_t>(answer.size()), stdout) !=
                static_cast<std::size_t>(answer.size()) ||
            std::fflush(stdout) != 0)
            return 1;
    }
    return 0;
}
