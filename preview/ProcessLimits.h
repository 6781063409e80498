// Limits that the preview helper puts on itself before it reads a byte of
// evidence, so that a file crafted against a decoder can only make this
// process fail, never starve the machine, outlive the window or leave
// anything behind.
#ifndef ARDENTIX_PREVIEW_PROCESSLIMITS_H
#define ARDENTIX_PREVIEW_PROCESSLIMITS_H

#include <cstddef>
#include <cstdint>

namespace ProcessLimits {

// Caps the process's memory at bytes. False when the system refused.
bool CapMemory(std::size_t bytes);

// The rest, once start-up is over: the processor time of the helper's
// whole life, no file written, no core dump, no descriptor beyond those
// held and the one a request brings, a priority below the window's, and
// (Linux) death with the window. False when a limit was refused.
bool LimitLife();

// The processor time that the helper has used, in milliseconds.
std::int64_t CpuMsUsed();

// While it runs, the helper ends once it has spent milliseconds of processor
// time beyond what it had used at its start: the time one file may take,
// whatever else the machine is doing.
class CpuBudget
{
public:
    explicit CpuBudget(std::uint32_t milliseconds);
    ~CpuBudget();
    CpuBudget(const CpuBudget&) = delete;
    CpuBudget& operator=(const CpuBudget&) = delete;
};

// Starts what a budget needs (Windows: its watchdog thread); before the
// sandbox, which allows no new thread.
void PrepareBudgets();

} // namespace ProcessLimits

#endif
