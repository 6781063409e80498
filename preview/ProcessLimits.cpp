#include "ProcessLimits.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace ProcessLimits {

bool CapMemory(std::size_t bytes)
{
#ifdef Q_OS_WIN
    // A job of its own with a memory cap; the job's handle stays open for
    // the life of the process, which ends the job with it.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    limits.ProcessMemoryLimit = bytes;
    return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits)) &&
           AssignProcessToJobObject(job, GetCurrentProcess());
#elif defined(ARDENTIX_SANITIZE)
    // The sanitizers reserve terabytes of address space up front.
    (void)bytes;
    return true;
#else
    // The address space, which a decoder's allocations grow.
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_AS, &limit) == 0;
#endif
}

} // namespace ProcessLimits
