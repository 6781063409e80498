// A list of paths read from a file or standard input, one entry at a time,
// so that a list of any length takes the same memory.
//
// Entries are separated by LF, or by NUL (as find -print0 writes them). A
// final separator is optional. Entries are bytes, as the system names files:
// nothing is decoded or trimmed.
#ifndef ARDENTIX_CLI_FILELIST_H
#define ARDENTIX_CLI_FILELIST_H

#include <QByteArray>
#include <QFile>
#include <QString>

class FileList
{
public:
    enum Form
    {
        LineSeparated,
        NulSeparated
    };

    explicit FileList(Form form);

    // Opens the list; "-" is standard input. Returns false (see ErrorText)
    // when it cannot be opened.
    bool Open(const QByteArray& name);

    // The next entry. Returns false at the end of the list, or when the
    // list is not valid in its form or cannot be read (Failed then says so).
    bool Next(QByteArray& entry);

    bool Failed() const { return !m_error.isEmpty(); }
    QString ErrorText() const { return m_error; }

private:
    bool Fill();
    bool Fail(const QString& text);

    Form m_form;
    QFile m_file;
    QString m_name;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    qint64 m_entry = 0;
    QString m_error;
};

#endif
