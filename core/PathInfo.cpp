#include "PathInfo.h"

#include "InputFile.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace PathInfo {

Status Of(const QByteArray& path)
{
    Status out;
    if (path.isEmpty())
        return out;
#ifdef Q_OS_WIN
    const std::wstring wide = ardentix::engine::WidePath(path.constData());
    unsigned long attributes = 0;
    std::int64_t size = -1;
    if (wide.empty() || !ardentix::engine::WideAttributes(wide, &attributes, &size))
        return out;
    // Windows has no FIFOs or sockets among files; its devices have no
    // attributes to give.
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        out.kind = Kind::Folder;
    } else {
        out.kind = Kind::File;
        out.size = size;
    }
#else
    struct stat st;
    if (stat(path.constData(), &st) != 0)
        return out;
    if (S_ISREG(st.st_mode)) {
        out.kind = Kind::File;
        out.size = static_cast<qint64>(st.st_size);
    } else {
        out.kind = S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
    }
#endif
    return out;
}

} // namespace PathInfo
