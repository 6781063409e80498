// What the verifier's commands share: the program's name, its exit codes,
// and writing to stdout and stderr.
#ifndef ARDENTIX_CLI_OUTPUT_H
#define ARDENTIX_CLI_OUTPUT_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace Output {

inline constexpr char Program[] = "ardentix-verify";

// Verification: all authentic; any failed. A re-check: all unchanged and
// none new; anything else.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailed = 1;
// A usage error, a report that cannot be read or written, or a digest that
// could not be computed.
inline constexpr int ExitError = 2;

// Writes bytes to stdout. Write errors are collected by the stream and
// checked once, by Flushed.
void Write(const QByteArray& bytes, std::FILE* stream = stdout);

// Flushes stdout; false, after giving message on stderr, when anything
// written to it was lost.
bool Flushed(const char* message);

// "ardentix-verify: message" on stderr. Returns ExitError.
int Error(const QString& message);

// A usage error, with the pointer to --help. Returns ExitError.
int UsageError(const QString& message);

// Says on stderr that count files got no verdict because this system could
// not compute the digest. Returns ExitError.
int NoDigestError(qint64 count);

bool IsTerminal(std::FILE* stream);

} // namespace Output

#endif
