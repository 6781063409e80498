// The re-check against a saved report, run from the window: the report is
// read and the files verified on a thread of their own, under the same
// modal progress dialog as a verification run, with Cancel live and the
// window painted. Nothing in the result table changes.
#ifndef ARDENTIX_RUN_CUSTODYRUN_H
#define ARDENTIX_RUN_CUSTODYRUN_H

#include "CheckWriter.h"
#include "ReportProblem.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QProgressDialog;
class QWidget;
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

class CustodyRun
{
public:
    // window is the progress dialog's parent; state says whether a run is
    // under way and whether the window is closing.
    CustodyRun(QWidget* window, RunState& state, int jobs);

    // Checks the files that the report lists, and the paths for moved and
    // new files.
    CustodyRunResult Check(const CustodyRequest& request);

    // A seam for tests: called once the dialog is shown (to press Cancel).
    static std::function<void(QProgressDialog*)>& StartedHook();

private:
    QWidget* m_window;
    RunState& m_state;
    int m_jobs;
};

#endif
