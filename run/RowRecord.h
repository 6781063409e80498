// A verified file as the window keeps it: the whole result, when it was
// verified, and its picture once the preview helper has made it.
#ifndef ARDENTIX_RUN_ROWRECORD_H
#define ARDENTIX_RUN_ROWRECORD_H

#include "FileResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>

// The file's picture. It is made after the file was verified, from the
// same file (see PreviewMaker), and never bears on the verdict.
struct RowPreview
{
    enum class State
    {
        None,     // the file has no picture: it could not be decoded
        Waiting,  // asked for, not made yet
        Made,     // an authentic file's from its signed bytes
        Unsigned, // authentic, but no picture lies in its signed bytes
        Changed   // the file changed after it was verified
    };
    State state = State::None;
    // A recording's frame (at frameMs from its start) rather than a still.
    bool frame = false;
    qint64 frameMs = -1;
    // The picture as the window keeps it: a JPEG of at most the preview box
    // (PreviewProtocol), which the window encoded from the helper's pixels.
    QByteArray jpeg;
};

struct RowRecord
{
    FileResult result;
    QDateTime verifiedAt; // UTC
    RowPreview preview{};
};
Q_DECLARE_METATYPE(RowRecord)

#endif
