// What the main window knows of its verification runs: the worker of the
// file in progress, the cancel flag, the table's rows counted by verdict and
// the entries of the run not reached yet (the status bar's three counts),
// and whether a walk or a run is under way.
#ifndef ARDENTIX_RUN_RUNSTATE_H
#define ARDENTIX_RUN_RUNSTATE_H

#include "Tally.h"

#include <QtGlobal>

#include <atomic>

class VerifyThread;

struct RunState
{
    // The worker of the file being verified; set and deleted by the run.
    VerifyThread* currentWorker = nullptr;
    // Set when the user cancelled the run in progress: the file in progress
    // keeps its row, the files after it are not verified.
    bool cancelRequested = false;
    // The rows in the table, by verdict.
    Tally rows;
    // The entries of the run in progress not reached yet.
    qint64 notReached = 0;

    // The status bar's counts by their names: rows that show "Authentication
    // succeeded" and "Authentication failed", and all rows plus the entries
    // not reached yet.
    const qint64& succeededFiles = rows.authentic;
    const qint64& failedFiles = rows.failed;
    struct Total
    {
        const RunState* state;
        operator qint64() const { return state->rows.Total() + state->notReached; }
    };
    const Total totalFiles{this};

    // A folder walk or a run is under way: nothing else may add or remove
    // rows meanwhile.
    bool busy = false;
    // Set when the window closes: a walk stops, the file in progress stops
    // within one read block and gets no row, and no run starts.
    std::atomic<bool> stopRequested{false};
};

#endif
