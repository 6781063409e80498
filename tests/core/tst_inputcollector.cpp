// The paths given, as the files to verify.
#include "InputCollector.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace testsupport;

class TestInputCollector : public QObject
{
    Q_OBJECT

private slots:
    // The paths given, as the files to verify: a folder (or a link to one)
    // walked, anything else one file with its size (0 when it has none).
    void collect()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(QDir().mkpath(dir.filePath("f/sub")));
        for (const auto& [name, size] :
             {std::pair<const char*, int>{"/f/b.avi", 700}, {"/f/sub/a.jpg", 600}, {"/f/c.txt", 1}, {"/x.mov", 5}})
            QVERIFY(testsupport::WriteFile((root + name).toStdString(), std::string(size, 'x')));
        std::vector<QByteArray> paths = {root + "/x.mov", root + "/missing.avi", root + "/link", root + "/f/", ""};
        QStringList expected = {
            "/x.mov 5", "/missing.avi 0", "/link/b.avi 700", "/link/sub/a.jpg 600", "/f/b.avi 700", "/f/sub/a.jpg 600",
            " 0"};
#ifdef Q_OS_WIN // QFile::link makes a shortcut there, a file
        paths.erase(paths.begin() + 2);
        expected.remove(2, 2);
#else
        QVERIFY(QFile::link("f", dir.filePath("link")));
#endif
        QStringList jobs;
        for (const FileJob& job : InputCollector::Collect(paths))
            jobs << QString::fromLatin1(job.path.mid(job.path.isEmpty() ? 0 : root.size())) + ' ' +
                        QString::number(job.size) + (job.unreadableFolder ? " unlisted" : "");
        QCOMPARE(jobs, expected);
    }
};

ARDENTIX_REGISTER_TEST(TestInputCollector)
#include "tst_inputcollector.moc"
