// Results as the engine gives them, where a report entry keeps a watermark
// field, digests and 8-bit text as reports show them, and a name that is not
// UTF-8 as this system shows it, for the tests of the core, the verifier and
// the window. Header-only: it needs the core, which testsupport does not link.
#ifndef ARDENTIX_TESTS_COREFIXTURES_H
#define ARDENTIX_TESTS_COREFIXTURES_H

#include "BatchVerifier.h"
#include "FileLayout.h"
#include "FileResult.h"
#include "ReportFields.h"
#include "ReportReader.h"
#include "ReportWriter.h"
#include "WatermarkWriter.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <string>

namespace testsupport {

// A result as the engine gives it: a file of size bytes (-1: no status), the
// watermark read or not, its protected bytes by the engine's layout for the
// name's type, and its SHA-256 as sha (a letter, repeated; 0: none).
inline FileResult Result(const QByteArray& path, ardentix::engine::AuthResult reason, qint64 size, bool read,
                         char sha = 0)
{
    FileResult result;
    result.path = path;
    result.result = reason;
    result.size = size;
    if (read) {
        result.record.Fill("Quorvane Digital Watermark\r\nVersion: 1.0\r\nHMAC: 0123456789abcdef0123456789abcdef\r\n"
                           "StartTime: 2012-05-14 09:30:00\r\nEndTime: 2012-05-14 09:35:00\r\nTimeSource: NTP\r\n"
                           "VHSerial: VH-0042\r\nCamMAC: 00:1A:2B:3C:4D:5E\r\n");
    }
    const std::optional<ardentix::engine::FileLayout> layout = ardentix::engine::LayoutForPath(path.constData());
    result.coverageKnown = size >= ARDENTIX_WATERMARK_BLOCK_SIZE;
    if (result.coverageKnown)
        result.covered =
            ardentix::engine::ProtectedRangesOf(size, layout ? layout->skip : 0, layout ? layout->tail : 0);
    if (sha != 0)
        result.sha256 = QByteArray(64, sha);
    return result;
}

// The report of files, each verified with its SHA-256, as the verifier and
// the window write it.
inline QByteArray ReportOf(ReportFormat format, const QList<QByteArray>& files)
{
    const ReportWriter writer({format, true});
    VerifyOptions withSha256;
    withSha256.sha256 = true;
    QByteArray report = writer.Header();
    for (const QByteArray& file : files)
        report += writer.Record(VerifyFile({file, 0, false}, withSha256));
    return report;
}

// The SHA-256 of bytes in lower-case hex, as reports give it.
inline QString Sha256Hex(const std::string& bytes)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex());
}

// A name as the engine opens it: UTF-8 reaches every name on Windows.
inline QByteArray EngineName(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

// Writes bytes as the file at path, its folders made first.
inline bool WriteFileAt(const QString& path, const std::string& bytes)
{
    return QDir().mkpath(QFileInfo(path).path()) && WriteFile(EngineName(path).toStdString(), bytes);
}

// The bytes of the file at path.
inline QByteArray ReadFileAt(const QString& path)
{
    return QByteArray::fromStdString(ReadFile(EngineName(path).toStdString()));
}

// 8-bit text, byte for character, as watermark fields are shown.
inline QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// How a report shows a name that is not UTF-8: its bytes escaped as \xHH
// (in JSON \\xHH); on Windows, where such a name is in the ANSI code page,
// as that text. Expectations written for the first read as the second there.
inline QByteArray Shown(const QByteArray& expected)
{
#ifdef Q_OS_WIN
    static const QRegularExpression escape(QStringLiteral("\\\\{1,2}x([89A-F][0-9A-F])"));
    QString text = QString::fromUtf8(expected);
    // A byte that is no character of its own there (half of a double-byte
    // one) stays escaped.
    for (QRegularExpressionMatch m = escape.match(text); m.hasMatch();) {
        const QByteArray byte(1, char(m.captured(1).toInt(nullptr, 16)));
        const QString shown = QString::fromLocal8Bit(byte);
        qsizetype next = m.capturedEnd();
        if (shown.toLocal8Bit() == byte) {
            text.replace(m.capturedStart(), m.capturedLength(), shown);
            next = m.capturedStart() + shown.size();
        }
        m = escape.match(text, next);
    }
    return text.toUtf8();
#else
    return expected;
#endif
}

} // namespace testsupport

#endif
