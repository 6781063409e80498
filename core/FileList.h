// A list of paths read from a file or standard input, one entry at a time,
// so that a list of any length takes the same memory.
//
// Entries are separated by LF, or by NUL (as find -print0 writes them). A
// final separator is optional. Entries are bytes, as the system names files:
// nothing is decoded or trimmed.
#ifndef ARDENTIX_CORE_FILELIST_H
#define ARDENTIX_CORE_FILELIST_H

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

// Why a list cannot be used: a code, the entry it concerns, and the system's
// own words. Each front end words it for its users.
struct ListProblem
{
    enum class Code
    {
        None,
        CannotRead, // detail: the system's reason
        EmptyEntry,
        NulInLine // a NUL byte in a line-separated list
    };

    Code code = Code::None;
    // The list as people read its path (empty for standard input).
    QString list;
    bool standardInput = false;
    // The entry (1 is the first); 0 for the list as a whole.
    qint64 entry = 0;
    QString detail;

    bool IsProblem() const { return code != Code::None; }
};

class FileList
{
public:
    enum Form
    {
        LineSeparated,
        NulSeparated
    };

    explicit FileList(Form form);

    // Opens the list; "-" is standard input. Returns false (see Problem)
    // when it cannot be opened.
    bool Open(const QByteArray& name);

    // The next entry. Returns false at the end of the list, or when the
    // list is not valid in its form or cannot be read (Failed then says so).
    bool Next(QByteArray& entry);

    bool Failed() const { return m_problem.IsProblem(); }
    const ListProblem& Problem() const { return m_problem; }

private:
    bool Fill();
    bool Fail(ListProblem::Code code, qint64 entry = 0, const QString& detail = QString());

    Form m_form;
    QFile m_file;
    QString m_name;
    bool m_standardInput = false;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    qint64 m_entry = 0;
    ListProblem m_problem;
};

#endif
