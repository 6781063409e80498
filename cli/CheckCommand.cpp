#include "CheckCommand.h"

#include "CheckWriter.h"
#include "CustodyCheck.h"
#include "Output.h"
#include "Progress.h"
#include "ReportErrorText.h"

#include "PathText.h"

#include <cstdio>

namespace {

// When most entries were not found at their paths and the report has
// relative paths, the folder they were read against is likely the wrong one:
// the note says which it was and how to name another.
void NoteUnfound(const CustodyCheck& check, const CustodyCounts& counts, const QByteArray& base)
{
    if (!check.MostUnfound(counts))
        return;
    const qint64 entries = counts.Total() - counts.Of(CustodyStatus::New);
    const qint64 unfound = counts.Of(CustodyStatus::Missing) + counts.Of(CustodyStatus::Moved);
    const QString folder = PathText::ForPeople(base.isEmpty() ? CustodyCheck::WorkingFolder() : base);
    (void)std::fprintf(stderr,
                       "%s: note: %lld of %lld entries were not found at their paths; the report's relative paths "
                       "were read against %s (--base FOLDER names the folder they are relative to)\n",
                       Output::Program, static_cast<long long>(unfound), static_cast<long long>(entries),
                       qPrintable(folder));
}

} // namespace

int RunCheck(const CheckOptions& options)
{
    const bool text = options.format == ReportFormat::Text;
    CustodyCheck check(options.report, options.paths, options.jobs);
    check.SetBase(options.base);
    if (!check.Prepare())
        return Output::Error(ReportErrorText(check.Problem()));

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
        return Output::Error(ReportErrorText(check.Problem()));

    const QByteArray summary = CheckWriter::Summary(counts);
    if (text)
        Output::Write(summary);
    else if (!options.quiet)
        Output::Write(summary, stderr);
    if (!Output::Flushed("cannot write to stdout"))
        return Output::ExitError;
    NoteUnfound(check, counts, options.base);
    if (check.NoDigest() > 0)
        return Output::NoDigestError(check.NoDigest());
    return counts.AllUnchanged() ? Output::ExitSuccess : Output::ExitFailed;
}
