// Paths and watermark text as text.
//
// A path is a string of bytes. Well-formed UTF-8 is shown as the characters
// it encodes; every byte that is not part of well-formed UTF-8 is shown as
// "\xHH" (a backslash, "x" and two upper-case hexadecimal digits), so the
// name stays recognisable and JSON and CSV reports stay valid UTF-8. For
// people (the terminal, the table, the details and the PDF), control
// characters and the characters that reorder text (bidirectional
// formatting) are shown the same way, byte by byte, so that a name can
// neither break a line, steer a terminal nor disguise its type
// ("report-\u202Eiva.mp4").
#ifndef ARDENTIX_CORE_PATHTEXT_H
#define ARDENTIX_CORE_PATHTEXT_H

#include <QByteArray>
#include <QString>

#include <string>

namespace PathText {

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(const QByteArray& bytes);

// A name as an 8-bit path, and back: Qt's QFile::encodeName and decodeName,
// except on Windows. There a name that fits the ANSI code page keeps that
// code page, and a name that does not is UTF-8, so that no name is lost;
// ANSI bytes that would read as UTF-8 are given as UTF-8 too, so that
// FromNative(ToNative(name)) == name. The engine opens both (WidePath).
QByteArray ToNative(const QString& name);
QString FromNative(const QByteArray& path);

// A path that Qt gave (a file dialog's choice, a dropped file's URL) with
// the system's separators, as ToNative: on Windows backslashes, as a
// command line gives them, so that the rows and reports show every path
// alike however it came.
QByteArray FromQt(const QString& path);

// The path for JSON and CSV reports.
QString ForReport(const QByteArray& path);

// The path for people.
QString ForPeople(const QByteArray& path);

// The path's last component, for people.
QString FileNameForPeople(const QByteArray& path);

// The number of terminal columns text takes: East Asian wide characters
// take two, combining marks none.
int TerminalWidth(const QString& text);

// text padded with spaces to width terminal columns.
QString PadToWidth(const QString& text, int width);

// 8-bit watermark text read as Latin-1, whole and exact, for JSON and CSV.
QString FromLatin1(const std::string& text);

// As FromLatin1, with control characters (a zero byte among them) shown as
// "\xHH", for people.
QString FieldForPeople(const std::string& text);

} // namespace PathText

#endif
