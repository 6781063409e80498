// What the window knows of its verification runs: the worker of the file in
// progress, the cancel flag, the entries of the run not reached yet, and
// whether a walk or a run is under way. The rows' own counts are kept by the
// table's model.
#ifndef ARDENTIX_RUN_RUNSTATE_H
#define ARDENTIX_RUN_RUNSTATE_H

#include <QtGlobal>

#include <atomic>

class VerifyThread;

struct RunState
{
    // The worker of the file being verified, while it is; owned by the run.
    VerifyThread* currentWorker = nullptr;
    // Set when the user cancelled the run in progress: the file in progress
    // keeps its row, the files after it are not verified.
    bool cancelRequested = false;
    // The entries of the run in progress not reached yet: the status bar's
    // total counts them with the rows.
    qint64 notReached = 0;
    // A folder walk or a run is under way: nothing else may add or remove
    // rows meanwhile.
    bool busy = false;
    // Set when the window closes: a walk stops, the file in progress stops
    // within one read block and gets no row, and no run starts.
    std::atomic<bool> stopRequested{false};
};

#endif
