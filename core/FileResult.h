// One file's outcome, as the desktop program and the verifier show it.
#ifndef ARDENTIX_CORE_FILERESULT_H
#define ARDENTIX_CORE_FILERESULT_H

#include "AuthenticateFile.h"
#include "WatermarkRecord.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct FileResult
{
    // The path as the system names it (see FileJob), and as text for
    // display: well-formed UTF-8 decoded, other bytes shown as "\xHH".
    QByteArray path;
    QString displayPath;
    // The path named a folder that could not be listed.
    bool unlistedFolder = false;
    // The length from the status call; -1 when there was none.
    qint64 size = -1;
    // AuthAuthentic, the first check that failed, or why there is no verdict.
    AuthResult result = AuthUnreadable;
    // The watermark's eight fields; all empty when the watermark was not read.
    WatermarkRecord record;
    // The bytes that the watermark's digest covers, and their total; known
    // once the file's length and type are.
    bool coverageKnown = false;
    ProtectedRanges covered;
    // The SHA-256 of the whole file in lower-case hexadecimal; empty when it
    // was not asked for or the file could not be read whole.
    QByteArray sha256;

    bool IsAuthentic() const { return result == AuthAuthentic; }
    // False when the run was stopped or the system could not compute a
    // digest: then the file was neither passed nor failed.
    bool HasVerdict() const { return result != AuthCancelled && result != AuthInternalError; }
    qint64 ProtectedBytes() const { return covered.total; }
};

#endif
