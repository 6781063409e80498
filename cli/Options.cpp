#include "Options.h"

#include "ReportFields.h"

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
// The report formats: the text format as written here, then the json and
// csv items, whose columns come from ReportFields (JsonHelp, CsvHelp).
const char kFormatsText[] = "Formats:\n"
                            "  text  one aligned line per file: the verdict, the path, then the start time,\n"
                            "        stop time and serial number, or the reason, and a warning where the\n"
                            "        watermark covers no byte of the file (an MP4 of at most 3146276\n"
                            "        bytes); then\n"
                            "        \"<N> files: <A> authentic, <F> failed\". Coloured only when stdout is a\n"
                            "        terminal (and NO_COLOR is not set).";
const char kJsonItem[] = "  json  ";
const char kJsonStart[] = "JSON Lines: one object per file and nothing else, with ";
// What the help says of a JSON key beyond its name.
struct KeyNote
{
    ReportFields::Field field;
    const char* note;
};
const KeyNote kKeyNotes[] = {
    {ReportFields::Field::Result, "(authentic or failed)"},
    {ReportFields::Field::Reason, "(null when authentic)"},
    {ReportFields::Field::Size, "(bytes)"},
    {ReportFields::Field::ProtectedBytes, "(how many bytes the watermark's digest covers; null when unknown)"},
};
const char kCsvItem[] = "  csv   RFC 4180 (CRLF line ends), header\n";
// The sentence after the CSV header goes on from the header's last line.
const char kCsvGuard[] = " A field that\n"
                         "        starts with =, +, -, @, a tab or a carriage return is written with a\n"
                         "        leading ' so that a spreadsheet shows it as text, never as a formula.";
// The items' lines end before this column, their later lines indented.
const int kItemWidth = 78;
const int kItemIndent = 8;

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

QString S(const char* text)
{
    return text != nullptr ? QString::fromLatin1(text) : QString();
}

// text wrapped into lines of at most width columns: the first after first,
// the others after indent spaces. A line breaks at a space, or after a comma
// that no space follows (between the columns of the CSV header).
QString Wrap(const QString& text, const QString& first, int indent, int width)
{
    QStringList lines;
    QString line = first;
    bool fresh = true; // no word on the line yet
    QString gap;       // what goes between the line so far and the next word
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && text[end] != QLatin1Char(' ') &&
               !(text[end] == QLatin1Char(',') && end + 1 < text.size() && text[end + 1] != QLatin1Char(' ')))
            ++end;
        const bool atSpace = end == text.size() || text[end] == QLatin1Char(' ');
        const QString word = text.mid(at, end - at + (atSpace ? 0 : 1));
        if (!fresh && line.size() + gap.size() + word.size() > width) {
            lines << line;
            line = QString(indent, QLatin1Char(' ')) + word;
        } else {
            line += gap + word;
        }
        fresh = false;
        gap = atSpace ? QStringLiteral(" ") : QString();
        at = end + 1;
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

// A JSON key as the help names it: quoted, with its note.
QString Key(const ReportFields::FieldInfo& info)
{
    QString key = QStringLiteral("\"%1\"").arg(QLatin1String(info.column));
    for (const KeyNote& note : kKeyNotes) {
        if (note.field == info.field)
            key += QLatin1Char(' ') + QLatin1String(note.note);
    }
    return key;
}

// "a", "a and b", "a, b and c".
QString JoinWithAnd(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QLatin1String(", ")) + QLatin1String(" and ") + items.last();
}

// The json item: the keys before the SHA-256, the watermark's in the order
// of its block, the SHA-256, then the keys after it.
QString JsonHelp()
{
    QStringList before;
    QStringList after;
    bool pastSha256 = false;
    for (const ReportFields::FieldInfo& info : ReportFields::Columns(false, true)) {
        if (info.field == ReportFields::Field::Sha256)
            pastSha256 = true;
        else if (!ReportFields::IsWatermarkField(info.field))
            (pastSha256 ? after : before) << Key(info);
    }
    QStringList watermark;
    for (const ReportFields::Field field : ReportFields::WatermarkFields()) {
        if (const char* column = ReportFields::Column(field))
            watermark << QStringLiteral("\"%1\"").arg(QLatin1String(column));
    }
    const QString text = QLatin1String(kJsonStart) + before.join(QLatin1String(", ")) +
                         QLatin1String(", the watermark's ") + watermark.join(QLatin1String(", ")) +
                         QStringLiteral(" (empty when not read), and \"%1\" with --sha256, then ")
                             .arg(QLatin1String(ReportFields::Column(ReportFields::Field::Sha256))) +
                         JoinWithAnd(after) + QLatin1Char('.');
    return Wrap(text, QLatin1String(kJsonItem), kItemIndent, kItemWidth);
}

// The csv item: the header's columns, the SHA-256's said to come with
// --sha256.
QString CsvHelp()
{
    QString header;
    for (const ReportFields::FieldInfo& info : ReportFields::Columns(true, true)) {
        if (info.field == ReportFields::Field::Sha256)
            header += QStringLiteral(" (and ,%1 with --sha256)").arg(QLatin1String(info.column));
        else
            header += (header.isEmpty() ? QString() : QStringLiteral(",")) + QLatin1String(info.column);
    }
    const QString indent(kItemIndent, QLatin1Char(' '));
    return QLatin1String(kCsvItem) + Wrap(header + QLatin1Char('.'), indent, kItemIndent, kItemWidth) +
           QLatin1String(kCsvGuard);
}

// The long help's paragraphs, one empty line between each two.
QString Description()
{
    const QStringList paragraphs = {S(kSummary),
                                    S(kPaths),
                                    S(kFilesFrom),
                                    S(kReasons),
                                    S(kFormatsText) + QLatin1Char('\n') + JsonHelp() + QLatin1Char('\n') + CsvHelp(),
                                    S(kPathText),
                                    S(kCheck),
                                    S(kProgress),
                                    S(kExitStatus)};
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
