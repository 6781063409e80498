#include "CommandLine.h"

#include "BuildIdentity.h"
#include "Options.h"
#include "Output.h"
#include "PathText.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <cstdio>

namespace {

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
    Options::AddTo(m_parser);
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
    m_check = m_parser.isSet(S("check"));
    return m_check ? ReadCheck() : ReadVerify();
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
        if (!ok || m_jobs < 1 || m_jobs > Options::MaxJobs)
            return Output::UsageError(S("--jobs wants a whole number from 1 to %1, not '%2'")
                                          .arg(Options::MaxJobs)
                                          .arg(m_parser.value(S("jobs"))));
    }
    return std::nullopt;
}

// A re-check: the report, the folder its relative paths are read against,
// and the PATHs searched for moved and new files.
std::optional<int> CommandLine::ReadCheck()
{
    if (const std::optional<QString> refusal = Options::Refusal(m_parser, Options::Check))
        return Output::UsageError(*refusal);
    const bool quiet = m_parser.isSet(S("quiet"));
    m_checkOptions.report = Raw(m_parser.value(S("check")));
    if (m_parser.isSet(S("base")))
        m_checkOptions.base = Raw(m_parser.value(S("base")));
    m_checkOptions.paths = RawPaths(m_parser.positionalArguments());
    m_checkOptions.format = m_format;
    m_checkOptions.jobs = m_jobs;
    m_checkOptions.progress = Output::IsTerminal(stderr) && !quiet;
    m_checkOptions.stdoutIsTerminal = Output::IsTerminal(stdout);
    m_checkOptions.quiet = quiet;
    return std::nullopt;
}

// A plain run: the PATHs, the --files-from list and its form.
std::optional<int> CommandLine::ReadVerify()
{
    // An option that verification does not take (--base without --check) is
    // the first thing to mend, before the PATHs.
    if (const std::optional<QString> refusal = Options::Refusal(m_parser, Options::Verify))
        return Output::UsageError(*refusal);
    const bool fromList = m_parser.isSet(S("files-from"));
    if (m_parser.positionalArguments().isEmpty() && !fromList)
        return Output::UsageError(S("no PATH given: name the files or folders to verify"));
    VerifySources& sources = m_verifyOptions.sources;
    sources.paths = RawPaths(m_parser.positionalArguments());
    if (fromList)
        sources.list = Raw(m_parser.value(S("files-from")));
    sources.listForm = m_parser.isSet(S("null")) ? FileList::NulSeparated : FileList::LineSeparated;
    m_verifyOptions.format = m_format;
    m_verifyOptions.sha256 = m_parser.isSet(S("sha256"));
    m_verifyOptions.jobs = m_jobs;
    m_verifyOptions.quiet = m_parser.isSet(S("quiet"));
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
