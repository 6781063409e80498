// Time to write the evidence report of a large table: 2,000 rows by
// default, as PDF, CSV and JSON Lines.
//   ardentix-bench-report [rows] [output folder]
#include "EvidenceReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using ardentix::engine::AuthResult;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();

    // Rows as a run leaves them: every fourth file changed after export.
    QList<RowRecord> records;
    for (int i = 0; i < rows; ++i) {
        RowRecord record;
        FileResult& result = record.result;
        result.path = QStringLiteral("/evidence/case-2012-0514/camera-%1/clip-%2.avi")
                          .arg(i % 16, 2, 10, QLatin1Char('0'))
                          .arg(i, 5, 10, QLatin1Char('0'))
                          .toUtf8();
        result.size = 52428800 + i;
        result.result = i % 4 == 3 ? AuthResult::DigestMismatch : AuthResult::Authentic;
        result.record.Marker = "Quorvane Digital Watermark";
        result.record.Version = "1.0";
        result.record.HMAC = "0123456789abcdef0123456789abcdef";
        result.record.StartTime = "2012-05-14 09:30:00";
        result.record.EndTime = "2012-05-14 09:35:00";
        result.record.TimeSource = "NTP";
        result.record.VHSerial = "VH-0042-1138";
        result.record.CamMAC = "00:1A:2B:3C:4D:5E";
        result.coverageKnown = true;
        result.covered.count = 1;
        result.covered.begin[0] = 0;
        result.covered.end[0] = result.size - 512;
        result.covered.total = result.size - 512;
        result.sha256 = QByteArray(64, 'a' + i % 6);
        record.verifiedAt = QDateTime::currentDateTimeUtc();
        records << record;
    }

    const std::pair<EvidenceReport::Format, const char*> formats[3] = {{EvidenceReport::Format::Pdf, "pdf"},
                                                                       {EvidenceReport::Format::Csv, "csv"},
                                                                       {EvidenceReport::Format::JsonLines, "jsonl"}};
    for (const auto& [format, suffix] : formats) {
        const QString path = QDir(folder).filePath(QStringLiteral("report.") + QLatin1String(suffix));
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!EvidenceReport::Write(path, format, records, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
        std::printf("%-5s %d rows: %lld ms, %lld bytes\n", suffix, rows, static_cast<long long>(timer.elapsed()),
                    static_cast<long long>(QFileInfo(path).size()));
    }
    return 0;
}
