#include "FileList.h"

#include "NativeFile.h"
#include "PathText.h"

#include <cstdio>

namespace {

const qint64 kReadSize = qint64(64) * 1024;

} // namespace

FileList::FileList(Form form) : m_form(form) {}

bool FileList::Open(const QByteArray& name)
{
    if (name == "-") {
        m_standardInput = true;
        if (!m_file.open(stdin, QIODevice::ReadOnly))
            return Fail(ListProblem::Code::CannotRead, 0, m_file.errorString());
        return true;
    }
    // Opened by the name's own bytes; a FIFO waits for its writer.
    m_name = PathText::ForPeople(name);
    NativeFile::OpenFailure failure = NativeFile::OpenFailure::None;
    QString reason;
    if (!NativeFile::OpenForReading(m_file, name, false, &failure, &reason))
        return Fail(ListProblem::Code::CannotRead, 0, reason);
    return true;
}

bool FileList::Fail(ListProblem::Code code, qint64 entry, const QString& detail)
{
    if (!m_problem.IsProblem())
        m_problem = ListProblem{code, m_name, m_standardInput, entry, detail};
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
            return Fail(ListProblem::Code::CannotRead, 0, m_file.errorString());
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
            return Fail(ListProblem::Code::EmptyEntry, m_entry);
        if (m_form == LineSeparated && entry.contains('\0'))
            return Fail(ListProblem::Code::NulInLine, m_entry);
        return true;
    }
}
