// The verifier's command line: its options, their checks, and the paths
// as the system gave them (names that are not UTF-8 included).
#ifndef ARDENTIX_CLI_COMMANDLINE_H
#define ARDENTIX_CLI_COMMANDLINE_H

#include "CheckCommand.h"
#include "VerifyCommand.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QHash>
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
    // Each command reads its own options and refuses those it does not take.
    std::optional<int> ReadCheck();
    std::optional<int> ReadVerify();
    void AddArgument(const QByteArray& raw);
    // An argument's or option value's bytes as the system gave them.
    QByteArray Raw(const QString& parsed) const;
    std::vector<QByteArray> RawPaths(const QStringList& parsed) const;

    QStringList m_decoded;
    // The bytes of each argument that is no UTF-8, by the unique text that
    // stands for it in m_decoded: two such names can decode alike.
    QHash<QString, QByteArray> m_undecoded;
    QCommandLineParser m_parser;
    bool m_check = false;
    ReportFormat m_format = ReportFormat::Text;
    int m_jobs = 1;
    CheckOptions m_checkOptions;
    VerifyCommandOptions m_verifyOptions;
};

#endif
