// The progress line on stderr: files done out of all files, and bytes done
// out of all bytes.
//
// Drawn only when enabled (stderr is a terminal and --quiet was not given),
// redrawn at most 10 times a second, never in the first tenth of a second
// (a quick run shows none), and cleared at the end.
#ifndef ARDENTIX_CLI_PROGRESS_H
#define ARDENTIX_CLI_PROGRESS_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

#include <cstdio>

class Progress
{
public:
    Progress(bool enabled, qint64 totalFiles, qint64 totalBytes, std::FILE* out = stderr);

    // New counts; the line is redrawn when a tenth of a second has passed
    // since the last time.
    void Update(qint64 filesDone, qint64 bytesDone);
    // Takes the line off the screen while something else is written to the
    // same terminal, and puts the same text back afterwards.
    void Hide();
    void Show();
    // Clears the line for good.
    void Finish();

    bool IsVisible() const { return m_visible; }

    // "3/20 files, 1.5 MiB/2.0 GiB"; "3 files, 1.5 MiB" when totalFiles is
    // negative (not known yet).
    static QString Text(qint64 filesDone, qint64 totalFiles, qint64 bytesDone, qint64 totalBytes);
    // "512 B", "1.5 KiB", "12.0 MiB", "1.0 GiB"
    static QString FormatBytes(qint64 bytes);

    static constexpr qint64 IntervalMs = 100;

private:
    void Draw(const QByteArray& text);
    void Erase();

    bool m_enabled;
    qint64 m_totalFiles;
    qint64 m_totalBytes;
    std::FILE* m_out;
    QElapsedTimer m_sinceDraw;
    QByteArray m_text;
    bool m_visible = false;
};

#endif
