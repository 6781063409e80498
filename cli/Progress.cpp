#include "Progress.h"

namespace {

// Back to the start of the line, then erase to its end.
const char kClearLine[] = "\r\x1b[K";

} // namespace

Progress::Progress(bool enabled, qint64 totalFiles, qint64 totalBytes, std::FILE* out)
    : m_enabled(enabled), m_totalFiles(totalFiles), m_totalBytes(totalBytes), m_out(out)
{
    m_sinceDraw.start();
}

void Progress::Update(qint64 filesDone, qint64 bytesDone)
{
    if (!m_enabled || m_sinceDraw.elapsed() < IntervalMs)
        return;
    const QByteArray text = Text(filesDone, m_totalFiles, bytesDone, m_totalBytes).toUtf8();
    if (text != m_text || !m_visible) {
        m_text = text;
        Draw(m_text);
    }
    m_sinceDraw.restart();
}

void Progress::Hide()
{
    if (m_visible)
        Erase();
}

void Progress::Show()
{
    if (m_enabled && !m_visible && !m_text.isEmpty())
        Draw(m_text);
}

void Progress::Finish()
{
    Hide();
    m_enabled = false;
}

void Progress::Draw(const QByteArray& text)
{
    // The progress line is a courtesy on a terminal: a failed write of it
    // changes nothing about the report.
    (void)std::fputs(kClearLine, m_out);
    (void)std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), m_out);
    (void)std::fflush(m_out);
    m_visible = true;
}

void Progress::Erase()
{
    (void)std::fputs(kClearLine, m_out);
    (void)std::fflush(m_out);
    m_visible = false;
}

QString Progress::Text(qint64 filesDone, qint64 totalFiles, qint64 bytesDone, qint64 totalBytes)
{
    // A list read as it goes has no totals until its end.
    if (totalFiles < 0)
        return QStringLiteral("%1 files, %2").arg(filesDone).arg(FormatBytes(bytesDone));
    return QStringLiteral("%1/%2 files, %3/%4")
        .arg(filesDone)
        .arg(totalFiles)
        .arg(FormatBytes(bytesDone), FormatBytes(totalBytes));
}

QString Progress::FormatBytes(qint64 bytes)
{
    static const char* const units[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    double value = static_cast<double>(bytes);
    int unit = -1;
    while (value >= 1024.0 && unit < 3) {
        value /= 1024.0;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}
