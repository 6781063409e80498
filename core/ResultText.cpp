#include "ResultText.h"

#include <QCoreApplication>

using ardentix::engine::AuthResult;
using ardentix::engine::AuthResultName;

namespace ResultText {

QString VerdictName(bool authentic)
{
    return authentic ? QStringLiteral("authentic") : QStringLiteral("failed");
}

QString VerdictName(const FileResult& result)
{
    return VerdictName(result.IsAuthentic());
}

QString ReasonName(AuthResult result)
{
    return result == AuthResult::Authentic ? QString() : QString::fromLatin1(AuthResultName(result));
}

QString ReasonName(const FileResult& result)
{
    return ReasonName(result.result);
}

QString Verdict(bool authentic)
{
    return authentic ? QObject::tr("Authentication succeeded") : QObject::tr("Authentication failed");
}

QString Verdict(const FileResult& result)
{
    return Verdict(result.IsAuthentic());
}

QString Reason(const FileResult& result)
{
    switch (result.result) {
    case AuthResult::Authentic:
        if (result.CoversNothing())
            return QObject::tr(
                "Warning: the watermark covers none of this file's content, so it vouches for none of it.");
        return QObject::tr("The file is authentic: its content matches its signed watermark.");
    case AuthResult::DigestMismatch:
        return QObject::tr("The file was changed after it was exported: its content no longer matches the digest in "
                           "its watermark.");
    case AuthResult::BadSignature:
        return QObject::tr(
            "No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.");
    case AuthResult::BadMarker:
        return QObject::tr("The watermark text is not a Quorvane watermark.");
    case AuthResult::UnsupportedType:
        return QObject::tr("Not a JPG, AVI or MP4 export.");
    case AuthResult::TooShort:
        return QObject::tr("The file is too short to hold a watermark.");
    case AuthResult::Unreadable:
        if (result.unlistedFolder)
            return QObject::tr("The folder could not be listed: the files in it were not verified.");
        if (result.inUse)
            return QObject::tr("The file could not be read: another program has the file open.");
        return QObject::tr("The file could not be read.");
    case AuthResult::Cancelled:
        return QObject::tr("Verification was cancelled.");
    case AuthResult::InternalError:
        return QObject::tr("The file could not be verified: this system could not compute its digest.");
    }
    return QString();
}

QString TotalsLine(qint64 total, qint64 authentic, qint64 failed)
{
    return QObject::tr("Total files") + QStringLiteral(": ") + QString::number(total) + QStringLiteral("  ") +
           Verdict(true) + QStringLiteral(": ") + QString::number(authentic) + QStringLiteral("  ") + Verdict(false) +
           QStringLiteral(": ") + QString::number(failed);
}

} // namespace ResultText
