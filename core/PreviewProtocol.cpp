#include "PreviewProtocol.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace PreviewProtocol {

namespace {

const char kRequestMagic[4] = {'A', 'R', 'D', 'Q'};
const char kAnswerMagic[4] = {'A', 'R', 'D', 'A'};
constexpr quint8 kVersion = 1;
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

QByteArray Request(const QByteArray& name)
{
    QByteArray bytes(kRequestMagic, 4);
    Append<quint32>(bytes, static_cast<quint32>(name.size()));
    return bytes + name;
}

ReadState ReadRequest(const QByteArray& buffer, QByteArray* name, qsizetype* used)
{
    if (buffer.size() >= 4 && !buffer.startsWith(QByteArray(kRequestMagic, 4)))
        return ReadState::Bad;
    if (buffer.size() < 8)
        return ReadState::NeedMore;
    const quint32 length = Take<quint32>(buffer, 4);
    if (length == 0 || length > MaxNameBytes)
        return ReadState::Bad;
    if (buffer.size() < 8 + static_cast<qsizetype>(length))
        return ReadState::NeedMore;
    *name = buffer.mid(8, length);
    *used = 8 + length;
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
    read.frameMs = Take<qint64>(buffer, 12);
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
