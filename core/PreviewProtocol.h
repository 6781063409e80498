// What the window and the preview helper say to each other over the
// helper's standard input and output. The helper decodes evidence, which
// may be crafted to attack a decoder, so the window trusts nothing it
// answers: an answer is raw pixels within a fixed box, checked field by
// field before a byte of it is used, and never a compressed image that the
// window would have to decode itself.
//
// A request: "ARDQ", the length of the name as four bytes (little-endian),
// then the name's bytes (as PathText::ToNative gives them).
// An answer: "ARDA", a version byte (1), a kind byte, the width and height
// as two bytes each, two reserved zero bytes, the frame's time in
// milliseconds as eight bytes (-1 for a still picture and for none), then
// width * height * 3 bytes of RGB, row by row. All numbers little-endian.
#ifndef ARDENTIX_CORE_PREVIEWPROTOCOL_H
#define ARDENTIX_CORE_PREVIEWPROTOCOL_H

#include <QByteArray>
#include <QtGlobal>

namespace PreviewProtocol {

// The box that a preview fits in, aspect kept.
constexpr int BoxWidth = 320;
constexpr int BoxHeight = 240;
// The longest name a request carries.
constexpr int MaxNameBytes = 64 * 1024;
constexpr int HeaderBytes = 20;

enum class Kind : quint8
{
    None = 0,    // the file could not be decoded
    Picture = 1, // a still picture
    Frame = 2    // one frame of a recording, at frameMs
};

struct Frame
{
    Kind kind = Kind::None;
    int width = 0;
    int height = 0;
    qint64 frameMs = -1;
    // width * height * 3 bytes of RGB.
    QByteArray rgb;
};

QByteArray Request(const QByteArray& name);
// A whole request at the start of buffer: its name, and how many bytes it
// took. NeedMore while it is incomplete; Bad when it is none.
enum class ReadState
{
    NeedMore,
    Complete,
    Bad
};
ReadState ReadRequest(const QByteArray& buffer, QByteArray* name, qsizetype* used);

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
