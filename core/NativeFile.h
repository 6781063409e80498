// Opens a file by its name's own bytes, through the engine's open, as a
// QFile: a name that is not UTF-8 would not survive a turn into text and
// back, and on Windows the engine reaches a name of any code page and any
// length through its wide form.
#ifndef ARDENTIX_CORE_NATIVEFILE_H
#define ARDENTIX_CORE_NATIVEFILE_H

#include "InputFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace NativeFile {

// Opens name (as PathText::ToNative gives a name) read-only into file.
// regularOnly refuses anything but a regular file without blocking (see
// OpenReadOnly). False when it cannot: failure says why (InUse reads as
// System), and reason holds the system's words for System.
bool OpenForReading(QFile& file, const QByteArray& name, bool regularOnly, ardentix::engine::OpenFailure* failure,
                    QString* reason);

} // namespace NativeFile

#endif
