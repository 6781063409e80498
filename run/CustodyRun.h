// The re-check against a saved report, run from the window: the report is
// read and the files verified on a thread of their own, under the same
// modal progress dialog as a verification run, with Cancel live and the
// window painted. Nothing in the result table changes.
#ifndef ARDENTIX_RUN_CUSTODYRUN_H
#define ARDENTIX_RUN_CUSTODYRUN_H

#include "CheckWriter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QProgressDialog;
class QWidget;
struct RunState;

struct CustodyRunResult
{
    // The report could be read (otherwise error says why, and nothing was
    // verified).
    bool prepared = false;
    // Every entry compared and the new files found.
    bool complete = false;
    QString error;
    std::vector<CustodyLine> lines;
    CustodyCounts counts;
    // Files for which no digest could be computed on this system.
    qint64 noDigest = 0;
};

class CustodyRun
{
public:
    // window is the progress dialog's parent; state says whether a run is
    // under way and whether the window is closing.
    CustodyRun(QWidget* window, RunState& state, int jobs);

    // Checks the files that report lists, and the paths for moved and new
    // files.
    CustodyRunResult Check(const QByteArray& report, const std::vector<QByteArray>& paths);

    // A seam for tests: called once the dialog is shown (to press Cancel).
    static std::function<void(QProgressDialog*)>& StartedHook();

private:
    QWidget* m_window;
    RunState& m_state;
    int m_jobs;
};

#endif
