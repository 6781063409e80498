// Runs the built ardentix-verify and reads its reports back, for the tests.
#ifndef ARDENTIX_TESTS_CLIRUN_H
#define ARDENTIX_TESTS_CLIRUN_H

#include "CoreFixtures.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

namespace clitest {

struct Outcome
{
    bool finished = false; // false when it had to be killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// How long a run may take before it counts as hung.
const int kTimeoutMs = 60000;

// Runs the verifier with arguments (encoded like any Qt argument, as UTF-8),
// in this environment and, unless empty, standard input read from inputFile.
Outcome Run(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
            const QString& inputFile = QString(), int timeoutMs = kTimeoutMs);

// Runs the verifier with arguments given byte for byte, through /bin/sh, for
// names that are not UTF-8 (QProcess would re-encode them), in folder
// (given the same way) unless it is empty.
Outcome RunRaw(const QList<QByteArray>& arguments, const QByteArray& folder = QByteArray(), int timeoutMs = kTimeoutMs);

// Runs a shell command line with the environment given, for runs under a
// pseudo-terminal ("script").
Outcome RunShell(const QString& command, const QProcessEnvironment& environment, int timeoutMs = kTimeoutMs);

// JSON Lines: one object per line, each line ended by LF. Sets *error and
// returns what was read so far when the text is not that.
QList<QJsonObject> JsonLines(const QByteArray& text, QString* error);

// The values of keys (one, or several separated by spaces) in JSON Lines,
// as text, a line's joined by a space; "<invalid: ...>" last when the text
// is not JSON Lines.
QStringList JsonValues(const QByteArray& text, const QString& keys);

// Strict RFC 4180 with CRLF line ends: every record ends with CRLF, quoted
// fields may hold commas, CR, LF and doubled quotes, unquoted ones none of
// those. Sets *error when the text is not that.
QList<QStringList> CsvRecords(const QByteArray& text, QString* error);

// A temporary folder that is removed with everything in it, names that are
// not UTF-8 included (Qt's own removal does not see those).
class ScratchDir
{
public:
    ~ScratchDir();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The path of the verifier under test.
QString VerifierPath();

// Writes bytes at path (an 8-bit path, byte for byte).
bool WriteBytes(const QByteArray& path, const std::string& bytes);

} // namespace clitest

#endif
