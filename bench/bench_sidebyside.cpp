// ardentix-bench-side [SMALL [LARGE_MIB]]: the window and the verifier side
// by side, in one run, on the same files, with each file's SHA-256 on both
// sides:
//
// 1. SMALL small exports (default 3000): the window's time (VerifyFiles,
//    the window shown) over `ardentix-verify --sha256` (target: at most
//    1.3), with the files verified at once from 1 to the verifier's
//    default, as --jobs does.
// 2. Two exports of LARGE_MIB MiB (default 1024): the same ratio (target:
//    at most 1.1), and the same scaling.
// 3. While one large export is verified, a click on the progress dialog
//    every 20 ms: how long each takes to be answered, median and maximum
//    (target: under 50 ms).
//
// Run it on a real display (Xvfb with a window manager) to count painting.
// Each time is the best of two.
#include "LargeExport.h"
#include "MainWindow.h"
#include "ResourceInit.h"
#include "RunController.h"
#include "WatermarkWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Seconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e9;
}

// The verifier's time on paths, its output thrown away.
double VerifierSeconds(const QStringList& paths, int jobs)
{
    double best = 1e9;
    for (int round = 0; round < 2; ++round) {
        QProcess verifier;
        verifier.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        verifier.start(
            QStringLiteral(ARDENTIX_VERIFY),
            QStringList{QStringLiteral("--sha256"), QStringLiteral("--quiet"), QStringLiteral("--jobs=%1").arg(jobs)} +
                paths);
        verifier.waitForFinished(-1);
        best = std::min(best, Seconds(timer));
    }
    return best;
}

// The window's time on paths, from a new window each time.
double WindowSeconds(const QStringList& paths, int jobs, int* rows)
{
    double best = 1e9;
    for (int round = 0; round < 2; ++round) {
        MainWindow window;
        window.show();
        window.findChild<RunController*>(QStringLiteral("runs"))->SetJobs(jobs);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.VerifyFiles(paths);
        best = std::min(best, Seconds(timer));
        *rows = window.SucceededFiles();
    }
    return best;
}

void SideBySide(const char* what, const QStringList& paths)
{
    const int most = QThread::idealThreadCount();
    for (int jobs = 1; jobs <= most; jobs *= 2) {
        int rows = 0;
        const double window = WindowSeconds(paths, jobs, &rows);
        const double verifier = VerifierSeconds(paths, jobs);
        std::printf("%-24s %d at once: window %.3f s (%d authentic), ardentix-verify %.3f s; window / verifier %.2f\n",
                    what, jobs, window, rows, verifier, window / verifier);
        if (jobs < most && jobs * 2 > most)
            jobs = most / 2;
    }
}

// Clicks on the progress dialog every 20 ms while large is verified: the
// time from each click's posting to its delivery.
void Clicks(const QString& large)
{
    MainWindow window;
    window.show();
    std::vector<double> waits;
    QElapsedTimer clock;
    clock.start();
    struct Catcher : QObject
    {
        QElapsedTimer* clock = nullptr;
        std::vector<double>* waits = nullptr;
        qint64 postedAt = -1;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::MouseButtonPress && postedAt >= 0) {
                waits->push_back((clock->nsecsElapsed() - postedAt) / 1e6);
                postedAt = -1;
            }
            return QObject::eventFilter(watched, event);
        }
    } catcher;
    catcher.clock = &clock;
    catcher.waits = &waits;
    QTimer clicker;
    clicker.setInterval(20);
    QObject::connect(&clicker, &QTimer::timeout, [&window, &catcher, &clock] {
        auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("runProgress"));
        if (dialog == nullptr || catcher.postedAt >= 0)
            return;
        dialog->installEventFilter(&catcher);
        catcher.postedAt = clock.nsecsElapsed();
        const QPointF at(5, 5);
        QCoreApplication::postEvent(dialog, new QMouseEvent(QEvent::MouseButtonPress, at, dialog->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    });
    clicker.start();
    window.VerifyFiles({large});
    clicker.stop();
    if (waits.empty()) {
        std::printf("clicks during the large export: none answered\n");
        return;
    }
    std::sort(waits.begin(), waits.end());
    std::printf("clicks during the large export: %zu, answered in %.2f ms (median), %.2f ms (maximum); "
                "target: under 50 ms\n",
                waits.size(), waits[waits.size() / 2], waits.back());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    RegisterResources();
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 3000;
    const qint64 largeMib = argc > 2 ? std::atoll(argv[2]) : 1024;
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QTemporaryDir dir;
    std::printf("platform: %s, %d processors\n", qPrintable(QGuiApplication::platformName()),
                QThread::idealThreadCount());

    using namespace testsupport;
    const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
    QStringList small;
    for (int i = 0; i < count; ++i) {
        const QString path = dir.filePath(QStringLiteral("small-%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        WriteFile(QFile::encodeName(path).toStdString(), jpg);
        small << path;
    }
    SideBySide(qPrintable(QStringLiteral("%1 small exports").arg(count)), small);
    if (largeMib <= 0)
        return 0;
    QStringList large;
    for (int i = 0; i < 2; ++i) {
        const QString path = dir.filePath(QStringLiteral("large-%1.avi").arg(i));
        std::string error;
        if (!WriteLargeExport(QFile::encodeName(path).toStdString(), MediaType::Avi, largeMib << 20, false,
                              WatermarkFields(), &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        large << path;
    }
    SideBySide(qPrintable(QStringLiteral("two %1 MiB exports").arg(largeMib)), large);
    Clicks(large[0]);
    return 0;
}
