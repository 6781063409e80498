#include "VerifyCommand.h"

#include "ListErrorText.h"
#include "Output.h"
#include "Progress.h"

#include <QtGlobal>

#include <algorithm>

using ardentix::engine::AuthResult;

namespace {

bool ColourWanted()
{
    if (!Output::IsTerminal(stdout))
        return false;
    if (!qEnvironmentVariableIsEmpty("NO_COLOR"))
        return false;
    return qgetenv("TERM") != "dumb";
}

ReportOptions WriterOptions(const VerifyCommandOptions& options, const VerifyJob& job)
{
    ReportOptions writer;
    writer.format = options.format;
    writer.sha256 = options.sha256;
    if (options.format != ReportFormat::Text)
        return writer;
    for (const FileJob& file : job.PathFiles())
        writer.pathWidth = std::max(writer.pathWidth, ReportWriter::PathColumnWidth(file.path));
    // A list is read as it goes: its paths' widths are not known in advance.
    if (job.ReadsList())
        writer.pathWidth = ReportWriter::MaxPathWidth;
    writer.colour = ColourWanted();
    return writer;
}

// Each result on stdout as it comes, with the progress line on stderr.
class StdoutSink : public VerifySink
{
public:
    StdoutSink(const ReportWriter& writer, ::Progress& progress)
        : m_writer(writer), m_progress(progress), m_stdoutIsTerminal(Output::IsTerminal(stdout))
    {
    }

    void Result(const FileResult& result) override
    {
        // Results and progress may share one terminal: take the progress
        // line away while results are written, and put it back after.
        if (m_stdoutIsTerminal)
            m_progress.Hide();
        Output::Write(m_writer.Record(result));
    }
    void BatchEnd() override
    {
        (void)std::fflush(stdout);
        m_progress.Show();
    }
    void Progress(qint64 filesDone, qint64 bytesDone) override { m_progress.Update(filesDone, bytesDone); }

private:
    const ReportWriter& m_writer;
    ::Progress& m_progress;
    bool m_stdoutIsTerminal;
};

// The exit status once the job has concluded; after a run, once every
// file has its line.
int ExitStatus(const VerifyJob& job, bool ran)
{
    if (ran && !Output::Flushed("cannot write the report to stdout"))
        return Output::ExitError;
    switch (job.Concluded()) {
    case VerifyJob::Conclusion::ListFailed:
        return Output::UsageError(ListErrorText(job.Problem()));
    case VerifyJob::Conclusion::NothingToVerify:
        return Output::Error(
            ran ? QStringLiteral("no files to verify: the list and the folders given hold no JPG, "
                                 "AVI or MP4 file")
                : QStringLiteral("no files to verify: the folders given hold no JPG, AVI or MP4 file"));
    case VerifyJob::Conclusion::NoDigest:
        return Output::NoDigestError(job.NoDigest());
    case VerifyJob::Conclusion::SomeFailed:
    case VerifyJob::Conclusion::Stopped:
        return Output::ExitFailed;
    case VerifyJob::Conclusion::AllAuthentic:
        break;
    }
    return Output::ExitSuccess;
}

} // namespace

int RunVerify(const VerifyCommandOptions& options)
{
    VerifyJob job(options.sources, options.jobs, options.sha256);
    if (!job.Prepare())
        return ExitStatus(job, false);

    const ReportWriter writer(WriterOptions(options, job));
    Progress progress(Output::IsTerminal(stderr) && !options.quiet, job.FileCount(), job.TotalBytes());
    static char outputBuffer[64 * 1024];
    // Without the larger buffer stdout keeps its own; only speed differs.
    (void)std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));
    Output::Write(writer.Header());

    StdoutSink sink(writer, progress);
    job.Run(sink);
    progress.Finish();
    if (job.Counts().Total() > 0)
        Output::Write(writer.Summary(job.Counts()));
    return ExitStatus(job, true);
}
