// One key frame of a recording through FFmpeg's libraries, held to what
// exports need: the container is the one the file's type names (never
// probed from the content, which would let a text file named .mp4 be read
// as a playlist or a stream description), no protocol and no nested open
// (a container that names other files or addresses reaches none of them),
// and only the decoders that exports use.
//
// Each key frame is decoded on its own, from one packet: the pixels come
// from that packet's bytes and the stream's headers, nothing else. For an
// authentic file the packet's bytes must be the file's own bytes at a place
// that the signature covers, read back from the file and compared.
#include "Decoders.h"

#include <QImage>
#include <QTransform>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

using ardentix::engine::FileLayout;
using ardentix::engine::FileType;
using ardentix::engine::InputFile;
using ardentix::engine::LayoutOf;

namespace Decoders {

namespace {

constexpr int kIoBufferBytes = 64 * 1024;
// No export is larger than this many pixels a frame (8K is 33 million).
constexpr int kLargestFramePixels = 40 * 1000 * 1000;
// Packets read before a frame is given up on.
constexpr int kMostPackets = 5000;
// Black key frames passed over before the first is taken after all.
constexpr int kMostBlackFrames = 30;
// The decoders of the codecs that exports use.
const char kDecoders[] = "mjpeg,h264,hevc,mpeg4";

struct FormatCloser
{
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct IoCloser
{
    void operator()(AVIOContext* io) const
    {
        if (io != nullptr)
            av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct CodecCloser
{
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameCloser
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketCloser
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleCloser
{
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};

// The file as FFmpeg reads it: by offset from the open file, with a
// position of its own.
struct Source
{
    InputFile* file = nullptr;
    std::int64_t size = 0;
    std::int64_t position = 0;
};

int ReadSource(void* opaque, std::uint8_t* buffer, int size)
{
    auto* source = static_cast<Source*>(opaque);
    const std::int64_t left = source->size - source->position;
    if (left <= 0)
        return AVERROR_EOF;
    const int want = static_cast<int>(std::min<std::int64_t>(left, size));
    if (!source->file->ReadAt(source->position, buffer, static_cast<std::size_t>(want)))
        return AVERROR(EIO);
    source->position += want;
    return want;
}

std::int64_t SeekSource(void* opaque, std::int64_t offset, int whence)
{
    auto* source = static_cast<Source*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return source->size;
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += source->position;
        break;
    case SEEK_END:
        offset += source->size;
        break;
    default:
        return -1;
    }
    if (offset < 0 || offset > source->size)
        return -1;
    source->position = offset;
    return offset;
}

// Every file that a container names, and every address, stays closed.
int RefuseOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**)
{
    return AVERROR(EPERM);
}

bool SetText(char** field, const char* text)
{
    av_freep(field);
    *field = av_strdup(text);
    return *field != nullptr;
}

// An open recording: its container, its video stream and the decoder.
struct Recording
{
    Source source;
    FileLayout layout{};
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    std::unique_ptr<AVIOContext, IoCloser> io;
    std::unique_ptr<AVCodecContext, CodecCloser> codec;
    int stream = -1;

    bool Open(InputFile& file, FileType type)
    {
        const std::optional<std::int64_t> size = file.Length();
        if (!size)
            return false;
        source = Source{&file, *size, 0};
        layout = LayoutOf(type);
        auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferBytes));
        if (buffer == nullptr)
            return false;
        io.reset(avio_alloc_context(buffer, kIoBufferBytes, 0, &source, ReadSource, nullptr, SeekSource));
        if (!io) {
            av_free(buffer);
            return false;
        }
        const bool avi = type == FileType::Avi;
        const AVInputFormat* container = av_find_input_format(avi ? "avi" : "mov");
        AVFormatContext* context = avformat_alloc_context();
        if (container == nullptr || context == nullptr)
            return false;
        context->pb = io.get();
        context->flags |= AVFMT_FLAG_CUSTOM_IO;
        context->io_open = RefuseOpen;
        if (!SetText(&context->protocol_whitelist, "none") ||
            !SetText(&context->format_whitelist, avi ? "avi" : "mov,mp4,m4a,3gp,3g2,mj2") ||
            !SetText(&context->codec_whitelist, kDecoders)) {
            avformat_free_context(context);
            return false;
        }
        AVDictionary* raw = nullptr;
        if (!avi) {
            // No data references to other files, relative or absolute.
            av_dict_set(&raw, "enable_drefs", "0", 0);
            av_dict_set(&raw, "use_absolute_path", "0", 0);
        }
        const int opened = avformat_open_input(&context, nullptr, container, &raw);
        av_dict_free(&raw);
        if (opened < 0)
            return false; // avformat_open_input frees the context on failure
        format.reset(context);
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (stream < 0 || decoder == nullptr || !Allowed(decoder->id))
            return false;
        for (unsigned i = 0; i < context->nb_streams; ++i)
            context->streams[i]->discard = static_cast<int>(i) == stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        codec.reset(avcodec_alloc_context3(decoder));
        if (!codec || avcodec_parameters_to_context(codec.get(), context->streams[stream]->codecpar) < 0)
            return false;
        codec->thread_count = 1;
        codec->max_pixels = kLargestFramePixels;
        AVDictionary* options = nullptr;
        av_dict_set(&options, "codec_whitelist", kDecoders, 0);
        const int ready = avcodec_open2(codec.get(), decoder, &options);
        av_dict_free(&options);
        return ready >= 0;
    }

    static bool Allowed(AVCodecID id)
    {
        return id == AV_CODEC_ID_MJPEG || id == AV_CODEC_ID_H264 || id == AV_CODEC_ID_HEVC || id == AV_CODEC_ID_MPEG4;
    }

    // The packet's bytes are the file's own bytes at a place that the
    // signature covers. A container's packet position is its data's offset,
    // or (AVI) that of the chunk header before it; the bytes decide which.
    bool IsSigned(const AVPacket* packet) const
    {
        if (packet->pos < 0 || packet->size <= 0)
            return false;
        std::vector<unsigned char> bytes(static_cast<std::size_t>(packet->size));
        for (const std::int64_t at : {packet->pos, packet->pos + 8}) {
            if (WithinSigned(at, at + packet->size, source.size, layout) &&
                source.file->ReadAt(at, bytes.data(), bytes.size()) &&
                std::memcmp(bytes.data(), packet->data, bytes.size()) == 0)
                return true;
        }
        return false;
    }

    // Decodes the one packet on its own: a whole key frame, or nothing.
    bool DecodeAlone(const AVPacket* packet, AVFrame* frame)
    {
        avcodec_flush_buffers(codec.get());
        if (avcodec_send_packet(codec.get(), packet) < 0)
            return false;
        avcodec_send_packet(codec.get(), nullptr);
        while (true) {
            const int received = avcodec_receive_frame(codec.get(), frame);
            if (received != 0)
                return false;
            if ((frame->flags & AV_FRAME_FLAG_CORRUPT) == 0 && frame->decode_error_flags == 0 &&
                (frame->key_frame != 0 || frame->pict_type == AV_PICTURE_TYPE_I))
                return true;
            av_frame_unref(frame);
        }
    }

    // The next key frame, within the signed bytes when signedOnly.
    // *sawKey tells whether any key frame was read at all.
    bool NextKeyFrame(AVFrame* frame, bool signedOnly, int* packets, bool* sawKey)
    {
        std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
        if (!packet)
            return false;
        while (*packets < kMostPackets) {
            if (av_read_frame(format.get(), packet.get()) < 0)
                return false;
            ++*packets;
            const bool key = packet->stream_index == stream && (packet->flags & AV_PKT_FLAG_KEY) != 0;
            *sawKey = *sawKey || key;
            const bool taken = key && (!signedOnly || IsSigned(packet.get())) && DecodeAlone(packet.get(), frame);
            av_packet_unref(packet.get());
            if (taken)
                return true;
        }
        return false;
    }

    qint64 Milliseconds(std::int64_t pts) const
    {
        const AVStream* video = format->streams[stream];
        if (pts == AV_NOPTS_VALUE)
            return 0;
        const std::int64_t start = video->start_time == AV_NOPTS_VALUE ? 0 : video->start_time;
        return qMax<qint64>(0, av_rescale_q(pts - start, video->time_base, AVRational{1, 1000}));
    }

    // Clockwise quarter turns that the stream's display matrix asks for.
    int QuarterTurns() const
    {
        std::size_t size = 0;
        const std::uint8_t* matrix = av_stream_get_side_data(format->streams[stream], AV_PKT_DATA_DISPLAYMATRIX, &size);
        if (matrix == nullptr || size < 9 * sizeof(std::int32_t))
            return 0;
        const double counterclockwise = av_display_rotation_get(reinterpret_cast<const std::int32_t*>(matrix));
        if (std::isnan(counterclockwise))
            return 0;
        const long turns = std::lround(-counterclockwise / 90.0);
        return static_cast<int>(((turns % 4) + 4) % 4);
    }
};

QImage ToImage(const AVFrame* frame)
{
    if (frame->width <= 0 || frame->height <= 0)
        return QImage();
    QImage image(frame->width, frame->height, QImage::Format_RGB888);
    if (image.isNull())
        return image;
    std::unique_ptr<SwsContext, ScaleCloser> scale(
        sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), frame->width,
                       frame->height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scale)
        return QImage();
    std::uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
    if (sws_scale(scale.get(), frame->data, frame->linesize, 0, frame->height, planes, strides) != frame->height)
        return QImage();
    return image;
}

// Black, or nearly: what a camera records before its picture comes up.
bool IsBlack(const QImage& image)
{
    const QImage small = image.scaled(32, 24).convertToFormat(QImage::Format_Grayscale8);
    if (small.isNull())
        return false;
    int brightest = 0;
    for (int y = 0; y < small.height(); ++y) {
        const uchar* line = small.constScanLine(y);
        for (int x = 0; x < small.width(); ++x)
            brightest = qMax<int>(brightest, line[x]);
    }
    return brightest < 24;
}

} // namespace

PreviewProtocol::Frame RecordingFrame(InputFile& file, FileType type, bool signedOnly)
{
    av_log_set_level(AV_LOG_QUIET);
    Recording recording;
    if (!recording.Open(file, type))
        return {};
    std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
    if (!frame)
        return {};
    int packets = 0;
    bool sawKey = false;
    QImage image;
    qint64 at = -1;
    // The first key frame, or the first after it that is not black.
    for (int black = 0; black <= kMostBlackFrames; ++black) {
        if (!recording.NextKeyFrame(frame.get(), signedOnly, &packets, &sawKey))
            break;
        const QImage decoded = ToImage(frame.get());
        const qint64 ms = recording.Milliseconds(frame->best_effort_timestamp);
        av_frame_unref(frame.get());
        if (decoded.isNull())
            break;
        if (image.isNull()) {
            image = decoded;
            at = ms;
        }
        if (!IsBlack(decoded)) {
            image = decoded;
            at = ms;
            break;
        }
    }
    if (image.isNull()) {
        // Key frames there were, but none in the signed bytes.
        PreviewProtocol::Frame none;
        if (signedOnly && sawKey)
            none.kind = PreviewProtocol::Kind::Unsigned;
        return none;
    }
    if (const int turns = recording.QuarterTurns())
        image = image.transformed(QTransform().rotate(90.0 * turns));
    return FromImage(image, PreviewProtocol::Kind::Frame, at);
}

} // namespace Decoders
