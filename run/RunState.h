// What the main window knows of its verification runs: the worker of the
// file in progress, the cancel flag and the three counters that the status
// bar shows, and whether a walk or a run is under way.
#ifndef ARDENTIX_RUN_RUNSTATE_H
#define ARDENTIX_RUN_RUNSTATE_H

#include <atomic>

class VerifyThread;

struct RunState
{
    // The worker of the file being verified; set and deleted by the run.
    VerifyThread* currentWorker = nullptr;
    // Set when the user cancelled the run in progress: the file in progress
    // keeps its row, the files after it are not verified.
    bool cancelRequested = false;
    // Rows in the table plus the entries of the run not reached yet.
    int totalFiles = 0;
    // Rows that show "Authentication succeeded" and "Authentication failed".
    int succeededFiles = 0;
    int failedFiles = 0;

    // A folder walk or a run is under way: nothing else may add or remove
    // rows meanwhile.
    bool busy = false;
    // Set when the window closes: a walk stops, the file in progress stops
    // within one read block and gets no row, and no run starts.
    std::atomic<bool> stopRequested{false};
};

#endif
