#include "Output.h"

#ifdef Q_OS_WIN
#include <io.h>
#define ARDENTIX_ISATTY _isatty
#define ARDENTIX_FILENO _fileno
#else
#include <unistd.h>
#define ARDENTIX_ISATTY isatty
#define ARDENTIX_FILENO fileno
#endif

namespace Output {

void Write(const QByteArray& bytes, std::FILE* stream)
{
    (void)std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

bool Flushed(const char* message)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    (void)std::fprintf(stderr, "%s: %s\n", Program, message);
    return false;
}

int Error(const QString& message)
{
    (void)std::fprintf(stderr, "%s: %s\n", Program, qPrintable(message));
    return ExitError;
}

int UsageError(const QString& message)
{
    (void)std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", Program, qPrintable(message),
                       Program);
    return ExitError;
}

int NoDigestError(qint64 count)
{
    (void)std::fprintf(stderr,
                       "%s: %lld file(s) could not be verified: this system could not compute the digest "
                       "(reason internal-error); no verdict was reached for them\n",
                       Program, static_cast<long long>(count));
    return ExitError;
}

bool IsTerminal(std::FILE* stream)
{
    return ARDENTIX_ISATTY(ARDENTIX_FILENO(stream)) != 0;
}

} // namespace Output
