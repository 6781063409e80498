#include "PathText.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <algorithm>

namespace {

// The length of the well-formed UTF-8 sequence that starts at bytes[at], and
// its code point; 0 when the byte there does not start one.
int SequenceAt(const QByteArray& bytes, qsizetype at, char32_t* codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const qsizetype left = bytes.size() - at;
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90; // no overlong forms
        else if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    *codePoint = value;
    return length;
}

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters that change the order in which text is shown.
bool IsBidiFormatting(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

void AppendEscaped(QString& out, unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += QLatin1String("\\x");
    out += QLatin1Char(digits[byte >> 4]);
    out += QLatin1Char(digits[byte & 15]);
}

QString Decode(const QByteArray& bytes, bool forTerminal)
{
#ifdef Q_OS_WIN
    // A path that is not UTF-8 is in the ANSI code page (see ToNative).
    // Bytes that are no text there (half of a double-byte character) are
    // shown escaped, as elsewhere, rather than lost.
    QByteArray path = bytes;
    if (!PathText::IsValidUtf8(bytes)) {
        const QString text = PathText::FromNative(bytes);
        if (text.toLocal8Bit() == bytes)
            path = text.toUtf8();
    }
#else
    const QByteArray& path = bytes;
#endif
    QString out;
    out.reserve(path.size());
    qsizetype at = 0;
    while (at < path.size()) {
        char32_t codePoint = 0;
        const int length = SequenceAt(path, at, &codePoint);
        if (length == 0) {
            AppendEscaped(out, static_cast<unsigned char>(path[at]));
            ++at;
            continue;
        }
        if (forTerminal && (IsControl(codePoint) || IsBidiFormatting(codePoint))) {
            for (int i = 0; i < length; ++i)
                AppendEscaped(out, static_cast<unsigned char>(path[at + i]));
        } else {
            out += QString::fromUcs4(&codePoint, 1);
        }
        at += length;
    }
    return out;
}

} // namespace

namespace PathText {

bool IsValidUtf8(const QByteArray& bytes)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        char32_t codePoint = 0;
        const int length = SequenceAt(bytes, at, &codePoint);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

QByteArray ToNative(const QString& name)
{
#ifdef Q_OS_WIN
    bool ascii = true;
    for (const QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return name.toLatin1();
    // A character outside the code page becomes "?" there: the round trip
    // tells whether the name fits.
    const QByteArray ansi = name.toLocal8Bit();
    if (QString::fromLocal8Bit(ansi) == name && !IsValidUtf8(ansi))
        return ansi;
    return name.toUtf8();
#else
    return QFile::encodeName(name);
#endif
}

QByteArray FromQt(const QString& path)
{
    return ToNative(QDir::toNativeSeparators(path));
}

QString FromNative(const QByteArray& path)
{
#ifdef Q_OS_WIN
    for (const char c : path) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return IsValidUtf8(path) ? QString::fromUtf8(path) : QString::fromLocal8Bit(path);
    }
    return QString::fromLatin1(path);
#else
    return QFile::decodeName(path);
#endif
}

QString ForReport(const QByteArray& path)
{
    return Decode(path, false);
}

QString ForPeople(const QByteArray& path)
{
    return Decode(path, true);
}

QString FileNameForPeople(const QByteArray& path)
{
#ifdef Q_OS_WIN
    // Split the decoded name: in a multi-byte code page a backslash byte
    // can be the second half of a character. A path that is no text there
    // is split as bytes, and its name escaped.
    const QString name = FromNative(path);
    if (!IsValidUtf8(path) && name.toLocal8Bit() != path)
        return ForPeople(path.mid(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1));
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return ForPeople(name.mid(slash + 1).toUtf8());
#else
    return ForPeople(path.mid(path.lastIndexOf('/') + 1));
#endif
}

int TerminalWidth(const QString& text)
{
    int width = 0;
    for (const uint c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || c == 0x200B)
            continue;
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

QString PadToWidth(const QString& text, int width)
{
    const int missing = width - TerminalWidth(text);
    return missing > 0 ? text + QString(missing, QLatin1Char(' ')) : text;
}

QString FromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString FieldForPeople(const std::string& text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (IsControl(byte))
            AppendEscaped(out, byte);
        else
            out += QChar(static_cast<char16_t>(byte));
    }
    return out;
}

} // namespace PathText
