// ardentix-bench-walk [ENTRIES]: the "Open Folder" walk over a tree of
// ENTRIES entries (default 100,000: folders of 100 empty files with mixed
// suffixes, two levels deep, plus a symbolic-link loop): its time, how many
// files it keeps, and the process's peak memory.
#include "MediaFolderWalk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir root;
    const char* const suffixes[] = {"avi", "mp4", "jpg", "JPG", "txt", "mp4.bak", "2012.mp4", "log"};

    QElapsedTimer timer;
    timer.start();
    int made = 0;
    for (int top = 0; made < entries; ++top) {
        for (int sub = 0; sub < 10 && made < entries; ++sub) {
            const QString dir = root.filePath(QStringLiteral("camera-%1/day-%2").arg(top).arg(sub));
            QDir().mkpath(dir);
            for (int i = 0; i < 100 && made < entries; ++i, ++made) {
                QFile file(dir + QStringLiteral("/clip-%1.%2").arg(i).arg(QLatin1String(suffixes[i % 8])));
                file.open(QIODevice::WriteOnly);
            }
        }
    }
    QFile::link(root.path(), root.filePath("camera-0/loop"));
    std::printf("tree:      %d files made in %.2f s\n", made, timer.nsecsElapsed() / 1e9);

    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    timer.restart();
    const std::vector<QByteArray> files = WalkMediaFolder(QFile::encodeName(root.path())).files;
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    std::printf("walk:      %lld files kept of %d entries in %.3f s (%.0f entries/s)\n",
                static_cast<long long>(files.size()), made, seconds, made / seconds);
    std::printf("peak RSS:  %ld KiB before the walk, %ld KiB after\n", before.ru_maxrss, after.ru_maxrss);
    return 0;
}
