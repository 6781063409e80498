// ardentix-bench-core [MIB]: the shared core on one large export (default
// 1024 MiB, written to the temporary folder and deleted at the end):
//
// 1. how often the batch verifier reports progress within the file
//    (target: at least 4 times a second);
// 2. how long a cancel takes to stop the file in progress (target: under
//    100 ms), measured from the flag to the return, five times;
// 3. peak memory after the large file, against after a small one (target:
//    flat in the file's size).
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

    // 1. Progress during one large file.
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
    BatchVerifier(1, false).Run({{large, mib << 20, false}}, callbacks);
    const double seconds = clock.elapsed() / 1000.0;
    qint64 longestGap = reports.empty() ? clock.elapsed() : reports.front();
    for (std::size_t i = 1; i < reports.size(); ++i)
        longestGap = std::max(longestGap, reports[i] - reports[i - 1]);
    std::printf(
        "1. %lld MiB in %.2f s (%s): %zu progress reports within the file, %.1f a second, longest gap %lld ms\n",
        static_cast<long long>(mib), seconds, authentic ? "authentic" : "NOT AUTHENTIC", reports.size(),
        reports.size() / seconds, static_cast<long long>(longestGap));
    const long peakLarge = PeakKiB();

    // 2. Cancel latency, at different points of the file.
    for (int delayMs : {50, 200, 400, 600, 800}) {
        std::atomic<bool> cancel{false};
        std::atomic<qint64> stoppedAt{0};
        QElapsedTimer since;
        VerifyOptions options;
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
        std::printf("2. cancel after %d ms: returned in %.2f ms as %s\n", delayMs, stoppedAt / 1e6,
                    AuthResultName(result.result));
    }

    std::printf("3. peak memory: %ld KiB after a 1 MiB export, %ld KiB after the %lld MiB one\n", peakSmall, peakLarge,
                static_cast<long long>(mib));
    QFile::remove(QFile::decodeName(small));
    QFile::remove(QFile::decodeName(large));
    return warm.IsAuthentic() ? 0 : 1;
}
