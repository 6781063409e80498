// One file's outcome, as the verifier hands it to the report.
#ifndef ARDENTIX_CLI_FILERESULT_H
#define ARDENTIX_CLI_FILERESULT_H

#include "AuthenticateFile.h"
#include "WatermarkRecord.h"

#include <QByteArray>

struct FileResult
{
    // The path as the system names it (see FileJob).
    QByteArray path;
    // AuthAuthentic, or the first check that failed.
    AuthResult result = AuthUnreadable;
    // The watermark's eight fields; all empty when the watermark was not read.
    WatermarkRecord record;
    // The SHA-256 of the whole file in lower-case hexadecimal; empty when it
    // was not asked for or the file could not be read.
    QByteArray sha256;

    bool IsAuthentic() const { return result == AuthAuthentic; }
};

#endif
