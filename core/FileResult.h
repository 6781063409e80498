// One file's outcome, as the desktop program and the verifier show it.
#ifndef ARDENTIX_CORE_FILERESULT_H
#define ARDENTIX_CORE_FILERESULT_H

#include "AuthenticateFile.h"
#include "WatermarkRecord.h"

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

struct FileResult
{
    // The path as the system names it (see FileJob).
    QByteArray path;
    // The path named a folder that could not be listed.
    bool unlistedFolder = false;
    // Unreadable because another program holds the file open (Windows).
    bool inUse = false;
    // The length from the status call; -1 when there was none.
    qint64 size = -1;
    // AuthResult::Authentic; otherwise why the file failed: the first check that
    // failed, or that no digest could be computed here (AuthResult::InternalError).
    // AuthResult::Cancelled for a file that a cancel stopped.
    ardentix::engine::AuthResult result = ardentix::engine::AuthResult::Unreadable;
    // The watermark's eight fields; all empty when the watermark was not read.
    ardentix::engine::WatermarkRecord record;
    // The bytes that the watermark's digest covers, and their total; known
    // once the file's length and type are.
    bool coverageKnown = false;
    ardentix::engine::ProtectedRanges covered;
    // The SHA-256 of the whole file in lower-case hexadecimal; empty when it
    // was not asked for or the file could not be read whole.
    QByteArray sha256;
    // Which file the verdict is about (see FileIdentity), once it could be
    // opened: a later read of the path is of the same bytes only when the
    // identity is still the same.
    bool identityKnown = false;
    ardentix::engine::FileIdentity identity;

    // A file is authentic or it failed: every file that is reported is one
    // of the two. Only a file stopped by a cancel (AuthResult::Cancelled) is
    // reported nowhere.
    bool IsAuthentic() const { return result == ardentix::engine::AuthResult::Authentic; }
    bool WasStopped() const { return result == ardentix::engine::AuthResult::Cancelled; }
    // Authentic, yet the watermark's digest covers no byte of the file, so
    // it vouches for none of its content.
    bool CoversNothing() const { return IsAuthentic() && coverageKnown && covered.total == 0; }
    qint64 ProtectedBytes() const { return covered.total; }
};

Q_DECLARE_METATYPE(FileResult)

#endif
