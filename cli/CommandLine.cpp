#include "CommandLine.h"

#include "BuildIdentity.h"
#include "Output.h"
#include "PathText.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <cstdio>

namespace {

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
                            "not ours or has a bad line (nothing is verified then). The outcome of a\n"
                            "--check is not a report, and is refused as one. Relative paths in the report\n"
                            "are read against the working folder, or against FOLDER with --base FOLDER\n"
                            "(the folder the report was written from); when most entries are not found,\n"
                            "a note on stderr names the folder they were read against.\n"
                            "\n"
                            "Progress (files and bytes done) is shown on stderr when it is a terminal and\n"
                            "--quiet is not given.\n"
                            "\n"
                            "Exit status: 0 when at least one file was verified and all are authentic;\n"
                            "1 when any failed; 2 on a usage error, when the PATHs yield no file at all,\n"
                            "when the report cannot be written, or when a digest could not be computed\n"
                            "(internal-error).";

void PrintVersion()
{
    const QByteArray fingerprint = BuildIdentity::KeyFingerprint();

    std::printf("%s %s\n", Output::Program, qPrintable(BuildIdentity::Version()));
    std::printf("Built-in public key: SHA-256 of the modulus's 256 big-endian bytes:\n  %s\n", fingerprint.constData());
    if (BuildIdentity::IsDevelopmentKey()) {
        std::printf("WARNING: this build carries the development key, whose private half is public:\n"
                    "anyone can sign a file that it accepts as authentic. Its verdicts must not be\n"
                    "trusted for real evidence.\n");
    } else {
        std::printf("This build carries the recording servers' own key, not the development key.\n");
    }
}

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

void AddOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QLatin1String(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOption(
        {{S("f"), S("format")}, S("Report format: text (default), json or csv."), S("text|json|csv"), S("text")});
    parser.addOption({{S("j"), S("jobs")},
                      S("Verify N files at once, 1 to %1 (default: the number of processors, %2).")
                          .arg(kMaxJobs)
                          .arg(QThread::idealThreadCount()),
                      S("N")});
    parser.addOption(
        {S("sha256"), S("Also report the SHA-256 of each whole file (lower-case hex), for chain-of-custody records.")});
    parser.addOption({{S("q"), S("quiet")}, S("Show no progress on stderr.")});
    parser.addOption(
        {S("files-from"), S("Read more PATHs from FILE, one per line (- for standard input)."), S("FILE")});
    parser.addOption({{S("0"), S("null")}, S("The --files-from list is NUL-separated, not line-separated.")});
    parser.addOption({S("check"),
                      S("Verify again the files that REPORT lists and compare each with its entry; the PATHs are "
                        "searched for moved and new files."),
                      S("REPORT")});
    parser.addOption({S("base"),
                      S("Read the relative paths of the --check REPORT against FOLDER (default: the working "
                        "folder)."),
                      S("FOLDER")});
    parser.addHelpOption();
    parser.addOption(
        {S("version"), S("Show the version, the built-in key's fingerprint and whether it is the development key.")});
    parser.addPositionalArgument(S("PATH"), S("A file to verify, or a folder to walk."), S("PATH..."));
}

} // namespace

// On Windows argv is in the ANSI code page, where a name outside it is
// lost; Qt reads the wide command line, and every name converts from it.
CommandLine::CommandLine(int argc, char** argv)
#ifdef Q_OS_WIN
    : m_decoded(QCoreApplication::arguments())
#endif
{
#ifdef Q_OS_WIN
    (void)argc;
    (void)argv;
#else
    for (int i = 0; i < argc; ++i)
        AddArgument(QByteArray(argv[i]));
#endif
}

// Qt would decode an argument that is no UTF-8 with U+FFFD for its bad
// bytes, and two such names could then not be told apart. The parser gets
// a text of its own for each instead (noncharacters and the argument's
// number), with the dashes and the "--option=" that it starts with, so
// that it is parsed as the argument would be.
void CommandLine::AddArgument(const QByteArray& raw)
{
    if (PathText::IsValidUtf8(raw)) {
        m_decoded << QString::fromUtf8(raw);
        return;
    }
    const QString stand = QChar(0xFDD0) + QString::number(m_decoded.size()) + QChar(0xFDD1);
    const qsizetype equals = raw.indexOf('=');
    if (raw.startsWith("--") && equals > 2 && PathText::IsValidUtf8(raw.left(equals))) {
        m_undecoded.insert(stand, raw.mid(equals + 1));
        m_decoded << QString::fromUtf8(raw.left(equals + 1)) + stand;
        return;
    }
    const QString dashes = QString(raw.startsWith("--") ? 2 : raw.startsWith('-') ? 1 : 0, QLatin1Char('-'));
    m_undecoded.insert(dashes + stand, raw);
    m_decoded << dashes + stand;
}

QByteArray CommandLine::Raw(const QString& parsed) const
{
    const auto found = m_undecoded.constFind(parsed);
    return found != m_undecoded.constEnd() ? found.value() : PathText::ToNative(parsed);
}

std::vector<QByteArray> CommandLine::RawPaths(const QStringList& parsed) const
{
    std::vector<QByteArray> paths;
    paths.reserve(static_cast<std::size_t>(parsed.size()));
    for (const QString& argument : parsed)
        paths.push_back(Raw(argument));
    return paths;
}

std::optional<int> CommandLine::Parse()
{
    AddOptions(m_parser);
    if (!m_parser.parse(m_decoded)) {
        QString error = m_parser.errorText();
        for (auto it = m_undecoded.constBegin(); it != m_undecoded.constEnd(); ++it)
            error.replace(it.key(), PathText::ForPeople(it.value()));
        return Output::UsageError(error);
    }
    if (m_parser.isSet(S("help")))
        m_parser.showHelp(Output::ExitSuccess);
    if (m_parser.isSet(S("version"))) {
        PrintVersion();
        return std::fflush(stdout) == 0 ? Output::ExitSuccess : Output::ExitError;
    }
    if (const std::optional<int> status = ReadFormatAndJobs())
        return status;
    return ReadInputs();
}

std::optional<int> CommandLine::ReadFormatAndJobs()
{
    const QString format = m_parser.value(S("format"));
    if (format == QLatin1String("text"))
        m_format = ReportFormat::Text;
    else if (format == QLatin1String("json"))
        m_format = ReportFormat::Json;
    else if (format == QLatin1String("csv"))
        m_format = ReportFormat::Csv;
    else
        return Output::UsageError(S("unknown format '%1': use text, json or csv").arg(format));

    m_jobs = QThread::idealThreadCount();
    if (m_parser.isSet(S("jobs"))) {
        bool ok = false;
        m_jobs = m_parser.value(S("jobs")).toInt(&ok);
        if (!ok || m_jobs < 1 || m_jobs > kMaxJobs)
            return Output::UsageError(
                S("--jobs wants a whole number from 1 to %1, not '%2'").arg(kMaxJobs).arg(m_parser.value(S("jobs"))));
    }
    return std::nullopt;
}

std::optional<int> CommandLine::ReadInputs()
{
    const QStringList positional = m_parser.positionalArguments();
    const bool fromList = m_parser.isSet(S("files-from"));
    const bool quiet = m_parser.isSet(S("quiet"));
    m_check = m_parser.isSet(S("check"));
    if (m_check) {
        if (fromList || m_parser.isSet(S("null")))
            return Output::UsageError(S("--check takes its PATHs on the command line, not from --files-from"));
        m_checkOptions.report = Raw(m_parser.value(S("check")));
        if (m_parser.isSet(S("base")))
            m_checkOptions.base = Raw(m_parser.value(S("base")));
        m_checkOptions.paths = RawPaths(positional);
        m_checkOptions.format = m_format;
        m_checkOptions.jobs = m_jobs;
        m_checkOptions.progress = Output::IsTerminal(stderr) && !quiet;
        m_checkOptions.stdoutIsTerminal = Output::IsTerminal(stdout);
        m_checkOptions.quiet = quiet;
        return std::nullopt;
    }
    if (positional.isEmpty() && !fromList)
        return Output::UsageError(S("no PATH given: name the files or folders to verify"));
    if (m_parser.isSet(S("null")) && !fromList)
        return Output::UsageError(S("-0 applies to the --files-from list: give --files-from too"));
    if (m_parser.isSet(S("base")))
        return Output::UsageError(S("--base applies to the report of --check: give --check too"));
    m_verifyOptions.paths = RawPaths(positional);
    if (fromList)
        m_verifyOptions.listName = Raw(m_parser.value(S("files-from")));
    m_verifyOptions.listForm = m_parser.isSet(S("null")) ? FileList::NulSeparated : FileList::LineSeparated;
    m_verifyOptions.format = m_format;
    m_verifyOptions.sha256 = m_parser.isSet(S("sha256"));
    m_verifyOptions.jobs = m_jobs;
    m_verifyOptions.quiet = quiet;
    return std::nullopt;
}

CheckOptions CommandLine::Check() const
{
    return m_checkOptions;
}

VerifyCommandOptions CommandLine::Verify() const
{
    return m_verifyOptions;
}
