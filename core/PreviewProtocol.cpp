#include "PreviewProtocol.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace PreviewProtocol {

namespace {

const char kRequestMagic[4] = {'A', 'R', 'D', 'Q'};
const char kAnswerMagic[4] = {'A', 'R', 'D', 'A'};
constexpr quint8 kVersion = 2;
constexpr quint32 kRequestLength = RequestBytes - 8;
// A recording's frame lies within a century of its start.
constexpr qint64 kLatestFrameMs = 100LL * 366 * 24 * 3600 * 1000;

template <typename T> void Append(QByteArray& bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

template <typename T> T Take(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

bool Fits(const Frame& frame)
{
    switch (frame.kind) {
    case Kind::None:
    case Kind::Unsigned:
        return frame.width == 0 && frame.height == 0 && frame.frameMs == -1;
    case Kind::Picture:
        if (frame.frameMs != -1)
            return false;
        break;
    case Kind::Frame:
        if (frame.frameMs < 0 || frame.frameMs > kLatestFrameMs)
            return false;
        break;
    default:
        return false;
    }
    return frame.width >= 1 && frame.width <= BoxWidth && frame.height >= 1 && frame.height <= BoxHeight;
}

} // namespace

QByteArray Request(const Ask& ask)
{
    QByteArray bytes(kRequestMagic, 4);
    Append<quint32>(bytes, kRequestLength);
    bytes.append(static_cast<char>(kVersion));
    bytes.append(static_cast<char>(static_cast<int>(ask.type) + 1));
    bytes.append(static_cast<char>(ask.signedOnly ? 1 : 0));
    bytes.append('\0');
    Append<quint32>(bytes, ask.cpuMs);
    Append<quint32>(bytes, ask.sequence);
    Append<quint64>(bytes, ask.handle);
    return bytes;
}

ReadState ReadRequest(const QByteArray& buffer, Ask* ask, qsizetype* used)
{
    if (buffer.size() >= 4 && !buffer.startsWith(QByteArray(kRequestMagic, 4)))
        return ReadState::Bad;
    if (buffer.size() < 8)
        return ReadState::NeedMore;
    if (Take<quint32>(buffer, 4) != kRequestLength)
        return ReadState::Bad;
    if (buffer.size() < RequestBytes)
        return ReadState::NeedMore;
    const auto byte = [&buffer](int at) { return static_cast<quint8>(buffer[at]); };
    if (byte(8) != kVersion || byte(9) < 1 || byte(9) > 3 || byte(10) > 1 || byte(11) != 0)
        return ReadState::Bad;
    ask->type = static_cast<ardentix::engine::FileType>(byte(9) - 1);
    ask->signedOnly = byte(10) == 1;
    ask->cpuMs = Take<quint32>(buffer, 12);
    ask->sequence = Take<quint32>(buffer, 16);
    ask->handle = Take<quint64>(buffer, 20);
    *used = RequestBytes;
    return ReadState::Complete;
}

QByteArray Answer(const Frame& frame)
{
    QByteArray bytes(kAnswerMagic, 4);
    bytes.append(static_cast<char>(kVersion));
    bytes.append(static_cast<char>(frame.kind));
    Append<quint16>(bytes, static_cast<quint16>(frame.width));
    Append<quint16>(bytes, static_cast<quint16>(frame.height));
    Append<quint16>(bytes, 0);
    Append<quint32>(bytes, frame.sequence);
    Append<qint64>(bytes, frame.frameMs);
    return bytes + frame.rgb;
}

ReadState ReadAnswer(const QByteArray& buffer, Frame* frame, qsizetype* used)
{
    if (buffer.size() >= 4 && !buffer.startsWith(QByteArray(kAnswerMagic, 4)))
        return ReadState::Bad;
    if (buffer.size() < HeaderBytes)
        return ReadState::NeedMore;
    Frame read;
    read.kind = static_cast<Kind>(static_cast<quint8>(buffer[5]));
    read.width = Take<quint16>(buffer, 6);
    read.height = Take<quint16>(buffer, 8);
    read.sequence = Take<quint32>(buffer, 12);
    read.frameMs = Take<qint64>(buffer, 16);
    if (static_cast<quint8>(buffer[4]) != kVersion || Take<quint16>(buffer, 10) != 0 || !Fits(read))
        return ReadState::Bad;
    const qsizetype pixels = qsizetype(read.width) * read.height * 3;
    if (buffer.size() < HeaderBytes + pixels)
        return ReadState::NeedMore;
    read.rgb = buffer.mid(HeaderBytes, pixels);
    *frame = read;
    *used = HeaderBytes + pixels;
    return ReadState::Complete;
}

void FitInBox(int width, int height, int* fitWidth, int* fitHeight)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const double scale = std::min({1.0, double(BoxWidth) / width, double(BoxHeight) / height});
    *fitWidth = std::clamp(static_cast<int>(std::lround(width * scale)), 1, BoxWidth);
    *fitHeight = std::clamp(static_cast<int>(std::lround(height * scale)), 1, BoxHeight);
}

} // namespace PreviewProtocol
