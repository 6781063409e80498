// ardentix-verify: verifies exported pictures and recordings from the
// command line, many at a time, with a verdict and a reason per file, a
// machine-readable report and an exit status that scripts can trust; and
// re-checks files against a saved report.
#include "BuildIdentity.h"
#include "CommandLine.h"
#include "Output.h"

#include <QCoreApplication>
#include <QLatin1String>

#ifdef Q_OS_WIN
#include "CrashReport.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// A console shows the UTF-8 output as text while the program runs; the code
// page it had comes back at the end.
class ConsoleCodePage
{
public:
    ConsoleCodePage() : m_previous(GetConsoleOutputCP())
    {
        if (m_previous != 0)
            (void)SetConsoleOutputCP(CP_UTF8);
    }
    ~ConsoleCodePage()
    {
        if (m_previous != 0)
            (void)SetConsoleOutputCP(m_previous);
    }
    ConsoleCodePage(const ConsoleCodePage&) = delete;
    ConsoleCodePage& operator=(const ConsoleCodePage&) = delete;

private:
    UINT m_previous;
};
} // namespace
#endif

int main(int argc, char** argv)
{
#ifdef Q_OS_WIN
    CrashReport::Install(Output::Program);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(Output::Program));
    QCoreApplication::setApplicationVersion(BuildIdentity::Version());
#ifdef Q_OS_WIN
    // Reports go out byte for byte: no CR before each LF (CSV writes its own
    // CR LF, JSON Lines ends lines with LF alone). A list on standard input
    // comes in byte for byte too, a Ctrl-Z in it being no end of file.
    (void)_setmode(_fileno(stdout), _O_BINARY);
    (void)_setmode(_fileno(stdin), _O_BINARY);
    const ConsoleCodePage consoleCodePage;
#endif

    CommandLine commandLine(argc, argv);
    if (const std::optional<int> status = commandLine.Parse())
        return *status;
    return commandLine.IsCheck() ? RunCheck(commandLine.Check()) : RunVerify(commandLine.Verify());
}
