// The counts of a set of results: every result is authentic or failed, and
// the total is their sum. A file stopped by a cancel counts nowhere.
#ifndef ARDENTIX_CORE_TALLY_H
#define ARDENTIX_CORE_TALLY_H

#include "FileResult.h"

#include <QtGlobal>

struct Tally
{
    qint64 authentic = 0;
    qint64 failed = 0;

    void Add(const FileResult& result)
    {
        if (result.WasStopped())
            return;
        if (result.IsAuthentic())
            ++authentic;
        else
            ++failed;
    }
    // Takes back a result that was added, by its verdict.
    void Remove(bool wasAuthentic)
    {
        if (wasAuthentic)
            --authentic;
        else
            --failed;
    }
    qint64 Total() const { return authentic + failed; }
};

#endif
