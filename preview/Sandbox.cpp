#include "Sandbox.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>
#else
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <linux/landlock.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace Sandbox {

#ifdef Q_OS_WIN

namespace {

// The process's own token at low integrity and without privileges: what
// a low-integrity process may not write (nearly everything of the user's)
// stays out of reach.
bool LowerProcessToken()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_DEFAULT | TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    bool ok = AdjustTokenPrivileges(token, TRUE, nullptr, 0, nullptr, nullptr) != 0;
    PSID low = nullptr;
    if (ConvertStringSidToSidW(L"S-1-16-4096", &low)) {
        TOKEN_MANDATORY_LABEL label = {};
        label.Label.Attributes = SE_GROUP_INTEGRITY;
        label.Label.Sid = low;
        ok &= SetTokenInformation(token, TokenIntegrityLevel, &label, sizeof(label) + GetLengthSid(low)) != 0;
        LocalFree(low);
    } else {
        ok = false;
    }
    CloseHandle(token);
    return ok;
}

// The thread that decodes runs on a restricted copy of the token: every
// group only for denying, and the null SID as its only restricting SID, so
// that an access check passes almost nowhere.
bool RestrictThread()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY | TOKEN_IMPERSONATE, &token))
        return false;
    PSID nobody = nullptr;
    HANDLE restricted = nullptr;
    bool ok = ConvertStringSidToSidW(L"S-1-0-0", &nobody) != 0;
    if (ok) {
        SID_AND_ATTRIBUTES restricting = {nobody, 0};
        ok = CreateRestrictedToken(token, DISABLE_MAX_PRIVILEGE, 0, nullptr, 0, nullptr, 1, &restricting,
                                   &restricted) != 0;
        LocalFree(nobody);
    }
    HANDLE impersonation = nullptr;
    ok = ok && DuplicateToken(restricted, SecurityImpersonation, &impersonation) &&
         SetThreadToken(nullptr, impersonation);
    if (impersonation != nullptr)
        CloseHandle(impersonation);
    if (restricted != nullptr)
        CloseHandle(restricted);
    CloseHandle(token);
    return ok;
}

// No child processes, through the process mitigation policy where the
// system has it (Windows 10 1709 and later).
bool ForbidChildren()
{
    struct ChildPolicy
    {
        DWORD flags; // bit 0: NoChildProcessCreation
    };
    using SetPolicy = BOOL(WINAPI*)(int, PVOID, SIZE_T);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto set =
        kernel != nullptr ? reinterpret_cast<SetPolicy>(GetProcAddress(kernel, "SetProcessMitigationPolicy")) : nullptr;
    if (set == nullptr)
        return false;
    ChildPolicy policy{1};
    const int kProcessChildProcessPolicy = 13;
    return set(kProcessChildProcessPolicy, &policy, sizeof(policy)) != 0;
}

} // namespace

Walls Install()
{
    Walls walls;
    // The job that the window puts the helper in allows one process, so no
    // child can start even where the policy is not known; the token walls
    // must stand.
    const bool children = ForbidChildren();
    (void)children;
    walls.installed = LowerProcessToken() && RestrictThread();
    return walls;
}

#else

namespace {

#ifndef LANDLOCK_ACCESS_FS_REFER
#define LANDLOCK_ACCESS_FS_REFER (1ULL << 13)
#endif
#ifndef LANDLOCK_ACCESS_FS_TRUNCATE
#define LANDLOCK_ACCESS_FS_TRUNCATE (1ULL << 14)
#endif
#ifndef LANDLOCK_ACCESS_FS_IOCTL_DEV
#define LANDLOCK_ACCESS_FS_IOCTL_DEV (1ULL << 15)
#endif

// The ruleset's attributes as the newest kernels take them; older ones are
// given the part they know.
struct RulesetAttributes
{
    std::uint64_t handledFs;
    std::uint64_t handledNet;
};

// Landlock with every access to files (and, from ABI 4, TCP binds and
// connects) handled and none allowed. 0 where the kernel has no Landlock.
int NoFileAccess()
{
#if defined(SYS_landlock_create_ruleset) && defined(SYS_landlock_restrict_self)
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi <= 0)
        return 0;
    RulesetAttributes attributes{(1ULL << 13) - 1, 0};
    if (abi >= 2)
        attributes.handledFs |= LANDLOCK_ACCESS_FS_REFER;
    if (abi >= 3)
        attributes.handledFs |= LANDLOCK_ACCESS_FS_TRUNCATE;
    if (abi >= 5)
        attributes.handledFs |= LANDLOCK_ACCESS_FS_IOCTL_DEV;
    if (abi >= 4)
        attributes.handledNet = 3; // bind and connect over TCP
    const std::size_t size = abi >= 4 ? sizeof(attributes) : sizeof(attributes.handledFs);
    const int ruleset = static_cast<int>(syscall(SYS_landlock_create_ruleset, &attributes, size, 0));
    if (ruleset < 0)
        return 0;
    const bool restricted = syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    close(ruleset);
    return restricted ? static_cast<int>(abi) : 0;
#else
    return 0;
#endif
}

// The allow-list: every call not named here fails with EPERM.
bool AllowList()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (filter == nullptr)
        return false;
    bool ok = seccomp_attr_set(filter, SCMP_FLTATR_CTL_NNP, 1) == 0;
    const auto allow = [filter, &ok](int call) { ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0) == 0; };
    // Reading the file a request brings, and letting it go.
    for (const int call : {SCMP_SYS(read), SCMP_SYS(readv), SCMP_SYS(pread64), SCMP_SYS(preadv), SCMP_SYS(lseek),
                           SCMP_SYS(close), SCMP_SYS(fstat)})
        allow(call);
    // Memory, never executable.
    for (const int call : {SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(brk), SCMP_SYS(madvise)})
        allow(call);
    for (const int call : {SCMP_SYS(mmap), SCMP_SYS(mprotect)})
        ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0)) == 0;
    // Threads' waits, clocks, the processor-time budget, and the end.
    for (const int call : {SCMP_SYS(futex), SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday),
                           SCMP_SYS(clock_nanosleep), SCMP_SYS(nanosleep), SCMP_SYS(sched_yield), SCMP_SYS(setitimer),
                           SCMP_SYS(getitimer), SCMP_SYS(getrusage), SCMP_SYS(getpid), SCMP_SYS(gettid),
                           SCMP_SYS(getrandom), SCMP_SYS(rt_sigreturn), SCMP_SYS(rt_sigprocmask), SCMP_SYS(sigaltstack),
                           SCMP_SYS(restart_syscall), SCMP_SYS(exit), SCMP_SYS(exit_group)})
        allow(call);
    // A status by descriptor only: the descriptors held name no folder, so
    // no path can be looked up from one.
    const scmp_arg_cmp descriptor = SCMP_A0(SCMP_CMP_MASKED_EQ, 0x80000000u, 0);
    for (const int call : {SCMP_SYS(newfstatat), SCMP_SYS(statx)})
        ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, descriptor) == 0;
    for (const int command : {F_GETFD, F_GETFL})
        ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 1,
                               SCMP_A1(SCMP_CMP_EQ, static_cast<scmp_datum_t>(command))) == 0;
    // Answers on standard output, words on standard error.
    for (const int call : {SCMP_SYS(write), SCMP_SYS(writev)}) {
        ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, SCMP_A0(SCMP_CMP_EQ, 1)) == 0;
        ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, SCMP_A0(SCMP_CMP_EQ, 2)) == 0;
    }
    // Requests, with their descriptors, on the request socket only.
    ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(recvmsg), 1, SCMP_A0(SCMP_CMP_EQ, kRequestSocket)) == 0;
    // A signal to itself only (abort).
    ok &= seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1,
                           SCMP_A0(SCMP_CMP_EQ, static_cast<scmp_datum_t>(getpid()))) == 0;
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

} // namespace

Walls Install()
{
    Walls walls;
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return walls;
    // A second wall behind the allow-list, which already refuses every open.
    walls.landlock = NoFileAccess();
    walls.installed = AllowList();
    return walls;
}

#endif

} // namespace Sandbox
