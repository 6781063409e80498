// ardentix-bench-gui: verification runs through the main window, on the
// display given by DISPLAY (run it under Xvfb with a window manager to
// measure real painting), offscreen when there is none.
//
// 1. N small exports (default 2000) authenticated by the engine alone and
//    then through VerifyFiles with the window shown: files per second
//    (target: at least 1,000) and the overhead per file.
// 2. Removal of 5 N rows (the small exports verified five times), all
//    selected (target for 10,000 rows: under 0.5 s).
// 3. One large export (default 1024 MiB) through VerifyFiles, against
//    `openssl dgst -md5` on the same file (target: at most 1.10 times), and
//    the CPU time of the GUI thread against that of the worker.
// 4. Closing the window during the large export: time from the close to
//    the run's return (target: under 1 s).
// 5. A custody check of the large export's saved report, against
//    `openssl dgst -md5` (target: at most 1.10 times).
// 6. The outcome window of a custody check of 5 N lines (every seventh
//    modified, its details wrapped), built, shown and painted (target for
//    10,000 lines: under 1 s).
// 7. The N small exports' verdicts with the preview helper making their
//    pictures and without it, on a quiet machine and with one processor
//    kept busy by another program (target: with pictures at most 1.10
//    times as long), and how long the pictures take after the verdicts.
#include "AuthenticateFile.h"
#include "BatchVerifier.h"
#include "CheckResultWindow.h"
#include "LargeExport.h"
#include "MainWindow.h"
#include "ResourceInit.h"
#include "WatermarkWriter.h"

#include "PreviewMaker.h"
#include "ResultModel.h"
#include "RunController.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QProcess>
#include <QSettings>

#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <utility>

using ardentix::engine::AuthenticateFile;
using ardentix::engine::AuthResult;
using ardentix::engine::WatermarkRecord;

namespace {

QTreeView* View(const MainWindow& window)
{
    return window.findChild<QTreeView*>(QStringLiteral("resultView"));
}

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

// Verifies the small exports through the window, after timing the engine
// alone on them; false when a verdict is not the one expected.
bool SmallExports(MainWindow& window, const QStringList& paths, std::size_t size)
{
    const int count = static_cast<int>(paths.size());
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
        authentic += AuthenticateFile(record, QFile::encodeName(path).constData()) == AuthResult::Authentic ? 1 : 0;
    }
    const double engineSeconds = timer.nsecsElapsed() / 1e9;

    QCoreApplication::processEvents();
    timer.restart();
    window.VerifyFiles(paths);
    const double runSeconds = timer.nsecsElapsed() / 1e9;
    if (authentic != count || window.SucceededFiles() != count) {
        std::fprintf(stderr, "unexpected verdicts: engine %d, run %d of %d\n", authentic, window.SucceededFiles(),
                     count);
        return false;
    }
    std::printf("small exports:        %d JPG files of %zu bytes\n", count, size);
    std::printf("engine alone:         %.3f s (%.0f files/s, %.3f ms/file)\n", engineSeconds, count / engineSeconds,
                1000 * engineSeconds / count);
    std::printf("through VerifyFiles:  %.3f s (%.0f files/s, %.3f ms/file)\n", runSeconds, count / runSeconds,
                1000 * runSeconds / count);
    std::printf("overhead per file:    %.3f ms\n", 1000 * (runSeconds - engineSeconds) / count);
    return true;
}

// One run of the small exports through a new window, its pictures made by
// helper (none when it cannot start): the seconds until the verdicts are
// in, and until the last picture.
std::pair<double, double> RunWithPictures(const QStringList& paths, const QString& helper)
{
    MainWindow window;
    window.show();
    window.Previews()->SetHelper(helper);
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.VerifyFiles(paths);
    const double verdicts = timer.nsecsElapsed() / 1e9;
    while (window.ResultModel()->PreviewsWaiting() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return {verdicts, timer.nsecsElapsed() / 1e9};
}

// The verdicts with and without pictures, quiet and with a processor kept
// busy; each pair twice, in turn, the better of each kept.
void PicturesBeside(const QStringList& paths)
{
    for (const bool busy : {false, true}) {
        QProcess spinner;
        if (busy) {
            spinner.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            spinner.waitForStarted();
        }
        double without = 1e9, with = 1e9, pictures = 0;
        for (int round = 0; round < 2; ++round) {
            without = std::min(without, RunWithPictures(paths, QStringLiteral("/nonexistent/ardentix-preview")).first);
            const std::pair<double, double> made = RunWithPictures(paths, QStringLiteral(ARDENTIX_PREVIEW_HELPER));
            with = std::min(with, made.first);
            pictures = made.second;
        }
        std::printf("verdicts, %s: %.3f s without pictures, %.3f s with (%.2f); last picture at %.3f s\n",
                    busy ? "one processor busy" : "quiet", without, with, with / without, pictures);
        if (busy) {
            spinner.kill();
            spinner.waitForFinished();
        }
    }
}

// Removes all of five runs' rows, then the lower half of as many.
void Removal(MainWindow& window, const QStringList& paths)
{
    QElapsedTimer timer;
    for (int again = 0; again < 4; ++again)
        window.VerifyFiles(paths);
    View(window)->selectAll();
    const int rows = window.ResultModel()->rowCount();
    timer.restart();
    QMetaObject::invokeMethod(&window, "RemoveFiles");
    const double removeSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("removal:              %d rows in %.3f s, %d left, total %d\n", rows, removeSeconds,
                window.ResultModel()->rowCount(), window.TotalFiles());

    // The lower half of as many rows, the hardest case for the table's
    // item lookups.
    for (int again = 0; again < 5; ++again)
        window.VerifyFiles(paths);
    QAbstractItemModel* shown = View(window)->model();
    const int all = shown->rowCount();
    View(window)->selectionModel()->select(
        QItemSelection(shown->index(all / 2, 0), shown->index(all - 1, shown->columnCount() - 1)),
        QItemSelectionModel::Select);
    timer.restart();
    QMetaObject::invokeMethod(&window, "RemoveFiles");
    std::printf("removal:              lower %d of %d rows in %.3f s, %d left\n", all - all / 2, all,
                timer.nsecsElapsed() / 1e9, window.ResultModel()->rowCount());
}

// Shows a custody check's outcome of five lines per path.
void OutcomeWindow(const QStringList& paths, const QTemporaryDir& dir)
{
    const int count = static_cast<int>(paths.size());
    QElapsedTimer timer;
    {
        CustodyRunResult result;
        result.prepared = result.complete = true;
        for (int i = 0; i < count * 5; ++i) {
            CustodyLine line;
            line.status = i % 7 == 0 ? CustodyStatus::Modified : CustodyStatus::Unchanged;
            line.pathBytes = QFile::encodeName(paths[i % count]);
            line.path = paths[i % count];
            line.result = i % 7 == 0 ? AuthResult::DigestMismatch : AuthResult::Authentic;
            line.reportAuthentic = true;
            if (i % 7 == 0)
                line.changed = QStringList{"sha256", "result", "reason"};
            result.lines.push_back(line);
            result.counts.Add(line.status);
        }
        CaseDetails details;
        timer.restart();
        CheckResultWindow outcome({QFile::encodeName(dir.filePath("report.jsonl")),
                                   QFile::encodeName(dir.path()),
                                   {QFile::encodeName(dir.path())}},
                                  result, &details, nullptr);
        outcome.show();
        QCoreApplication::processEvents();
        std::printf("custody check outcome: %d lines shown in %.3f s\n", count * 5, timer.nsecsElapsed() / 1e9);
    }
}

// Closes a window 300 ms into a run of the large export.
void CloseDuringRun(const QString& big)
{
    MainWindow third;
    third.show();
    QElapsedTimer sinceClose;
    QObject::connect(third.findChild<RunController*>(QStringLiteral("runs")), &RunController::Began, &third,
                     [&third, &sinceClose](int, qint64) {
                         QTimer::singleShot(300, &third, [&third, &sinceClose] {
                             sinceClose.start();
                             third.close();
                         });
                     });
    third.VerifyFiles({big});
    std::printf("close during the run: run returned %.1f ms after the close, %d rows\n",
                sinceClose.nsecsElapsed() / 1e6, third.ResultModel()->rowCount());
}

// A large export through the window, against the engine alone and openssl;
// a close during its run; its custody check.
int LargeExport(const QTemporaryDir& dir, qint64 largeMib)
{
    QElapsedTimer timer;
    {
        const QString big = dir.filePath(QStringLiteral("large.avi"));
        std::string error;
        if (!testsupport::WriteLargeExport(QFile::encodeName(big).toStdString(), testsupport::MediaType::Avi,
                                           largeMib << 20, false, testsupport::WatermarkFields(), &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        // The engine alone without the SHA-256, for the cost of the hash that
        // the desktop run computes in the same pass.
        timer.restart();
        const FileResult plain = VerifyFile({QFile::encodeName(big), largeMib << 20, false});
        const double plainSeconds = timer.nsecsElapsed() / 1e9;
        QProcess openssl;
        timer.restart();
        openssl.start(QStringLiteral("openssl"), {QStringLiteral("dgst"), QStringLiteral("-md5"), big});
        openssl.waitForFinished(-1);
        const double opensslSeconds = timer.nsecsElapsed() / 1e9;
        MainWindow second;
        second.show();
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
        std::printf("openssl dgst -md5:    %.2f s; VerifyFiles / openssl: %.3f (target: at most 1.10)\n",
                    opensslSeconds, wall / opensslSeconds);
        std::printf("engine without SHA-256: %.2f s (%s); VerifyFiles with it / without: %.3f (target: at most 1.15)\n",
                    plainSeconds, plain.IsAuthentic() ? "authentic" : "FAILED", wall / plainSeconds);

        CloseDuringRun(big);
        // A custody check of the same file: a saved report of it, read
        // back and the file verified again through the window.
        const QString report = dir.filePath(QStringLiteral("large.jsonl"));
        MainWindow fourth;
        fourth.show();
        fourth.VerifyFiles({big});
        fourth.SaveReportTo(report, EvidenceReport::Format::JsonLines);
        timer.restart();
        fourth.CheckAgainst({QFile::encodeName(report), QFile::encodeName(dir.path()), {}});
        const double checkSeconds = timer.nsecsElapsed() / 1e9;
        const CheckResultWindow* check = fourth.findChild<CheckResultWindow*>();
        std::printf("Custody Check: %.2f s, %s; / openssl: %.3f (target: at most 1.10)\n", checkSeconds,
                    check != nullptr && check->Summary().counts.AllUnchanged() ? "unchanged" : "NOT UNCHANGED",
                    checkSeconds / opensslSeconds);
        QFile::remove(big);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    RegisterResources();
    QApplication app(argc, argv);
    std::printf("platform:             %s\n", qPrintable(QGuiApplication::platformName()));
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
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
    MainWindow window;
    window.show();
    if (!SmallExports(window, paths, jpg.size()))
        return 1;
    Removal(window, paths);
    OutcomeWindow(paths, dir);
    PicturesBeside(paths);
    return largeMib > 0 ? LargeExport(dir, largeMib) : 0;
}
