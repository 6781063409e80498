// What the preview helper answers, and what it is asked: the window reads
// the answers of a process that decodes untrusted files, so whatever bytes
// it gets, the reader must give a whole answer that fits the preview box,
// ask for more, or refuse, and never read out of bounds or crash. Read in
// pieces, the answer is the same as read whole.
#include "PreviewProtocol.h"

#include <cstdint>
#include <cstdlib>

namespace {

void ExpectSound(const PreviewProtocol::Frame& frame, qsizetype used, qsizetype size)
{
    if (used < PreviewProtocol::HeaderBytes || used > size)
        std::abort();
    if (frame.rgb.size() != qsizetype(frame.width) * frame.height * 3)
        std::abort();
    if (frame.width > PreviewProtocol::BoxWidth || frame.height > PreviewProtocol::BoxHeight)
        std::abort();
    const bool empty = frame.kind == PreviewProtocol::Kind::None || frame.kind == PreviewProtocol::Kind::Unsigned;
    if (empty ? frame.width != 0 : frame.width < 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    PreviewProtocol::Frame frame;
    qsizetype used = 0;
    const PreviewProtocol::ReadState state = PreviewProtocol::ReadAnswer(bytes, &frame, &used);
    if (state == PreviewProtocol::ReadState::Complete) {
        ExpectSound(frame, used, bytes.size());
        // Written again, the answer is the bytes it was read from.
        if (PreviewProtocol::Answer(frame) != bytes.left(used))
            std::abort();
    }
    // Any shorter piece is incomplete or refused, never a different answer.
    for (qsizetype cut : {qsizetype(0), qsizetype(4), qsizetype(19), bytes.size() / 2}) {
        if (cut >= bytes.size())
            continue;
        PreviewProtocol::Frame part;
        qsizetype partUsed = 0;
        const PreviewProtocol::ReadState partState = PreviewProtocol::ReadAnswer(bytes.left(cut), &part, &partUsed);
        if (partState == PreviewProtocol::ReadState::Complete &&
            (state != PreviewProtocol::ReadState::Complete || partUsed != used))
            std::abort();
        if (partState == PreviewProtocol::ReadState::Bad && state != PreviewProtocol::ReadState::Bad)
            std::abort();
    }
    // A request read back writes the same bytes.
    PreviewProtocol::Ask ask;
    if (PreviewProtocol::ReadRequest(bytes, &ask, &used) == PreviewProtocol::ReadState::Complete &&
        (used != PreviewProtocol::RequestBytes || PreviewProtocol::Request(ask) != bytes.left(used)))
        std::abort();
    return 0;
}
