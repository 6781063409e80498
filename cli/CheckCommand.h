// --check REPORT [PATH...]: the re-check against a saved report, with its
// lines on stdout in the chosen format and the progress on stderr.
#ifndef ARDENTIX_CLI_CHECKCOMMAND_H
#define ARDENTIX_CLI_CHECKCOMMAND_H

#include "ReportWriter.h"

#include <QByteArray>

#include <vector>

struct CheckOptions
{
    QByteArray report;
    // The folder that the report's relative paths are read against; empty
    // for the working folder.
    QByteArray base;
    std::vector<QByteArray> paths;
    ReportFormat format = ReportFormat::Text;
    int jobs = 1;
    // Draw the progress line on stderr.
    bool progress = false;
    // Take the progress line away while lines are written (stdout and
    // stderr share a terminal).
    bool stdoutIsTerminal = false;
    // Leave out the summary on stderr that JSON and CSV output get.
    bool quiet = false;
};

// Runs the re-check. Returns the exit status: 0 when every entry is
// unchanged and nothing is new, 1 otherwise, 2 when the report cannot be
// read or is not ours (nothing is verified then), the output cannot be
// written or a digest could not be computed.
int RunCheck(const CheckOptions& options);

#endif
