#include "CustodyRun.h"

#include "CustodyCheck.h"

CustodyRunResult CheckCustody(const CustodyRequest& request, int jobs, const std::atomic<bool>& stop,
                              const std::function<void(const CustodyProgress&)>& progress)
{
    CustodyRunResult result;
    CustodyCheck check(request.report, request.paths, jobs);
    check.SetBase(request.base);
    if (!check.Prepare([&stop] { return !stop.load(); })) {
        result.problem = check.Problem();
        return result;
    }
    result.prepared = true;
    result.reportCase = check.ReportCase();
    CustodyProgress sofar;
    sofar.totalBytes = check.TotalBytes();
    sofar.totalFiles = check.FileCount();
    progress(sofar);
    CustodyCheck::Callbacks callbacks;
    callbacks.line = [&result](const CustodyLine& line) {
        result.lines.push_back(line);
        result.counts.Add(line.status);
    };
    callbacks.progress = [&sofar, &progress](qint64 files, qint64 bytes) {
        sofar.filesDone = files;
        sofar.bytesDone = bytes;
        progress(sofar);
    };
    const CustodyCheck::Outcome outcome = check.Run(callbacks, &stop);
    result.noDigest = check.NoDigest();
    result.complete = outcome == CustodyCheck::Outcome::Done;
    result.reportSha256 = check.ReportSha256();
    result.mostUnfound = check.MostUnfound(result.counts);
    if (outcome == CustodyCheck::Outcome::ReportFailed) {
        result.prepared = false;
        result.problem = check.Problem();
    }
    return result;
}
