#include "FaultProbe.h"

#include "ProcessLimits.h"
#include "Sandbox.h"

#include <QByteArray>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/mman.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace FaultProbe {

namespace {

bool g_twice = false;

QByteArray Contents(ardentix::engine::InputFile& file)
{
    const std::optional<std::int64_t> size = file.Length();
    if (!size || *size <= 0 || *size > std::int64_t(64) * 1024 * 1024)
        return QByteArray();
    QByteArray bytes(static_cast<qsizetype>(*size), '\0');
    if (!file.ReadAt(0, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size())))
        return QByteArray();
    return bytes;
}

} // namespace

void Misbehave(ardentix::engine::InputFile& file)
{
    const QByteArray bytes = Contents(file);
    g_twice = bytes.contains("twice-helper");
    if (bytes.contains("crash-helper"))
        std::abort();
    if (bytes.contains("hang-helper")) {
        for (;;)
            QThread::sleep(60);
    }
    if (bytes.contains("spin-helper")) {
        volatile std::uint64_t turns = 0;
        for (;;)
            turns = turns + 1;
    }
    if (bytes.contains("garble-helper")) {
        // A broken answer on purpose: whether it gets out is the window's
        // concern.
        (void)std::fwrite("ARDA\x07", 1, 5, stdout);
        (void)std::fflush(stdout);
    }
}

bool AnswersTwice()
{
    return g_twice;
}

PreviewProtocol::Frame OtherPicture(quint32 sequence)
{
    PreviewProtocol::Frame frame;
    frame.kind = PreviewProtocol::Kind::Picture;
    frame.width = 2;
    frame.height = 2;
    frame.sequence = sequence;
    frame.rgb = QByteArray(2 * 2 * 3, '\x7f');
    return frame;
}

std::size_t MemoryCap(std::size_t usual)
{
#ifdef _WIN32
    return usual;
#else
    const char* spare = std::getenv("ARDENTIX_PREVIEW_SPARE_MEMORY");
    std::FILE* statm = spare != nullptr ? std::fopen("/proc/self/statm", "r") : nullptr;
    if (statm == nullptr)
        return usual;
    // The first number of the file: the pages the process has mapped.
    char first[32] = {};
    const bool read = std::fgets(first, sizeof(first), statm) != nullptr;
    (void)std::fclose(statm);
    char* end = first;
    const unsigned long pages = read ? std::strtoul(first, &end, 10) : 0;
    if (end == first)
        return usual;
    return std::size_t(pages) * std::size_t(sysconf(_SC_PAGESIZE)) + std::strtoull(spare, nullptr, 10);
#endif
}

int ProbeSandbox()
{
    if (!ProcessLimits::LimitLife())
        std::printf("limits: NOT SET\n");
    const Sandbox::Walls walls = Sandbox::Install();
    std::printf("sandbox: %s\n", walls.installed ? "installed" : "NOT INSTALLED");
    std::printf("landlock: %d\n", walls.landlock);
    struct Attempt
    {
        const char* name;
        std::function<bool()> refused;
    };
    std::vector<Attempt> attempts;
#ifdef _WIN32
    attempts.push_back({"open", [] {
                            const HANDLE file = CreateFileW(L"C:\\windows\\win.ini", GENERIC_READ, FILE_SHARE_READ,
                                                            nullptr, OPEN_EXISTING, 0, nullptr);
                            if (file == INVALID_HANDLE_VALUE)
                                return true;
                            CloseHandle(file);
                            return false;
                        }});
    attempts.push_back({"create", [] {
                            wchar_t folder[MAX_PATH];
                            GetTempPathW(MAX_PATH, folder);
                            const std::wstring path = std::wstring(folder) + L"ardentix-probe.txt";
                            const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                            FILE_FLAG_DELETE_ON_CLOSE, nullptr);
                            if (file == INVALID_HANDLE_VALUE)
                                return true;
                            CloseHandle(file);
                            return false;
                        }});
    attempts.push_back(
        {"execute", [] {
             STARTUPINFOW startup = {};
             startup.cb = sizeof(startup);
             PROCESS_INFORMATION process = {};
             wchar_t line[] = L"cmd.exe /c exit 0";
             if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
                 return true;
             TerminateProcess(process.hProcess, 0);
             CloseHandle(process.hThread);
             CloseHandle(process.hProcess);
             return false;
         }});
#else
    const auto refusedCall = [](long result) { return result < 0 && errno == EPERM; };
    attempts.push_back({"open", [&] { return refusedCall(open("/etc/passwd", O_RDONLY | O_CLOEXEC)); }});
    attempts.push_back({"openat", [&] { return refusedCall(openat(AT_FDCWD, ".", O_RDONLY | O_DIRECTORY)); }});
    attempts.push_back({"create", [&] { return refusedCall(open("/tmp/ardentix-probe", O_CREAT | O_WRONLY, 0600)); }});
    attempts.push_back({"stat by path", [&] {
                            struct stat st;
                            return refusedCall(stat("/etc/passwd", &st));
                        }});
    attempts.push_back({"socket", [&] { return refusedCall(socket(AF_INET, SOCK_STREAM, 0)); }});
    attempts.push_back({"connect", [&] {
                            sockaddr_in address{};
                            address.sin_family = AF_INET;
                            address.sin_port = htons(9);
                            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
                            return refusedCall(connect(Sandbox::kRequestSocket, reinterpret_cast<sockaddr*>(&address),
                                                       sizeof(address)));
                        }});
    attempts.push_back({"bind", [&] {
                            sockaddr_in address{};
                            address.sin_family = AF_INET;
                            return refusedCall(
                                bind(Sandbox::kRequestSocket, reinterpret_cast<sockaddr*>(&address), sizeof(address)));
                        }});
    attempts.push_back({"send", [&] { return refusedCall(send(Sandbox::kRequestSocket, "x", 1, 0)); }});
    attempts.push_back({"fork", [&] {
                            const pid_t child = fork();
                            if (child == 0)
                                _exit(0);
                            if (child > 0)
                                waitpid(child, nullptr, 0);
                            return refusedCall(child);
                        }});
    attempts.push_back({"execve", [&] {
                            char* const args[] = {const_cast<char*>("/bin/true"), nullptr};
                            return refusedCall(execve("/bin/true", args, nullptr));
                        }});
    attempts.push_back({"kill", [&] { return refusedCall(kill(getppid(), 0)); }});
    attempts.push_back({"ptrace", [&] { return refusedCall(ptrace(PTRACE_ATTACH, getppid(), nullptr, nullptr)); }});
    attempts.push_back({"write to a held file", [&] { return refusedCall(write(Sandbox::kRequestSocket, "x", 1)); }});
    attempts.push_back({"executable memory", [&] {
                            void* page = mmap(nullptr, 4096, PROT_READ | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                            if (page != MAP_FAILED)
                                munmap(page, 4096);
                            return page == MAP_FAILED && errno == EPERM;
                        }});
#endif
    int allowed = 0;
    for (const Attempt& attempt : attempts) {
        const bool refused = attempt.refused();
        std::printf("%s: %s\n", attempt.name, refused ? "refused" : "ALLOWED");
        allowed += refused ? 0 : 1;
    }
    const bool written = std::fflush(stdout) == 0;
    return walls.installed && allowed == 0 && written ? 0 : 1;
}

} // namespace FaultProbe
