// A test class's folder for the files it writes, and a genuine AVI export
// to write there, and the SHA-256 of bytes: what the engine's tests and the
// window's runs share.
#ifndef ARDENTIX_TESTS_EXPORTFOLDER_H
#define ARDENTIX_TESTS_EXPORTFOLDER_H

#include "PosixCalls.h"
#include "WatermarkWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace testsupport {

inline QByteArray Sha256Of(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
}

class ExportFolder : public QObject
{
protected:
    QTemporaryDir dir;
    const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);

    // Writes bytes as name in the folder (its folders made) and gives the
    // path; a file that cannot be written ends the test.
    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        if (!QDir().mkpath(QFileInfo(path).path()) || !WriteFile(NativePath(path).toStdString(), bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // The same, giving the path as the engine takes it.
    QByteArray WriteNative(const QString& name, const std::string& bytes) { return NativePath(Write(name, bytes)); }
};

} // namespace testsupport

#endif
