// Reading a report from someone else: JSON Lines, CSV, or a PDF with the
// records embedded. Whatever the bytes, the reader must end with entries or
// an error that names the report, never crash, hang or read out of bounds;
// every entry it gives must hold what the re-check relies on.
#include "ReportReader.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QByteArray name = QFile::encodeName(folder.filePath(QStringLiteral("report")));
    {
        QFile file(QString::fromUtf8(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            std::abort();
    }
    ReportReader reader;
    if (!reader.Open(name)) {
        if (!reader.Failed() || reader.Problem().report.isEmpty())
            std::abort();
        return 0;
    }
    ReportEntry entry;
    qint64 lastLine = 0;
    while (reader.Next(entry)) {
        // Entries come in order, each with a path and a verdict that agree.
        if (entry.line <= lastLine || entry.path.isEmpty())
            std::abort();
        if (entry.authentic != entry.reason.isEmpty())
            std::abort();
        if (!entry.sha256.isEmpty() && entry.sha256.size() != 64)
            std::abort();
        lastLine = entry.line;
    }
    // A report read whole is named by the SHA-256 of every byte of it.
    const QByteArray whole(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!reader.Failed() && reader.Sha256() != QCryptographicHash::hash(whole, QCryptographicHash::Sha256).toHex())
        std::abort();
    return 0;
}
