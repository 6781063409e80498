#include "NativeFile.h"

#include "InputFile.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using ardentix::engine::InputFile;

namespace NativeFile {

bool OpenForReading(QFile& file, const QByteArray& name, bool regularOnly, OpenFailure* failure, QString* reason)
{
    file.close();
    reason->clear();
    InputFile opened;
    if (!opened.Open(name.constData(), regularOnly)) {
        *failure = opened.NotRegular() ? OpenFailure::NotRegular : OpenFailure::System;
        if (*failure == OpenFailure::System)
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const int fd = opened.Release();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
#ifdef Q_OS_WIN
        (void)_close(fd);
#else
        (void)::close(fd);
#endif
        *failure = OpenFailure::System;
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace NativeFile
