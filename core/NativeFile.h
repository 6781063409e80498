// Opens a file by its name's own bytes, through the engine's open, as a
// QFile: a name that is not UTF-8 would not survive a turn into text and
// back, and on Windows the engine reaches a name of any code page and any
// length through its wide form.
#ifndef ARDENTIX_CORE_NATIVEFILE_H
#define ARDENTIX_CORE_NATIVEFILE_H

#include <QByteArray>
#include <QFile>
#include <QString>

namespace NativeFile {

// Why a file could not be opened.
enum class OpenFailure
{
    None,
    System,    // the system's words say why
    NotRegular // not a regular file, where only one was asked for
};

// Opens name (as PathText::ToNative gives a name) read-only into file.
// regularOnly refuses anything but a regular file without blocking (see
// the engine's InputFile::Open). False when it cannot: failure says why,
// and reason holds the system's words for System.
bool OpenForReading(QFile& file, const QByteArray& name, bool regularOnly, OpenFailure* failure, QString* reason);

} // namespace NativeFile

#endif
