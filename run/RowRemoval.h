// Removes the selected rows of the result table, keeping the totals right.
#ifndef ARDENTIX_RUN_ROWREMOVAL_H
#define ARDENTIX_RUN_ROWREMOVAL_H

#include "ResultTable.h"

struct RunState;

// Removes every selected row in one pass, without re-entering the event
// loop: takes each row from the rows' tally by its verdict (succeededFiles
// or failedFiles, and so totalFiles), removes contiguous runs of rows
// together and clears the selection. Returns whether any row went.
bool RemoveSelectedRows(const ResultTable& table, RunState& state);

#endif
