// Turns the user's paths into verdicts: walks folders, then authenticates
// the files one after another, one worker thread per file, keeping the
// count of entries not reached. What the user sees of it is the observer's.
#ifndef ARDENTIX_RUN_RUNDRIVER_H
#define ARDENTIX_RUN_RUNDRIVER_H

#include "FileJob.h"
#include "RunObserver.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <vector>

struct RunState;

class RunDriver
{
public:
    // The observer is given a frame about this often while a file is
    // verified: a run of many small files is then limited by the engine,
    // not by painting.
    static constexpr qint64 FrameMs = 33;

    RunDriver(RunState& state, RunObserver& observer);

    // Also compute each file's SHA-256 in the same pass.
    void SetSha256(bool sha256) { m_sha256 = sha256; }

    // Walks the folders among paths by the media-file rule, then verifies
    // everything in one run. Nothing is verified when the window closed
    // meanwhile.
    void OpenPaths(const std::vector<QByteArray>& paths);

    // Verifies the files in order. Entries that are neither files nor
    // unlisted folders are skipped; a cancel stops before the next file,
    // and closing the window stops the file in progress.
    void Verify(const std::vector<FileJob>& files);

private:
    void Run(const std::vector<FileJob>& files);
    // Verifies one file on a worker of its own, giving frames meanwhile.
    void VerifyOne(int index, const FileJob& file, bool frameDue);

    RunState& m_state;
    RunObserver& m_observer;
    bool m_sha256 = false;
    QElapsedTimer m_sinceFrame;
};

#endif
