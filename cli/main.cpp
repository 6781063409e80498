// ardentix-verify: verifies exported pictures and recordings from the
// command line, many at a time, with a verdict and a reason per file, a
// machine-readable report and an exit status that scripts can trust.
#include "BatchVerifier.h"
#include "BuildIdentity.h"
#include "CustodyCheck.h"
#include "FileJob.h"
#include "FileList.h"
#include "InputCollector.h"
#include "PathText.h"
#include "Progress.h"
#include "ReportWriter.h"
#include "Tally.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define ARDENTIX_ISATTY _isatty
#define ARDENTIX_FILENO _fileno
#else
#include <unistd.h>
#define ARDENTIX_ISATTY isatty
#define ARDENTIX_FILENO fileno
#endif

namespace {

const char kProgram[] = "ardentix-verify";

#ifdef Q_OS_WIN
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
#endif
const int kExitAuthentic = 0;
const int kExitFailed = 1;
const int kExitUsage = 2;
const int kMaxJobs = 1024;

const char kDescription[] = "Verifies that exported pictures (JPG) and recordings (AVI, MP4) are authentic\n"
                            "and unaltered, by their signed watermark and keyed digest.\n"
                            "\n"
                            "A PATH is a file or a folder. A file is verified whatever its name. A folder\n"
                            "is walked recursively: regular files only, no symbolic links, no hidden\n"
                            "entries, and a complete suffix (all after the first dot), in lower case, of\n"
                            "mp4, avi or jpg. A folder's files are reported in byte-wise sorted path order,\n"
                            "and results always come in the order of the PATHs, whatever --jobs is. A PATH\n"
                            "that does not exist, and a folder or subfolder that cannot be listed, is\n"
                            "reported as a failed file with reason \"unreadable\". Put -- before PATHs\n"
                            "that begin with a dash.\n"
                            "\n"
                            "--files-from FILE reads more PATHs from FILE (- for standard input), one per\n"
                            "line, or NUL-separated with -0 (as find -print0 writes them), after the PATHs\n"
                            "on the command line. The list is read as the files are verified, so it may be\n"
                            "any length. An empty entry, a NUL byte in a line-separated list, or a list\n"
                            "that cannot be read is a usage error.\n"
                            "\n"
                            "Reasons (the first check that failed): unreadable, too-short,\n"
                            "unsupported-type, bad-signature, bad-marker, digest-mismatch, and\n"
                            "internal-error when this system could not compute a digest at all (the file\n"
                            "is reported failed, and the exit status is 2).\n"
                            "\n"
                            "Formats:\n"
                            "  text  one aligned line per file: the verdict, the path, then the start time,\n"
                            "        stop time and serial number, or the reason, and a warning where the\n"
                            "        watermark covers no byte of the file (an MP4 of at most 3146276\n"
                            "        bytes); then\n"
                            "        \"<N> files: <A> authentic, <F> failed\". Coloured only when stdout is a\n"
                            "        terminal (and NO_COLOR is not set).\n"
                            "  json  JSON Lines: one object per file and nothing else, with \"path\",\n"
                            "        \"result\" (authentic or failed), \"reason\" (null when authentic), the\n"
                            "        watermark's \"marker\", \"version\", \"hmac\", \"start_time\", \"end_time\",\n"
                            "        \"time_source\", \"serial\", \"camera_mac\" (empty when not read), and\n"
                            "        \"sha256\" with --sha256, then \"size\" (bytes) and \"protected_bytes\" (how\n"
                            "        many bytes the watermark's digest covers; null when unknown).\n"
                            "  csv   RFC 4180 (CRLF line ends), header\n"
                            "        path,result,reason,start_time,end_time,serial,version,time_source,\n"
                            "        camera_mac (and ,sha256 with --sha256),size,protected_bytes. A field that\n"
                            "        starts with =, +, -, @, a tab or a carriage return is written with a\n"
                            "        leading ' so that a spreadsheet shows it as text, never as a formula.\n"
                            "\n"
                            "Paths are shown as UTF-8. A byte that is not part of well-formed UTF-8 is\n"
                            "shown as \\xHH (two hexadecimal digits), so that JSON and CSV stay valid and\n"
                            "the name stays recognisable; in text output, control characters and\n"
                            "bidirectional formatting characters are shown the same way. Files whose\n"
                            "names are not UTF-8 are still found in folders and verified under their own\n"
                            "names. Watermark fields are 8-bit text, read as Latin-1.\n"
                            "\n"
                            "--check REPORT re-verifies every file that a report written with --sha256\n"
                            "(JSON Lines or CSV, from this program or the desktop window's Save Report)\n"
                            "lists, at its path, and compares it with its entry: unchanged (same SHA-256,\n"
                            "result and fields), modified (with the result then and now), missing (no\n"
                            "readable file at the path now), moved (missing, and its SHA-256 is found in\n"
                            "a file under the PATHs that the report does not list), or new (a file under\n"
                            "the PATHs that the report does not list). Lines come in the report's order,\n"
                            "then the new files, then \"<N> files: <U> unchanged, <M> modified, <X>\n"
                            "missing, <V> moved, <W> new\" (on stderr for json and csv). Exit status 0\n"
                            "when all are unchanged and none is new, 1 otherwise, 2 when the report is\n"
                            "not ours or has a bad line (nothing is verified then).\n"
                            "\n"
                            "Progress (files and bytes done) is shown on stderr when it is a terminal and\n"
                            "--quiet is not given.\n"
                            "\n"
                            "Exit status: 0 when at least one file was verified and all are authentic;\n"
                            "1 when any failed; 2 on a usage error, when the PATHs yield no file at all,\n"
                            "when the report cannot be written, or when a digest could not be computed\n"
                            "(internal-error).";

int UsageError(const QString& message)
{
    (void)std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, qPrintable(message),
                       kProgram);
    return kExitUsage;
}

bool IsTerminal(std::FILE* stream)
{
    return ARDENTIX_ISATTY(ARDENTIX_FILENO(stream)) != 0;
}

bool ColourWanted()
{
    if (!IsTerminal(stdout))
        return false;
    if (!qEnvironmentVariableIsEmpty("NO_COLOR"))
        return false;
    return qgetenv("TERM") != "dumb";
}

void PrintVersion()
{
    const QByteArray fingerprint = BuildIdentity::KeyFingerprint();

    std::printf("%s %s\n", kProgram, qPrintable(BuildIdentity::Version()));
    std::printf("Built-in public key: SHA-256 of the modulus's 256 big-endian bytes:\n  %s\n", fingerprint.constData());
    if (BuildIdentity::IsDevelopmentKey()) {
        std::printf("WARNING: this build carries the development key, whose private half is public:\n"
                    "anyone can sign a file that it accepts as authentic. Its verdicts must not be\n"
                    "trusted for real evidence.\n");
    } else {
        std::printf("This build carries the recording servers' own key, not the development key.\n");
    }
}

// The PATHs as the system gave them. Qt decodes the arguments as UTF-8 and
// replaces bytes that are not with U+FFFD, which would lose the name, so each
// positional argument is taken back from argv: positional arguments keep
// their order, and an option value that decodes to the same text has the
// same bytes (every accepted option value is plain ASCII).
std::vector<QByteArray> RawPaths(const QStringList& positional, const std::vector<QByteArray>& raw,
                                 const QStringList& decoded)
{
    std::vector<QByteArray> paths;
    std::size_t next = 1;
    for (const QString& argument : positional) {
        while (next < raw.size() && decoded[static_cast<qsizetype>(next)] != argument)
            ++next;
        if (next < raw.size())
            paths.push_back(raw[next++]);
        else
            paths.push_back(PathText::ToNative(argument));
    }
    return paths;
}

// An option's value as the system gave it: the argument itself, or what
// follows "=" in it, whose decoding matches value.
QByteArray RawOptionValue(const std::vector<QByteArray>& raw, const QString& value)
{
    for (std::size_t i = 1; i < raw.size(); ++i) {
        const QByteArray& argument = raw[i];
        const qsizetype equals = argument.indexOf('=');
        const QByteArray tail = equals >= 0 ? argument.mid(equals + 1) : argument;
        if (PathText::FromNative(tail) == value)
            return tail;
    }
    return PathText::ToNative(value);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kProgram));
    QCoreApplication::setApplicationVersion(BuildIdentity::Version());

    std::vector<QByteArray> raw;
    QStringList decoded;
#ifdef Q_OS_WIN
    // Reports go out byte for byte: no CR before each LF (CSV writes its own
    // CR LF, JSON Lines ends lines with LF alone). A list on standard input
    // comes in byte for byte too, a Ctrl-Z in it being no end of file.
    (void)_setmode(_fileno(stdout), _O_BINARY);
    (void)_setmode(_fileno(stdin), _O_BINARY);
    const ConsoleCodePage consoleCodePage;
    // argv is in the ANSI code page, where a name outside it is lost; Qt
    // reads the wide command line, and every name converts from it.
    (void)argv;
    decoded = QCoreApplication::arguments();
    for (const QString& argument : std::as_const(decoded))
        raw.push_back(PathText::ToNative(argument));
#else
    for (int i = 0; i < argc; ++i) {
        raw.emplace_back(argv[i]);
        decoded << PathText::FromNative(raw.back());
    }
#endif

    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption formatOption(QStringList{QStringLiteral("f"), QStringLiteral("format")},
                                          QStringLiteral("Report format: text (default), json or csv."),
                                          QStringLiteral("text|json|csv"), QStringLiteral("text"));
    const QCommandLineOption jobsOption(
        QStringList{QStringLiteral("j"), QStringLiteral("jobs")},
        QStringLiteral("Verify N files at once, 1 to %1 (default: the number of processors, %2).")
            .arg(kMaxJobs)
            .arg(QThread::idealThreadCount()),
        QStringLiteral("N"));
    const QCommandLineOption sha256Option(
        QStringLiteral("sha256"),
        QStringLiteral("Also report the SHA-256 of each whole file (lower-case hex), for chain-of-custody records."));
    const QCommandLineOption quietOption(QStringList{QStringLiteral("q"), QStringLiteral("quiet")},
                                         QStringLiteral("Show no progress on stderr."));
    const QCommandLineOption filesFromOption(
        QStringLiteral("files-from"), QStringLiteral("Read more PATHs from FILE, one per line (- for standard input)."),
        QStringLiteral("FILE"));
    const QCommandLineOption nullOption(QStringList{QStringLiteral("0"), QStringLiteral("null")},
                                        QStringLiteral("The --files-from list is NUL-separated, not line-separated."));
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("Verify again the files that REPORT lists and compare each with its entry; the PATHs are "
                       "searched for moved and new files."),
        QStringLiteral("REPORT"));
    const QCommandLineOption versionOption(
        QStringLiteral("version"),
        QStringLiteral("Show the version, the built-in key's fingerprint and whether it is the development key."));
    parser.addOption(formatOption);
    parser.addOption(jobsOption);
    parser.addOption(sha256Option);
    parser.addOption(quietOption);
    parser.addOption(filesFromOption);
    parser.addOption(nullOption);
    parser.addOption(checkOption);
    parser.addHelpOption();
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("A file to verify, or a folder to walk."),
                                 QStringLiteral("PATH..."));

    if (!parser.parse(decoded))
        return UsageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(kExitAuthentic);
    if (parser.isSet(versionOption)) {
        PrintVersion();
        return std::fflush(stdout) == 0 ? kExitAuthentic : kExitUsage;
    }

    ReportOptions options;
    const QString format = parser.value(formatOption);
    if (format == QLatin1String("text"))
        options.format = ReportFormat::Text;
    else if (format == QLatin1String("json"))
        options.format = ReportFormat::Json;
    else if (format == QLatin1String("csv"))
        options.format = ReportFormat::Csv;
    else
        return UsageError(QStringLiteral("unknown format '%1': use text, json or csv").arg(format));

    int jobs = QThread::idealThreadCount();
    if (parser.isSet(jobsOption)) {
        bool ok = false;
        jobs = parser.value(jobsOption).toInt(&ok);
        if (!ok || jobs < 1 || jobs > kMaxJobs)
            return UsageError(QStringLiteral("--jobs wants a whole number from 1 to %1, not '%2'")
                                  .arg(kMaxJobs)
                                  .arg(parser.value(jobsOption)));
    }
    options.sha256 = parser.isSet(sha256Option);

    const QStringList positional = parser.positionalArguments();
    const bool fromList = parser.isSet(filesFromOption);
    if (parser.isSet(checkOption)) {
        if (fromList || parser.isSet(nullOption))
            return UsageError(QStringLiteral("--check takes its PATHs on the command line, not from --files-from"));
        CustodyOptions custody;
        custody.report = RawOptionValue(raw, parser.value(checkOption));
        custody.paths = RawPaths(positional, raw, decoded);
        custody.format = options.format;
        custody.jobs = jobs;
        custody.progress = IsTerminal(stderr) && !parser.isSet(quietOption);
        custody.stdoutIsTerminal = IsTerminal(stdout);
        custody.quiet = parser.isSet(quietOption);
        return CustodyCheck(custody).Run();
    }
    if (positional.isEmpty() && !fromList)
        return UsageError(QStringLiteral("no PATH given: name the files or folders to verify"));
    if (parser.isSet(nullOption) && !fromList)
        return UsageError(QStringLiteral("-0 applies to the --files-from list: give --files-from too"));

    const std::vector<FileJob> files = InputCollector::Collect(RawPaths(positional, raw, decoded));
    std::unique_ptr<FileList> list;
    if (fromList) {
        const QByteArray listName = RawOptionValue(raw, parser.value(filesFromOption));
        list = std::make_unique<FileList>(parser.isSet(nullOption) ? FileList::NulSeparated : FileList::LineSeparated);
        if (!list->Open(listName))
            return UsageError(list->ErrorText());
    }
    if (files.empty() && !fromList) {
        (void)std::fprintf(stderr, "%s: no files to verify: the folders given hold no JPG, AVI or MP4 file\n",
                           kProgram);
        return kExitUsage;
    }

    qint64 totalBytes = 0;
    for (const FileJob& file : files) {
        totalBytes += file.size;
        if (options.format == ReportFormat::Text)
            options.pathWidth = std::max(options.pathWidth, ReportWriter::PathColumnWidth(file.path));
    }
    // A list is read as it goes: its paths' widths are not known in advance.
    if (fromList && options.format == ReportFormat::Text)
        options.pathWidth = ReportWriter::MaxPathWidth;
    options.colour = options.format == ReportFormat::Text && ColourWanted();

    const ReportWriter writer(options);
    const bool stdoutIsTerminal = IsTerminal(stdout);
    Progress progress(IsTerminal(stderr) && !parser.isSet(quietOption),
                      fromList ? -1 : static_cast<qint64>(files.size()), totalBytes);

    static char outputBuffer[64 * 1024];
    // Without the larger buffer stdout keeps its own; only speed differs.
    (void)std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));
    // Write errors are collected by the stream and checked once at the end.
    const auto write = [](const QByteArray& bytes) {
        (void)std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    };

    Tally tally;
    qint64 noDigest = 0;
    write(writer.Header());

    BatchVerifier::Callbacks callbacks;
    callbacks.result = [&](const FileResult& result) {
        // Results and progress may share one terminal: take the progress
        // line away while results are written, and put it back after.
        if (stdoutIsTerminal)
            progress.Hide();
        write(writer.Record(result));
        tally.Add(result);
        if (result.result == AuthInternalError)
            ++noDigest;
    };
    callbacks.batchEnd = [&] {
        (void)std::fflush(stdout);
        progress.Show();
    };
    callbacks.progress = [&](qint64 filesDone, qint64 bytesDone) { progress.Update(filesDone, bytesDone); };

    // The command line's files first, then the list's, one at a time.
    std::size_t nextFile = 0;
    std::vector<FileJob> pending;
    std::size_t nextPending = 0;
    const BatchVerifier::Source source = [&](FileJob& job) {
        if (nextFile < files.size()) {
            job = files[nextFile++];
            return true;
        }
        while (list && nextPending >= pending.size()) {
            pending.clear();
            nextPending = 0;
            QByteArray path;
            if (!list->Next(path))
                return false;
            InputCollector::CollectOne(path, pending);
        }
        if (nextPending >= pending.size())
            return false;
        job = std::move(pending[nextPending++]);
        return true;
    };
    BatchVerifier(jobs, options.sha256).Run(source, callbacks);
    progress.Finish();

    if (tally.Total() > 0)
        write(writer.Summary(tally));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        (void)std::fprintf(stderr, "%s: cannot write the report to stdout\n", kProgram);
        return kExitUsage;
    }
    if (list && list->Failed())
        return UsageError(list->ErrorText());
    if (tally.Total() == 0) {
        (void)std::fprintf(
            stderr, "%s: no files to verify: the list and the folders given hold no JPG, AVI or MP4 file\n", kProgram);
        return kExitUsage;
    }
    if (noDigest > 0) {
        (void)std::fprintf(stderr,
                           "%s: %lld file(s) could not be verified: this system could not compute the digest "
                           "(reason internal-error); no verdict was reached for them\n",
                           kProgram, static_cast<long long>(noDigest));
        return kExitUsage;
    }
    return tally.failed == 0 ? kExitAuthentic : kExitFailed;
}
