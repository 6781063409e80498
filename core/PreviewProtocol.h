// What the window and the preview helper say to each other over the
// helper's standard input and output. The helper decodes evidence, which
// may be crafted to attack a decoder, so the window trusts nothing it
// answers: an answer is raw pixels within a fixed box, checked field by
// field before a byte of it is used, and never a compressed image that the
// window would have to decode itself.
//
// The helper never opens a file by its name: each request comes with the
// file already open, the descriptor passed over a Unix socket on Linux (in
// the same message), the handle duplicated into the helper on Windows (its
// value in the request).
//
// A request: "ARDQ", the length of what follows as four bytes (20), a
// version byte (2), the file's type (its FileType plus one), a flags byte
// (1: the file is authentic, so only its signed bytes may make its
// picture), a reserved zero byte, the processor time the file may take in
// milliseconds as four bytes, the request's sequence number as four bytes,
// then the handle as eight bytes (0 on Linux).
// An answer: "ARDA", a version byte (2), a kind byte, the width and height
// as two bytes each, two reserved zero bytes, the sequence number of the
// request it answers as four bytes, the frame's time in milliseconds as
// eight bytes (-1 for a still picture and for none), then width * height *
// 3 bytes of RGB, row by row. All numbers little-endian. An answer whose
// number is not that of the request in progress (a second answer to an
// earlier one) is never taken for the answer to another file.
#ifndef ARDENTIX_CORE_PREVIEWPROTOCOL_H
#define ARDENTIX_CORE_PREVIEWPROTOCOL_H

#include "FileLayout.h"

#include <QByteArray>
#include <QtGlobal>

namespace PreviewProtocol {

// The box that a preview fits in, aspect kept.
constexpr int BoxWidth = 320;
constexpr int BoxHeight = 240;
constexpr int HeaderBytes = 24;
// The helper's descriptor that requests come on (Linux).
constexpr int RequestDescriptor = 3;
// The most memory a helper may take: a 4K frame decoded and converted
// needs well under this.
constexpr qint64 HelperMemoryBytes = qint64(1) << 30;
constexpr int RequestBytes = 28;

enum class Kind : quint8
{
    None = 0,    // the file could not be decoded
    Picture = 1, // a still picture
    Frame = 2,   // one frame of a recording, at frameMs
    // An authentic file of which no picture or key frame lies wholly in
    // its signed bytes: the bytes that could make one are not vouched for.
    Unsigned = 3
};

// What the helper is asked to do with the file that comes with a request.
struct Ask
{
    ardentix::engine::FileType type = ardentix::engine::FileType::Jpg;
    // Only bytes that the signature covers may make the picture.
    bool signedOnly = false;
    // The processor time the helper may spend on the file.
    quint32 cpuMs = 10000;
    // Numbers the request; its answer carries it back.
    quint32 sequence = 0;
    // The helper's handle of the file (Windows).
    quint64 handle = 0;
};

struct Frame
{
    Kind kind = Kind::None;
    int width = 0;
    int height = 0;
    qint64 frameMs = -1;
    // The sequence number of the request answered.
    quint32 sequence = 0;
    // width * height * 3 bytes of RGB.
    QByteArray rgb;
};

QByteArray Request(const Ask& ask);
// A whole request at the start of buffer, and how many bytes it took.
// NeedMore while it is incomplete; Bad when it is none.
enum class ReadState
{
    NeedMore,
    Complete,
    Bad
};
ReadState ReadRequest(const QByteArray& buffer, Ask* ask, qsizetype* used);

QByteArray Answer(const Frame& frame);
// A whole answer at the start of buffer, checked: a size outside the box,
// a kind or version not known, reserved bytes set, a time that a still
// picture cannot have or a recording cannot reach, or pixels missing, make
// it Bad.
ReadState ReadAnswer(const QByteArray& buffer, Frame* frame, qsizetype* used);

// The size that fits width x height into the box, aspect kept, never
// larger than the source; at least one pixel a side.
void FitInBox(int width, int height, int* fitWidth, int* fitHeight);

} // namespace PreviewProtocol

#endif
