// ardentix-bench-gui: verification runs through the main window, offscreen.
//
// 1. N small exports (default 1000) authenticated by the engine alone and
//    then through VerifyFiles: files per second and the overhead per file.
// 2. One large export (default 1024 MiB) through VerifyFiles: the CPU time
//    of the GUI thread against that of the worker.
#include "AuthenticateFile.h"
#include "LargeExport.h"
#include "MainWindow.h"
#include "ResourceInit.h"
#include "WatermarkWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

double ThreadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    RegisterResources();
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const qint64 largeMib = argc > 2 ? std::atoll(argv[2]) : 1024;

    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QTemporaryDir dir;
    const std::string jpg =
        testsupport::MakeExport(testsupport::SampleMedia(testsupport::MediaType::Jpg), testsupport::MediaType::Jpg);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = dir.filePath(QStringLiteral("small-%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        testsupport::WriteFile(QFile::encodeName(path).toStdString(), jpg);
        paths << path;
    }

    // Warm the page cache, then time the engine alone.
    for (const QString& path : paths) {
        WatermarkRecord record;
        AuthenticateFile(record, QFile::encodeName(path).constData());
    }
    QElapsedTimer timer;
    timer.start();
    int authentic = 0;
    for (const QString& path : paths) {
        WatermarkRecord record;
        authentic += AuthenticateFile(record, QFile::encodeName(path).constData()) == 0 ? 1 : 0;
    }
    const double engineSeconds = timer.nsecsElapsed() / 1e9;

    MainWindow window;
    timer.restart();
    window.VerifyFiles(paths);
    const double runSeconds = timer.nsecsElapsed() / 1e9;
    if (authentic != count || window.SucceededFiles() != count) {
        std::fprintf(stderr, "unexpected verdicts: engine %d, run %d of %d\n", authentic, window.SucceededFiles(),
                     count);
        return 1;
    }
    std::printf("small exports:        %d JPG files of %zu bytes\n", count, jpg.size());
    std::printf("engine alone:         %.3f s (%.0f files/s, %.3f ms/file)\n", engineSeconds, count / engineSeconds,
                1000 * engineSeconds / count);
    std::printf("through VerifyFiles:  %.3f s (%.0f files/s, %.3f ms/file)\n", runSeconds, count / runSeconds,
                1000 * runSeconds / count);
    std::printf("overhead per file:    %.3f ms (target: at most 2 ms)\n", 1000 * (runSeconds - engineSeconds) / count);

    if (largeMib > 0) {
        const QString big = dir.filePath(QStringLiteral("large.avi"));
        std::string error;
        if (!testsupport::WriteLargeExport(QFile::encodeName(big).toStdString(), testsupport::MediaType::Avi,
                                           largeMib << 20, false, testsupport::WatermarkFields(), &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        MainWindow second;
        const double gui0 = ThreadCpuSeconds();
        const double all0 = ProcessCpuSeconds();
        timer.restart();
        second.VerifyFiles({big});
        const double wall = timer.nsecsElapsed() / 1e9;
        const double gui = ThreadCpuSeconds() - gui0;
        const double worker = (ProcessCpuSeconds() - all0) - gui;
        std::printf("large export:         %lld MiB, %s, %.2f s wall\n", largeMib,
                    second.SucceededFiles() == 1 ? "authentic" : "FAILED", wall);
        std::printf("GUI thread CPU:       %.3f s\n", gui);
        std::printf("worker CPU:           %.3f s\n", worker);
        std::printf("GUI/worker:           %.2f %% (target: under 5 %%)\n", 100 * gui / worker);
        QFile::remove(big);
    }
    return 0;
}
