// Removes the selected rows of the result table; the model takes them from
// its counts.
#ifndef ARDENTIX_UI_ROWREMOVAL_H
#define ARDENTIX_UI_ROWREMOVAL_H

#include "ResultTable.h"

// Removes every selected row in one pass, without re-entering the event
// loop, and clears the selection. Returns whether any row went.
bool RemoveSelectedRows(const ResultTable& table);

#endif
