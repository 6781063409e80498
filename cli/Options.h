// The verifier's options, one definition each: its names, its value, its
// help line, the commands that take it, and the usage errors that follow
// from that. The parser, --help and the checks of each command are all
// derived from this table; to add an option, add its row here and read it
// in the command's reader (CommandLine.cpp).
#ifndef ARDENTIX_CLI_OPTIONS_H
#define ARDENTIX_CLI_OPTIONS_H

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace Options {

// The commands, as a set of flags.
enum Command : unsigned
{
    None = 0, // answered before any command runs (--help, --version)
    Verify = 1,
    Check = 2,
    Both = Verify | Check
};

struct Definition
{
    const char* shortName; // nullptr when there is none
    const char* longName;
    const char* valueName; // nullptr for a switch
    const char* defaultValue;
    // The help line, with "%1" for the most jobs and "%2" for the number of
    // processors; nullptr for Qt's own help option.
    const char* help;
    unsigned commands;
    // The usage error when the option is given to a command that does not
    // take it.
    const char* refused = nullptr;
    // The option that it applies to, and the usage error without it.
    const char* needs = nullptr;
    const char* needsText = nullptr;
};

inline constexpr int MaxJobs = 1024;

// Adds every option, the help option and the PATHs to parser, with the
// long help as its description.
void AddTo(QCommandLineParser& parser);

// The first usage error of the options given to command, in the table's
// order: an option that the command does not take, or one given without
// the option that it applies to.
std::optional<QString> Refusal(const QCommandLineParser& parser, Command command);

} // namespace Options

#endif
