#include "CrashReport.h"

#ifdef Q_OS_WIN
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <windows.h>

namespace {

const char* g_program = "";

// A line assembled in a fixed buffer: the handlers may run on a damaged
// heap, so nothing here allocates or takes a lock of the C library.
class Line
{
public:
    void Text(const char* text)
    {
        while (*text != '\0' && m_length < sizeof(m_buffer) - 1)
            m_buffer[m_length++] = *text++;
    }
    void Hex(std::uintptr_t value)
    {
        char digits[2 * sizeof(value)];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value & 0xf];
            value >>= 4;
        } while (value != 0);
        Text("0x");
        while (count > 0 && m_length < sizeof(m_buffer) - 1)
            m_buffer[m_length++] = digits[--count];
    }
    // The module that holds address, by name and offset; UTF-8, as the
    // rest of the program's output.
    void Module(const void* address)
    {
        HMODULE module = nullptr;
        wchar_t wide[MAX_PATH];
        char name[3 * MAX_PATH];
        if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                static_cast<LPCWSTR>(address), &module) ||
            GetModuleFileNameW(module, wide, MAX_PATH) == 0 ||
            WideCharToMultiByte(CP_UTF8, 0, wide, -1, name, sizeof(name), nullptr, nullptr) == 0) {
            Text(" (in no module)");
            return;
        }
        const char* base = name;
        for (const char* c = name; *c != '\0'; ++c)
            if (*c == '\\' || *c == '/')
                base = c + 1;
        Text(" (");
        Text(base);
        Text("+");
        Hex(reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module));
        Text(")");
    }
    void Write()
    {
        Text("\n");
        DWORD written = 0;
        (void)WriteFile(GetStdHandle(STD_ERROR_HANDLE), m_buffer, static_cast<DWORD>(m_length), &written, nullptr);
    }

private:
    char m_buffer[1024] = {};
    std::size_t m_length = 0;
};

void Begin(Line& line)
{
    line.Text(g_program);
    line.Text(": abnormal end: ");
}

LONG WINAPI OnException(EXCEPTION_POINTERS* pointers)
{
    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    Line line;
    Begin(line);
    line.Text("exception ");
    line.Hex(record->ExceptionCode);
    line.Text(" at ");
    line.Hex(reinterpret_cast<std::uintptr_t>(record->ExceptionAddress));
    line.Module(record->ExceptionAddress);
    if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2) {
        line.Text(record->ExceptionInformation[0] == 0 ? ", reading " : ", writing ");
        line.Hex(record->ExceptionInformation[1]);
    }
    line.Text(", thread ");
    line.Hex(GetCurrentThreadId());
    line.Write();
    // The process ends here with the exception's code as its status,
    // without the system's dialog or a debugger.
    TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnAbort(int)
{
    Line line;
    Begin(line);
    line.Text("abort, thread ");
    line.Hex(GetCurrentThreadId());
    line.Write();
    TerminateProcess(GetCurrentProcess(), 3);
}

void OnTerminate()
{
    Line line;
    Begin(line);
    line.Text(std::current_exception() ? "an exception that nothing caught" : "std::terminate");
    line.Text(", thread ");
    line.Hex(GetCurrentThreadId());
    line.Write();
    TerminateProcess(GetCurrentProcess(), 3);
}

} // namespace

namespace CrashReport {

void Install(const char* program)
{
    g_program = program;
    SetUnhandledExceptionFilter(OnException);
    (void)std::signal(SIGABRT, OnAbort);
    std::set_terminate(OnTerminate);
}

} // namespace CrashReport
#endif
