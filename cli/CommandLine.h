// The verifier's command line: its options, their checks, and the paths
// as the system gave them (names that are not UTF-8 included).
#ifndef ARDENTIX_CLI_COMMANDLINE_H
#define ARDENTIX_CLI_COMMANDLINE_H

#include "CheckCommand.h"
#include "VerifyCommand.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <vector>

class CommandLine
{
public:
    // Takes the arguments as the system gave them; on Windows from the wide
    // command line, through QCoreApplication.
    CommandLine(int argc, char** argv);

    // Parses and checks the options. An exit status when the program is
    // done (--help, --version, a usage error); nothing when a command is
    // to run.
    std::optional<int> Parse();

    bool IsCheck() const { return m_check; }
    CheckOptions Check() const;
    VerifyCommandOptions Verify() const;

private:
    std::optional<int> ReadFormatAndJobs();
    std::optional<int> ReadInputs();

    std::vector<QByteArray> m_raw;
    QStringList m_decoded;
    QCommandLineParser m_parser;
    bool m_check = false;
    ReportFormat m_format = ReportFormat::Text;
    int m_jobs = 1;
    CheckOptions m_checkOptions;
    VerifyCommandOptions m_verifyOptions;
};

#endif
