#include "VerifyCommand.h"

#include "BatchVerifier.h"
#include "FileJob.h"
#include "InputCollector.h"
#include "Output.h"
#include "Progress.h"
#include "Tally.h"

#include <QtGlobal>

#include <algorithm>
#include <memory>

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

// The command line's files first, then the list's, one entry at a time.
class JobSource
{
public:
    JobSource(const std::vector<FileJob>& files, FileList* list) : m_files(files), m_list(list) {}

    bool Next(FileJob& job)
    {
        if (m_nextFile < m_files.size()) {
            job = m_files[m_nextFile++];
            return true;
        }
        while (m_list != nullptr && m_nextPending >= m_pending.size()) {
            m_pending.clear();
            m_nextPending = 0;
            QByteArray path;
            if (!m_list->Next(path))
                return false;
            InputCollector::CollectOne(path, m_pending);
        }
        if (m_nextPending >= m_pending.size())
            return false;
        job = std::move(m_pending[m_nextPending++]);
        return true;
    }

private:
    const std::vector<FileJob>& m_files;
    FileList* m_list;
    std::size_t m_nextFile = 0;
    std::vector<FileJob> m_pending;
    std::size_t m_nextPending = 0;
};

ReportOptions WriterOptions(const VerifyCommandOptions& options, const std::vector<FileJob>& files)
{
    ReportOptions writer;
    writer.format = options.format;
    writer.sha256 = options.sha256;
    if (options.format != ReportFormat::Text)
        return writer;
    for (const FileJob& file : files)
        writer.pathWidth = std::max(writer.pathWidth, ReportWriter::PathColumnWidth(file.path));
    // A list is read as it goes: its paths' widths are not known in advance.
    if (options.listName)
        writer.pathWidth = ReportWriter::MaxPathWidth;
    writer.colour = ColourWanted();
    return writer;
}

// The exit status once every file has its line.
int Conclude(const Tally& tally, qint64 noDigest, const FileList* list)
{
    if (!Output::Flushed("cannot write the report to stdout"))
        return Output::ExitError;
    if (list != nullptr && list->Failed())
        return Output::UsageError(list->ErrorText());
    if (tally.Total() == 0)
        return Output::Error(
            QStringLiteral("no files to verify: the list and the folders given hold no JPG, AVI or MP4 file"));
    if (noDigest > 0)
        return Output::NoDigestError(noDigest);
    return tally.failed == 0 ? Output::ExitSuccess : Output::ExitFailed;
}

} // namespace

int RunVerify(const VerifyCommandOptions& options)
{
    const std::vector<FileJob> files = InputCollector::Collect(options.paths);
    std::unique_ptr<FileList> list;
    if (options.listName) {
        list = std::make_unique<FileList>(options.listForm);
        if (!list->Open(*options.listName))
            return Output::UsageError(list->ErrorText());
    }
    if (files.empty() && !list)
        return Output::Error(QStringLiteral("no files to verify: the folders given hold no JPG, AVI or MP4 file"));

    qint64 totalBytes = 0;
    for (const FileJob& file : files)
        totalBytes += file.size;
    const ReportWriter writer(WriterOptions(options, files));
    const bool stdoutIsTerminal = Output::IsTerminal(stdout);
    Progress progress(Output::IsTerminal(stderr) && !options.quiet, list ? -1 : static_cast<qint64>(files.size()),
                      totalBytes);

    static char outputBuffer[64 * 1024];
    // Without the larger buffer stdout keeps its own; only speed differs.
    (void)std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));
    Tally tally;
    qint64 noDigest = 0;
    Output::Write(writer.Header());

    BatchVerifier::Callbacks callbacks;
    callbacks.result = [&](const FileResult& result) {
        // Results and progress may share one terminal: take the progress
        // line away while results are written, and put it back after.
        if (stdoutIsTerminal)
            progress.Hide();
        Output::Write(writer.Record(result));
        tally.Add(result);
        if (result.result == AuthResult::InternalError)
            ++noDigest;
    };
    callbacks.batchEnd = [&] {
        (void)std::fflush(stdout);
        progress.Show();
    };
    callbacks.progress = [&](qint64 filesDone, qint64 bytesDone) { progress.Update(filesDone, bytesDone); };
    JobSource source(files, list.get());
    BatchVerifier(options.jobs, options.sha256).Run([&](FileJob& job) { return source.Next(job); }, callbacks);
    progress.Finish();

    if (tally.Total() > 0)
        Output::Write(writer.Summary(tally));
    return Conclude(tally, noDigest, list.get());
}
