// What a verification run tells the one who shows it (the window's progress
// dialog, or a test), and what it asks of it: whether to go on.
#ifndef ARDENTIX_RUN_RUNOBSERVER_H
#define ARDENTIX_RUN_RUNOBSERVER_H

#include "FileJob.h"
#include "RowRecord.h"

class RunObserver
{
public:
    virtual ~RunObserver() = default;

    // Now and then during a folder walk; false stops the walk.
    virtual bool Walking() { return true; }
    // The verification of count entries begins.
    virtual void Begin(int count) { Q_UNUSED(count) }
    // The worker of entry index has started; frameDue says that a frame is
    // due as well.
    virtual void FileStarted(int index, const FileJob& file, bool frameDue)
    {
        Q_UNUSED(index)
        Q_UNUSED(file)
        Q_UNUSED(frameDue)
    }
    // A frame while entry index is verified, about every FrameMs: done of
    // size bytes are passed.
    virtual void Frame(int index, qint64 done, qint64 size)
    {
        Q_UNUSED(index)
        Q_UNUSED(done)
        Q_UNUSED(size)
    }
    // Asked before each entry: the user cancelled, no entry after this one
    // starts.
    virtual bool Cancelled() const { return false; }
    // A file's verdict, in the order of the entries (a file stopped before
    // its verdict has none).
    virtual void Verified(const RowRecord& record) = 0;
    // The entries not reached changed.
    virtual void Changed() {}
    // The run has ended.
    virtual void End() {}
};

#endif
