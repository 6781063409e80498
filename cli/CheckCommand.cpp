#include "CheckCommand.h"

#include "CheckWriter.h"
#include "CustodyCheck.h"
#include "Output.h"
#include "Progress.h"

int RunCheck(const CheckOptions& options)
{
    const bool text = options.format == ReportFormat::Text;
    CustodyCheck check(options.report, options.paths, options.jobs);
    if (!check.Prepare())
        return Output::Error(check.ErrorText());

    const CheckWriter writer(options.format, text ? check.PathWidth() : 0);
    Progress progress(options.progress, check.FileCount(), check.TotalBytes());
    Output::Write(writer.Header());
    CustodyCounts counts;

    CustodyCheck::Callbacks callbacks;
    callbacks.line = [&](const CustodyLine& line) {
        if (options.stdoutIsTerminal)
            progress.Hide();
        Output::Write(writer.Record(line));
        counts.Add(line.status);
    };
    callbacks.batchEnd = [&] {
        (void)std::fflush(stdout);
        progress.Show();
    };
    callbacks.progress = [&](qint64 filesDone, qint64 bytesDone) { progress.Update(filesDone, bytesDone); };
    const CustodyCheck::Outcome outcome = check.Run(callbacks);
    progress.Finish();
    if (outcome == CustodyCheck::Outcome::ReportFailed)
        return Output::Error(check.ErrorText());

    const QByteArray summary = CheckWriter::Summary(counts);
    if (text)
        Output::Write(summary);
    else if (!options.quiet)
        Output::Write(summary, stderr);
    if (!Output::Flushed("cannot write to stdout"))
        return Output::ExitError;
    if (check.NoDigest() > 0)
        return Output::NoDigestError(check.NoDigest());
    return counts.AllUnchanged() ? Output::ExitSuccess : Output::ExitFailed;
}
