#include "ProcessLimits.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>
#else
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>
#endif

namespace ProcessLimits {

namespace {

// The helper's whole life may take this much processor time; the window
// starts a new helper when one ends.
constexpr unsigned kLifeCpuSeconds = 600;

} // namespace

#ifdef Q_OS_WIN

namespace {

std::int64_t FileTimeMs(const FILETIME& time)
{
    return static_cast<std::int64_t>((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
}

// The file in progress may use processor time up to this mark (ms); 0
// while there is none. A thread of its own ends the process past it.
std::atomic<std::int64_t> g_cpuMark{0};

} // namespace

bool CapMemory(std::size_t bytes)
{
    // The window puts the helper in a job of its own with the cap; started
    // otherwise, the helper makes one itself. The job's handle stays open
    // for the life of the process.
    BOOL inJob = FALSE;
    if (IsProcessInJob(GetCurrentProcess(), nullptr, &inJob) && inJob)
        return true;
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION | JOB_OBJECT_LIMIT_ACTIVE_PROCESS;
    limits.BasicLimitInformation.ActiveProcessLimit = 1;
    limits.ProcessMemoryLimit = bytes;
    return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits)) &&
           AssignProcessToJobObject(job, GetCurrentProcess());
}

bool LimitLife()
{
    // Below the window's verdicts; no error boxes that would wait for a
    // click nobody gives.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    return SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS) != 0;
}

std::int64_t CpuMsUsed()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    return FileTimeMs(kernel) + FileTimeMs(user);
}

void PrepareBudgets()
{
    std::thread([] {
        for (;;) {
            Sleep(50);
            const std::int64_t mark = g_cpuMark.load();
            if ((mark > 0 && CpuMsUsed() > mark) || CpuMsUsed() > std::int64_t(kLifeCpuSeconds) * 1000)
                TerminateProcess(GetCurrentProcess(), 3);
        }
    }).detach();
}

CpuBudget::CpuBudget(std::uint32_t milliseconds)
{
    g_cpuMark.store(CpuMsUsed() + std::max<std::int64_t>(1, milliseconds));
}

CpuBudget::~CpuBudget()
{
    g_cpuMark.store(0);
}

#else

bool CapMemory(std::size_t bytes)
{
#if defined(ARDENTIX_SANITIZE)
    // The sanitizers reserve terabytes of address space up front.
    (void)bytes;
    return true;
#else
    // The address space, which a decoder's allocations grow.
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_AS, &limit) == 0;
#endif
}

bool LimitLife()
{
    const pid_t parent = getppid();
    // Killed with the window: nobody would read what it makes.
    bool ok = prctl(PR_SET_PDEATHSIG, SIGKILL) == 0;
    // The window may have ended before the line above.
    if (getppid() != parent)
        _exit(0);
    // No core dump of evidence, and no other process of the user's may
    // read this one's memory.
    ok &= prctl(PR_SET_DUMPABLE, 0) == 0;
    const rlimit none{0, 0};
    ok &= setrlimit(RLIMIT_CORE, &none) == 0;
    ok &= setrlimit(RLIMIT_FSIZE, &none) == 0;
    // A write to a regular file then fails (EFBIG) rather than ending the
    // helper: its output may go to a file when it is run by hand. No wall
    // rests on it, so the helper goes on where it cannot be set.
    (void)std::signal(SIGXFSZ, SIG_IGN);
    // Past the soft limit the process gets SIGXCPU, which ends it; at the
    // hard one, SIGKILL.
    const rlimit life{kLifeCpuSeconds, kLifeCpuSeconds + 5};
    ok &= setrlimit(RLIMIT_CPU, &life) == 0;
    // Only the descriptors held now, and room for the one that a request
    // brings.
    int highest = 2;
    for (int fd = 3; fd < 1024; ++fd) {
        if (fcntl(fd, F_GETFD) >= 0)
            highest = fd;
    }
    const rlimit files{rlim_t(highest) + 2, rlim_t(highest) + 2};
    ok &= setrlimit(RLIMIT_NOFILE, &files) == 0;
    // Pictures come after verdicts: the helper yields the processor to them.
    ok &= setpriority(PRIO_PROCESS, 0, 10) == 0;
    return ok;
}

std::int64_t CpuMsUsed()
{
    timespec used{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used) != 0)
        return 0;
    return std::int64_t(used.tv_sec) * 1000 + used.tv_nsec / 1000000;
}

void PrepareBudgets() {}

// ITIMER_PROF counts the process's processor time, in user and system mode
// alike; its signal, not caught, ends the process.
CpuBudget::CpuBudget(std::uint32_t milliseconds)
{
    const std::uint32_t ms = milliseconds == 0 ? 1 : milliseconds;
    itimerval timer{};
    timer.it_value.tv_sec = static_cast<time_t>(ms / 1000);
    timer.it_value.tv_usec = static_cast<suseconds_t>((ms % 1000) * 1000);
    setitimer(ITIMER_PROF, &timer, nullptr);
}

CpuBudget::~CpuBudget()
{
    const itimerval off{};
    setitimer(ITIMER_PROF, &off, nullptr);
}

#endif

} // namespace ProcessLimits
