// Verification: the files and folders named on the command line and in a
// --files-from list, with one line, object or record per file on stdout and
// the progress on stderr. The job itself is core's VerifyJob; this is its
// output.
#ifndef ARDENTIX_CLI_VERIFYCOMMAND_H
#define ARDENTIX_CLI_VERIFYCOMMAND_H

#include "ReportWriter.h"
#include "VerifyJob.h"

struct VerifyCommandOptions
{
    VerifySources sources;
    ReportFormat format = ReportFormat::Text;
    bool sha256 = false;
    int jobs = 1;
    bool quiet = false;
};

// Runs verification. Returns the exit status: 0 when at least one file was
// verified and all are authentic, 1 when any failed, 2 on a usage error,
// when nothing was found to verify, the report cannot be written or a
// digest could not be computed.
int RunVerify(const VerifyCommandOptions& options);

#endif
