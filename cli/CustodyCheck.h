// --check REPORT [PATH...]: verifies again every file that a saved report
// lists, at its path, and says for each whether it is unchanged, modified,
// missing or moved; files under the PATHs that the report does not list are
// new.
//
// The report is read twice, as a stream: once to check it whole before any
// file is verified (a report that is not ours, or a bad line, stops the run
// with nothing verified) and to learn which files under the PATHs it lists;
// then again while its files are verified, in its order. The files under the
// PATHs that it does not list are verified first, so that a missing entry
// whose SHA-256 turns up among them is known to have moved by the time its
// line is written; those that no entry claims are written at the end as new.
//
// Memory: nothing per report entry beyond the verifier's window of files in
// progress. Per file under the PATHs: its job (as for verification) and its
// normalised path (about 40 bytes plus the path's length); per file there
// that the report does not list, 56 bytes for its result and the index by
// SHA-256.
#ifndef ARDENTIX_CLI_CUSTODYCHECK_H
#define ARDENTIX_CLI_CUSTODYCHECK_H

#include "CheckWriter.h"
#include "FileResult.h"
#include "ReportReader.h"
#include "ReportWriter.h"

#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <vector>

struct CustodyOptions
{
    QByteArray report;
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

class CustodyCheck
{
public:
    explicit CustodyCheck(const CustodyOptions& options);

    // Runs the check, writing the lines to stdout and messages to stderr.
    // Returns the exit status: 0 when every entry is unchanged and nothing
    // is new, 1 otherwise, 2 when the report cannot be read or is not ours
    // (nothing is verified then), the output cannot be written or a digest
    // could not be computed.
    int Run() const;

    // How the file now compares with its entry: Unchanged, Modified, or
    // Missing when it cannot be read now but could be then. changed gets
    // what differs.
    static CustodyStatus Compare(const ReportEntry& entry, const FileResult& now, QStringList* changed);

    // The path made absolute against cwd, without "." and empty components,
    // so that "a//./b" and "a/b" name the same file. ".." is kept: through a
    // symbolic link it need not mean the parent.
    static QByteArray Normalised(const QByteArray& path, const QByteArray& cwd);

private:
    CustodyOptions m_options;
};

#endif
