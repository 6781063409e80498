#include "FileList.h"

#include "InputFile.h"
#include "PathText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

const qint64 kReadSize = qint64(64) * 1024;

} // namespace

FileList::FileList(Form form) : m_form(form) {}

bool FileList::Open(const QByteArray& name)
{
    if (name == "-") {
        m_name = QStringLiteral("standard input");
        if (!m_file.open(stdin, QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read the list %1: %2").arg(m_name, m_file.errorString()));
        return true;
    }
    // Opened by the name's own bytes: a name that is not UTF-8 would not
    // survive a round trip through text.
    m_name = PathText::ForPeople(name);
#ifdef Q_OS_WIN
    const int fd = _wopen(ardentix::engine::WidePath(name.constData()).c_str(), _O_RDONLY | _O_BINARY);
    const auto closeFd = [](int handle) { (void)_close(handle); };
#else
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    const auto closeFd = [](int handle) { (void)::close(handle); };
#endif
    if (fd < 0)
        return Fail(
            QStringLiteral("cannot read the list %1: %2").arg(m_name, QString::fromLocal8Bit(std::strerror(errno))));
    if (!m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        closeFd(fd);
        return Fail(QStringLiteral("cannot read the list %1: %2").arg(m_name, m_file.errorString()));
    }
    return true;
}

bool FileList::Fail(const QString& text)
{
    if (m_error.isEmpty())
        m_error = text;
    return false;
}

bool FileList::Fill()
{
    if (m_atEnd)
        return false;
    m_buffer.remove(0, m_position);
    m_position = 0;
    const QByteArray more = m_file.read(kReadSize);
    if (more.isEmpty()) {
        m_atEnd = true;
        if (m_file.error() != QFileDevice::NoError)
            return Fail(QStringLiteral("cannot read the list %1: %2").arg(m_name, m_file.errorString()));
        return false;
    }
    m_buffer += more;
    return true;
}

bool FileList::Next(QByteArray& entry)
{
    if (Failed())
        return false;
    const char separator = m_form == NulSeparated ? '\0' : '\n';
    for (;;) {
        const qsizetype end = m_buffer.indexOf(separator, m_position);
        if (end < 0 && Fill())
            continue;
        if (end < 0 && m_position >= m_buffer.size())
            return false; // the end of the list, or a read error (see Failed)
        const qsizetype stop = end < 0 ? m_buffer.size() : end;
        entry = m_buffer.mid(m_position, stop - m_position);
        m_position = end < 0 ? m_buffer.size() : end + 1;
        ++m_entry;
#ifdef Q_OS_WIN
        // Lists written on Windows end their lines with CR LF.
        if (m_form == LineSeparated && entry.endsWith('\r'))
            entry.chop(1);
#endif
        if (entry.isEmpty())
            return Fail(QStringLiteral("entry %1 of the list %2 is empty: every entry must name a path")
                            .arg(m_entry)
                            .arg(m_name));
        if (m_form == LineSeparated && entry.contains('\0'))
            return Fail(QStringLiteral("line %1 of the list %2 holds a NUL byte: for a NUL-separated list give -0")
                            .arg(m_entry)
                            .arg(m_name));
        return true;
    }
}
