// Time to write the evidence report of a large table: 2,000 rows by
// default, as PDF with and without each file's picture, CSV and JSON
// Lines; and the time the preview helper takes to make the pictures of
// exports (a third each JPG, AVI and MP4).
//   ardentix-bench-report [rows] [output folder]
#include "BatchVerifier.h"
#include "EvidenceReport.h"
#include "PreviewMaker.h"
#include "PreviewPicture.h"
#include "WatermarkWriter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>

using ardentix::engine::AuthResult;

namespace {

// A picture of its own for each row, as the helper gives it: a gradient
// with the row's number, so that no two JPEGs are alike.
RowPreview Picture(int row)
{
    QImage image(PreviewProtocol::BoxWidth, PreviewProtocol::BoxHeight, QImage::Format_RGB888);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, QColor::fromHsv(row * 37 % 360, 160, 200));
    gradient.setColorAt(1, QColor::fromHsv(row * 91 % 360, 200, 60));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(row));
    painter.end();
    PreviewProtocol::Frame frame;
    frame.kind = PreviewProtocol::Kind::Frame;
    frame.width = image.width();
    frame.height = image.height();
    frame.frameMs = row * 40;
    for (int y = 0; y < image.height(); ++y)
        frame.rgb.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 3);
    return PreviewPicture::FromFrame(frame);
}

// The helper's time for files exports of each sample type, one after
// another as the window asks for them.
void TimeHelper(const QString& folder, int files)
{
    using namespace testsupport;
    const MediaType types[3] = {MediaType::Jpg, MediaType::Avi, MediaType::Mp4};
    std::string exports[3];
    for (int t = 0; t < 3; ++t)
        exports[t] = MakeExport(SampleMedia(types[t]), types[t]);
    auto maker = std::make_unique<PreviewMaker>(QStringLiteral(ARDENTIX_PREVIEW_HELPER));
    int made = 0;
    int left = files;
    QObject::connect(maker.get(), &PreviewMaker::Made,
                     [&made, &left](quint64, const PreviewProtocol::Frame& frame, PreviewMaker::Outcome) {
                         made +=
                             frame.kind == PreviewProtocol::Kind::Picture || frame.kind == PreviewProtocol::Kind::Frame;
                         --left;
                     });
    // The files verified first, as the window has them when it asks.
    std::vector<FileResult> results;
    for (int i = 0; i < files; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("export-%1.%2").arg(i).arg(SuffixFor(types[i % 3])));
        WriteFile(QFile::encodeName(path).toStdString(), exports[i % 3]);
        FileJob job;
        job.path = QFile::encodeName(path);
        results.push_back(VerifyFile(job, VerifyOptions()));
    }
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < files; ++i)
        maker->Ask(static_cast<quint64>(i), results[static_cast<std::size_t>(i)]);
    while (left > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 elapsed = timer.elapsed();
    // The helpers, ended with the maker, are this process's reaped
    // children: their processor time and the largest one's peak memory.
    maker.reset();
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    const double cpuMs = (children.ru_utime.tv_sec + children.ru_stime.tv_sec) * 1e3 +
                         (children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e3;
    std::printf("pictures of %d exports: %d made, %lld ms; helpers' processor time %.2f ms a file, peak memory "
                "%.1f MiB\n",
                files, made, static_cast<long long>(elapsed), cpuMs / files, children.ru_maxrss / 1024.0);
}

bool TimeReport(const QString& path, EvidenceReport::Format format, const QList<RowRecord>& records,
                const CaseDetails& details, const char* label)
{
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!EvidenceReport::Write(path, format, records, &error, details)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    std::printf("%-22s %d rows: %lld ms, %lld bytes\n", label, static_cast<int>(records.size()),
                static_cast<long long>(timer.elapsed()), static_cast<long long>(QFileInfo(path).size()));
    return true;
}

} // namespace

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
        record.preview = Picture(i);
        records << record;
    }

    const QDir out(folder);
    CaseDetails pictures;
    CaseDetails noPictures;
    noPictures.pictures = false;
    if (!TimeReport(out.filePath("report.pdf"), EvidenceReport::Format::Pdf, records, pictures, "pdf with pictures") ||
        !TimeReport(out.filePath("report-no-pictures.pdf"), EvidenceReport::Format::Pdf, records, noPictures,
                    "pdf without pictures") ||
        !TimeReport(out.filePath("report.csv"), EvidenceReport::Format::Csv, records, pictures, "csv") ||
        !TimeReport(out.filePath("report.jsonl"), EvidenceReport::Format::JsonLines, records, pictures, "jsonl"))
        return 1;
    TimeHelper(folder, rows);
    return 0;
}
