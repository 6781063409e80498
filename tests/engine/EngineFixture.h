// What the engine's tests share: a folder for their files, a genuine AVI
// export, and the SHA-256 of bytes.
#ifndef ARDENTIX_TESTS_ENGINEFIXTURE_H
#define ARDENTIX_TESTS_ENGINEFIXTURE_H

#include "PosixCalls.h"
#include "WatermarkWriter.h"

#include <QCryptographicHash>
#include <QObject>
#include <QTemporaryDir>

#include <string>

inline QByteArray Sha256Of(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
}

class EngineFixture : public QObject
{
protected:
    QTemporaryDir dir;
    const std::string avi =
        testsupport::MakeExport(testsupport::SampleMedia(testsupport::MediaType::Avi), testsupport::MediaType::Avi);

    // Writes bytes as name in the folder, and gives its path as the engine
    // takes it.
    QByteArray Write(const QString& name, const std::string& bytes)
    {
        const QByteArray path = NativePath(dir.filePath(name));
        if (!testsupport::WriteFile(path.toStdString(), bytes))
            qFatal("cannot write %s", path.constData());
        return path;
    }
};

#endif
