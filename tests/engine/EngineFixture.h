// What the engine's tests share: a folder for their files, a genuine AVI
// export, and the SHA-256 of bytes.
#ifndef ARDENTIX_TESTS_ENGINEFIXTURE_H
#define ARDENTIX_TESTS_ENGINEFIXTURE_H

#include "ExportFolder.h"
#include "PosixCalls.h"

#include <QCryptographicHash>

#include <string>

inline QByteArray Sha256Of(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
}

class EngineFixture : public testsupport::ExportFolder
{
protected:
    // Writes bytes as name in the folder, and gives its path as the engine
    // takes it.
    QByteArray Write(const QString& name, const std::string& bytes)
    {
        return NativePath(ExportFolder::Write(name, bytes));
    }
};

#endif
