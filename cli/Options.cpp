#include "Options.h"

#include <QCommandLineOption>
#include <QLatin1String>
#include <QStringList>
#include <QThread>

#include <vector>

namespace Options {
namespace {

// The long help's paragraphs, in the order --help gives them.
// What the program does.
const char kSummary[] = "Verifies that exported pictures (JPG) and recordings (AVI, MP4) are authentic\n"
                        "and unaltered, by their signed watermark and keyed digest.";
// The PATHs: files, folders, and their order.
const char kPaths[] = "A PATH is a file or a folder. A file is verified whatever its name. A folder\n"
                      "is walked recursively: regular files only, no symbolic links, no hidden\n"
                      "entries, and a complete suffix (all after the first dot), in lower case, of\n"
                      "mp4, avi or jpg. A folder's files are reported in byte-wise sorted path order,\n"
                      "and results always come in the order of the PATHs, whatever --jobs is. A PATH\n"
                      "that does not exist, and a folder or subfolder that cannot be listed, is\n"
                      "reported as a failed file with reason \"unreadable\". Put -- before PATHs\n"
                      "that begin with a dash.";
// The --files-from list.
const char kFilesFrom[] = "--files-from FILE reads more PATHs from FILE (- for standard input), one per\n"
                          "line, or NUL-separated with -0 (as find -print0 writes them), after the PATHs\n"
                          "on the command line. The list is read as the files are verified, so it may be\n"
                          "any length. An empty entry, a NUL byte in a line-separated list, or a list\n"
                          "that cannot be read is a usage error.";
// Why a file failed.
const char kReasons[] = "Reasons (the first check that failed): unreadable, too-short,\n"
                        "unsupported-type, bad-signature, bad-marker, digest-mismatch, and\n"
                        "internal-error when this system could not compute a digest at all (the file\n"
                        "is reported failed, and the exit status is 2).";
// The report formats.
const char kFormats[] = "Formats:\n"
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
                        "        leading ' so that a spreadsheet shows it as text, never as a formula.";
// How paths and fields are shown.
const char kPathText[] = "Paths are shown as UTF-8. A byte that is not part of well-formed UTF-8 is\n"
                         "shown as \\xHH (two hexadecimal digits), so that JSON and CSV stay valid and\n"
                         "the name stays recognisable; in text output, control characters and\n"
                         "bidirectional formatting characters are shown the same way. Files whose\n"
                         "names are not UTF-8 are still found in folders and verified under their own\n"
                         "names. Watermark fields are 8-bit text, read as Latin-1.";
// The re-check against a saved report.
const char kCheck[] = "--check REPORT re-verifies every file that a report written with --sha256\n"
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
                      "a note on stderr names the folder they were read against.";
// The progress line.
const char kProgress[] = "Progress (files and bytes done) is shown on stderr when it is a terminal and\n"
                         "--quiet is not given.";
// The exit status.
const char kExitStatus[] = "Exit status: 0 when at least one file was verified and all are authentic;\n"
                           "1 when any failed; 2 on a usage error, when the PATHs yield no file at all,\n"
                           "when the report cannot be written, or when a digest could not be computed\n"
                           "(internal-error).";

const char* const kParagraphs[] = {kSummary,  kPaths, kFilesFrom, kReasons,   kFormats,
                                   kPathText, kCheck, kProgress,  kExitStatus};

// The paragraphs, one empty line between each two.
QString Description()
{
    QStringList paragraphs;
    for (const char* paragraph : kParagraphs)
        paragraphs << QLatin1String(paragraph);
    return paragraphs.join(QLatin1String("\n\n"));
}

const char kPathsFromList[] = "--check takes its PATHs on the command line, not from --files-from";

// Every option, in the order --help lists them: short name, long name,
// value, default, help line, commands; then, where they apply, the refusal
// outside those commands, and the option it needs with the error without it.
// clang-format off
const std::vector<Definition> kTable = {
    {"f", "format", "text|json|csv", "text", "Report format: text (default), json or csv.", Both},
    {"j", "jobs", "N", nullptr, "Verify N files at once, 1 to %1 (default: the number of processors, %2).", Both},
    {nullptr, "sha256", nullptr, nullptr,
     "Also report the SHA-256 of each whole file (lower-case hex), for chain-of-custody records.", Verify,
     "--sha256 applies to verification, not to --check: a re-check compares every file's SHA-256 anyway"},
    {"q", "quiet", nullptr, nullptr, "Show no progress on stderr.", Both},
    {nullptr, "files-from", "FILE", nullptr, "Read more PATHs from FILE, one per line (- for standard input).",
     Verify, kPathsFromList},
    {"0", "null", nullptr, nullptr, "The --files-from list is NUL-separated, not line-separated.", Verify,
     kPathsFromList, "files-from", "-0 applies to the --files-from list: give --files-from too"},
    {nullptr, "check", "REPORT", nullptr,
     "Verify again the files that REPORT lists and compare each with its entry; the PATHs are searched for moved "
     "and new files.", Check},
    {nullptr, "base", "FOLDER", nullptr,
     "Read the relative paths of the --check REPORT against FOLDER (default: the working folder).", Check,
     "--base applies to the report of --check: give --check too"},
    {nullptr, "help", nullptr, nullptr, nullptr, None},
    {nullptr, "version", nullptr, nullptr,
     "Show the version, the built-in key's fingerprint and whether it is the development key.", None},
};
// clang-format on

QString S(const char* text)
{
    return text != nullptr ? QString::fromLatin1(text) : QString();
}

QCommandLineOption ParserOption(const Definition& option)
{
    QStringList names;
    if (option.shortName != nullptr)
        names << S(option.shortName);
    names << S(option.longName);
    QString help = S(option.help);
    if (help.contains(QLatin1String("%1")))
        help = help.arg(MaxJobs).arg(QThread::idealThreadCount());
    return QCommandLineOption(names, help, S(option.valueName), S(option.defaultValue));
}

} // namespace

void AddTo(QCommandLineParser& parser)
{
    parser.setApplicationDescription(Description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const Definition& option : kTable) {
        if (option.help == nullptr)
            parser.addHelpOption(); // Qt's own names and help line
        else
            parser.addOption(ParserOption(option));
    }
    parser.addPositionalArgument(S("PATH"), S("A file to verify, or a folder to walk."), S("PATH..."));
}

std::optional<QString> Refusal(const QCommandLineParser& parser, Command command)
{
    for (const Definition& option : kTable) {
        if (option.commands == None || !parser.isSet(S(option.longName)))
            continue;
        if ((option.commands & command) == 0)
            return S(option.refused);
        if (option.needs != nullptr && !parser.isSet(S(option.needs)))
            return S(option.needsText);
    }
    return std::nullopt;
}

} // namespace Options
