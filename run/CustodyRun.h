// The re-check against a saved report, run from the window: the report is
// read and the files verified on a thread of their own, while the observer
// shows the progress (the window's modal dialog, with Cancel live) a frame
// at a time. Nothing in the result table changes.
#ifndef ARDENTIX_RUN_CUSTODYRUN_H
#define ARDENTIX_RUN_CUSTODYRUN_H

#include "CheckWriter.h"
#include "ReportProblem.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

struct RunState;

// What a re-check asks for: the report, the folder its relative paths are
// read against, and the files and folders to search for moved and new files,
// all as the system names them.
struct CustodyRequest
{
    QByteArray report;
    QByteArray base;
    std::vector<QByteArray> paths;
};

struct CustodyRunResult
{
    // The report could be read (otherwise problem says why, and nothing was
    // verified).
    bool prepared = false;
    // Every entry compared and the new files found.
    bool complete = false;
    ReportProblem problem;
    std::vector<CustodyLine> lines;
    CustodyCounts counts;
    // Files for which no digest could be computed on this system.
    qint64 noDigest = 0;
    // The SHA-256 of the report's bytes that were compared, and a PDF
    // report's case (JSON; empty when it names none).
    QByteArray reportSha256;
    QByteArray reportCase;
    // Most entries were not found at their paths, though some paths are
    // relative: the base is likely the wrong folder.
    bool mostUnfound = false;
};

// How far a re-check is: files and bytes done of the total, which is known
// once the report has been read (totalFiles is -1 until then).
struct CustodyProgress
{
    qint64 filesDone = 0;
    qint64 totalFiles = -1;
    qint64 bytesDone = 0;
    qint64 totalBytes = 0;
};

class CustodyRun
{
public:
    // Given a frame about every FrameMs while the check runs; returns
    // whether to go on (false: the user cancelled).
    using Frame = std::function<bool(const CustodyProgress&)>;
    static constexpr int FrameMs = 33;

    // state says whether a run is under way and whether the window is
    // closing.
    CustodyRun(RunState& state, int jobs);

    // Checks the files that the report lists, and the paths for moved and
    // new files.
    CustodyRunResult Check(const CustodyRequest& request, const Frame& frame);

private:
    RunState& m_state;
    int m_jobs;
};

#endif
