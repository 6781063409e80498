// The re-check against a saved report, as the window runs it (on a thread
// of its own, see RunController): the report is read and the files
// verified. Nothing in the result table changes.
#ifndef ARDENTIX_RUN_CUSTODYRUN_H
#define ARDENTIX_RUN_CUSTODYRUN_H

#include "CheckWriter.h"
#include "ReportProblem.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <atomic>
#include <functional>
#include <vector>

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
Q_DECLARE_METATYPE(CustodyProgress)

// Checks the files that the report lists, and the paths for moved and new
// files, on the calling thread, with jobs files at once. stop, set from any
// thread, stops it within one read block; progress is called on this
// thread as files are done.
CustodyRunResult CheckCustody(const CustodyRequest& request, int jobs, const std::atomic<bool>& stop,
                              const std::function<void(const CustodyProgress&)>& progress);

#endif
