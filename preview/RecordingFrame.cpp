// One frame of a recording through FFmpeg's libraries, read from a file that
// the helper opened itself (never through FFmpeg's own file opening, which
// would follow any name and block on a pipe).
#include "Decoders.h"

#include <QFile>
#include <QImage>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace Decoders {

namespace {

constexpr int kIoBufferBytes = 64 * 1024;
// No export is larger than this many pixels a frame (8K is 33 million).
constexpr int kLargestFramePixels = 40 * 1000 * 1000;
// Packets read before a frame is given up on.
constexpr int kMostPackets = 5000;

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

int ReadFile(void* opaque, std::uint8_t* buffer, int size)
{
    const qint64 read = static_cast<QFile*>(opaque)->read(reinterpret_cast<char*>(buffer), size);
    return read > 0 ? static_cast<int>(read) : AVERROR_EOF;
}

std::int64_t SeekFile(void* opaque, std::int64_t offset, int whence)
{
    auto* file = static_cast<QFile*>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file->pos();
        break;
    case SEEK_END:
        offset += file->size();
        break;
    default:
        return -1;
    }
    return file->seek(offset) ? offset : -1;
}

// An open recording: its container, the best video stream and its decoder.
struct Recording
{
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    std::unique_ptr<AVIOContext, IoCloser> io;
    std::unique_ptr<AVCodecContext, CodecCloser> codec;
    int stream = -1;

    bool Open(QFile& file)
    {
        auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferBytes));
        io.reset(avio_alloc_context(buffer, kIoBufferBytes, 0, &file, ReadFile, nullptr, SeekFile));
        if (!io) {
            av_free(buffer);
            return false;
        }
        AVFormatContext* context = avformat_alloc_context();
        if (context == nullptr)
            return false;
        context->pb = io.get();
        context->flags |= AVFMT_FLAG_CUSTOM_IO;
        if (avformat_open_input(&context, nullptr, nullptr, nullptr) < 0)
            return false; // avformat_open_input frees the context on failure
        format.reset(context);
        if (avformat_find_stream_info(context, nullptr) < 0)
            return false;
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (stream < 0 || decoder == nullptr)
            return false;
        codec.reset(avcodec_alloc_context3(decoder));
        if (!codec || avcodec_parameters_to_context(codec.get(), context->streams[stream]->codecpar) < 0)
            return false;
        codec->thread_count = 1;
        codec->max_pixels = kLargestFramePixels;
        return avcodec_open2(codec.get(), decoder, nullptr) >= 0;
    }

    // The next frame that the decoder gives, at or after fromPts.
    bool NextFrame(AVFrame* frame, std::int64_t fromPts)
    {
        std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
        if (!packet)
            return false;
        for (int packets = 0; packets < kMostPackets;) {
            const int received = avcodec_receive_frame(codec.get(), frame);
            if (received == 0) {
                if (frame->best_effort_timestamp == AV_NOPTS_VALUE || frame->best_effort_timestamp >= fromPts)
                    return true;
                continue;
            }
            if (received != AVERROR(EAGAIN))
                return false;
            const int read = av_read_frame(format.get(), packet.get());
            if (read < 0) {
                avcodec_send_packet(codec.get(), nullptr); // drain what the decoder holds
                continue;
            }
            ++packets;
            if (packet->stream_index == stream)
                avcodec_send_packet(codec.get(), packet.get());
            av_packet_unref(packet.get());
        }
        return false;
    }

    // The stream's length in its own time base; 0 when unknown.
    std::int64_t Duration() const
    {
        const AVStream* video = format->streams[stream];
        if (video->duration > 0)
            return video->duration;
        if (format->duration > 0)
            return av_rescale_q(format->duration, AVRational{1, AV_TIME_BASE}, video->time_base);
        return 0;
    }

    qint64 Milliseconds(std::int64_t pts) const
    {
        const AVStream* video = format->streams[stream];
        if (pts == AV_NOPTS_VALUE)
            return 0;
        const std::int64_t start = video->start_time == AV_NOPTS_VALUE ? 0 : video->start_time;
        return qMax<qint64>(0, av_rescale_q(pts - start, video->time_base, AVRational{1, 1000}));
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
    int brightest = 0;
    for (int y = 0; y < small.height(); ++y) {
        const uchar* line = small.constScanLine(y);
        for (int x = 0; x < small.width(); ++x)
            brightest = qMax<int>(brightest, line[x]);
    }
    return brightest < 24;
}

} // namespace

PreviewProtocol::Frame RecordingFrame(QFile& file)
{
    av_log_set_level(AV_LOG_QUIET);
    Recording recording;
    if (!recording.Open(file))
        return {};
    std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
    if (!frame || !recording.NextFrame(frame.get(), AV_NOPTS_VALUE))
        return {};
    QImage image = ToImage(frame.get());
    qint64 at = recording.Milliseconds(frame->best_effort_timestamp);
    const AVStream* video = recording.format->streams[recording.stream];
    const std::int64_t duration = recording.Duration();
    if (!image.isNull() && IsBlack(image) && duration > 0) {
        // The first frame is black: the frame at a tenth of the length.
        const std::int64_t start = video->start_time == AV_NOPTS_VALUE ? 0 : video->start_time;
        const std::int64_t target = start + duration / 10;
        if (av_seek_frame(recording.format.get(), recording.stream, target, AVSEEK_FLAG_BACKWARD) >= 0) {
            avcodec_flush_buffers(recording.codec.get());
            if (recording.NextFrame(frame.get(), target)) {
                const QImage later = ToImage(frame.get());
                if (!later.isNull()) {
                    image = later;
                    at = recording.Milliseconds(frame->best_effort_timestamp);
                }
            }
        }
    }
    if (image.isNull())
        return {};
    return FromImage(image, PreviewProtocol::Kind::Frame, at);
}

} // namespace Decoders
