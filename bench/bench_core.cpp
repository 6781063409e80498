// ardentix-bench-core [MIB]: the shared core on one large export (default
// 1024 MiB, written to the temporary folder and deleted at the end):
//
// 1. how often the batch verifier reports progress within the file
//    (target: at least 4 times a second), without and with the SHA-256;
// 2. how long a cancel takes to stop the file in progress (target: under
//    100 ms), measured from the flag to the return, five times without and
//    five times with the SHA-256 on a second thread;
// 3. peak memory after the large file, against after a small one (target:
//    flat in the file's size), and after the large one with the SHA-256.
#include "BatchVerifier.h"
#include "LargeExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using ardentix::engine::AuthResultName;

namespace {

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? std::atoll(argv[1]) : 1024;
    const QByteArray small = QFile::encodeName(QDir::temp().filePath(QStringLiteral("ardentix-bench-small.avi")));
    const QByteArray large = QFile::encodeName(QDir::temp().filePath(QStringLiteral("ardentix-bench-core.avi")));
    std::string error;
    if (!testsupport::WriteLargeExport(small.toStdString(), testsupport::MediaType::Avi, 1 << 20, false, {}, &error) ||
        !testsupport::WriteLargeExport(large.toStdString(), testsupport::MediaType::Avi, mib << 20, false, {},
                                       &error)) {
        std::fprintf(stderr, "cannot write the exports: %s\n", error.c_str());
        return 2;
    }

    FileResult warm = VerifyFile({small, 1 << 20, false});
    const long peakSmall = PeakKiB();

    // 1. Progress during one large file, without and with the SHA-256 (on a
    // second thread, as the window computes it).
    long peakLarge = 0;
    long peakSha256 = 0;
    for (bool sha256 : {false, true}) {
        std::vector<qint64> reports;
        QElapsedTimer clock;
        clock.start();
        BatchVerifier::Callbacks callbacks;
        callbacks.progress = [&](qint64, qint64 bytes) {
            if (bytes > 0 && bytes < (mib << 20))
                reports.push_back(clock.elapsed());
        };
        bool authentic = false;
        callbacks.result = [&](const FileResult& result) { authentic = result.IsAuthentic(); };
        BatchVerifier(1, sha256).Run({{large, mib << 20, false}}, callbacks);
        const double seconds = clock.elapsed() / 1000.0;
        qint64 longestGap = reports.empty() ? clock.elapsed() : reports.front();
        for (std::size_t i = 1; i < reports.size(); ++i)
            longestGap = std::max(longestGap, reports[i] - reports[i - 1]);
        std::printf("1. %lld MiB%s in %.2f s (%s): %zu progress reports within the file, %.1f a second, longest gap "
                    "%lld ms\n",
                    static_cast<long long>(mib), sha256 ? " with the SHA-256" : "", seconds,
                    authentic ? "authentic" : "NOT AUTHENTIC", reports.size(), reports.size() / seconds,
                    static_cast<long long>(longestGap));
        (sha256 ? peakSha256 : peakLarge) = PeakKiB();
    }

    // 2. Cancel latency, at different points of the file, without and with
    // the SHA-256 on a second thread.
    for (bool sha256 : {false, true}) {
        for (int delayMs : {50, 200, 400, 600, 800}) {
            std::atomic<bool> cancel{false};
            std::atomic<qint64> stoppedAt{0};
            QElapsedTimer since;
            VerifyOptions options;
            options.sha256 = options.sha256OnThread = sha256;
            options.cancel = &cancel;
            FileResult result;
            std::thread worker([&] {
                result = VerifyFile({large, mib << 20, false}, options);
                stoppedAt = since.nsecsElapsed();
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            since.start();
            cancel = true;
            worker.join();
            std::printf("2. cancel after %d ms%s: returned in %.2f ms as %s\n", delayMs,
                        sha256 ? " with the SHA-256" : "", stoppedAt / 1e6, AuthResultName(result.result));
        }
    }

    std::printf("3. peak memory: %ld KiB after a 1 MiB export, %ld KiB after the %lld MiB one; %ld KiB after it with "
                "the SHA-256 on a second thread (its ring of read blocks)\n",
                peakSmall, peakLarge, static_cast<long long>(mib), peakSha256);
    QFile::remove(QFile::decodeName(small));
    QFile::remove(QFile::decodeName(large));
    return warm.IsAuthentic() ? 0 : 1;
}
