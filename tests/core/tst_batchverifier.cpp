// The paths given, as the files to verify; the batch verifier: results in
// the list's order, progress, cancelling; the verification job over it:
// paths, then a list, and how a run ends.
#include "BatchVerifier.h"
#include "CoreFixtures.h"
#include "InputCollector.h"
#include "TestRegistry.h"
#include "VerifyJob.h"
#include "WatermarkWriter.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <tuple>

Q_DECLARE_METATYPE(VerifyJob::Conclusion)

using namespace testsupport;

class TestBatchVerifier : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // What the verifier says of each file: "<reason> <SHA-256's first 8
    // digits>".
    QMap<QString, QString> m_outcomes;

    FileJob Job(const QString& name) const
    {
        // "folder": the test's folder, given as one that could not be listed.
        if (name == QLatin1String("folder"))
            return {QFile::encodeName(m_dir.path()), 0, true};
        const QFileInfo info(m_dir.filePath(name));
        return {QFile::encodeName(info.filePath()), info.isFile() ? info.size() : 0, false};
    }

private slots:
    void initTestCase()
    {
        const std::string avi = MakeExport(PaddedMedia(MediaType::Avi, 600000), MediaType::Avi);
        const std::tuple<QString, std::string, QString> files[] = {
            {"a.avi", avi, "authentic"},
            {"b.jpg", MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg), "authentic"},
            {"c.avi", Flip(avi, 5000), "digest-mismatch"}};
        for (const auto& [name, bytes, reason] : files) {
            QVERIFY(WriteFile(QFile::encodeName(m_dir.filePath(name)).toStdString(), bytes));
            m_outcomes[name] = reason + QLatin1Char(' ') + Sha256Hex(bytes).left(8);
        }
        // A folder named like a recording, given as a file, is unreadable too.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("clip.avi")));
        for (const char* name : {"missing.avi", "folder", "clip.avi"})
            m_outcomes[name] = QStringLiteral("unreadable ");
    }

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

    void batch_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<bool>("cancel");
        const QStringList mixed = {"a.avi", "b.jpg", "missing.avi", "c.avi", "folder"};
        const QStringList unreadable = {"missing.avi", "clip.avi", "folder", "missing.avi"};
        QTest::newRow("mixed, one job") << mixed << 1 << false;
        QTest::newRow("mixed, three jobs") << mixed << 3 << false;
        QTest::newRow("unreadable paths only, two jobs") << unreadable << 2 << false;
        QTest::newRow("cancelled, one job") << mixed << 1 << true;
        QTest::newRow("cancelled, three jobs") << mixed << 3 << true;
    }

    // A batch hands the results on in the list's order whatever the jobs,
    // counts the bytes of every file done, and reports every file not
    // finished when it is cancelled.
    void batch()
    {
        QFETCH(QStringList, names);
        QFETCH(int, jobs);
        QFETCH(bool, cancel);
        std::vector<FileJob> list;
        QStringList expected;
        qint64 total = 0;
        for (const QString& name : names) {
            list.push_back(Job(name));
            total += list.back().size;
            expected << QFileInfo(QFile::decodeName(list.back().path)).fileName() + QLatin1Char(' ') +
                            (cancel ? QStringLiteral("cancelled ") : m_outcomes[name]);
        }
        QStringList got;
        QList<QPair<qint64, qint64>> progress;
        int batches = 0;
        BatchVerifier::Callbacks callbacks;
        callbacks.result = [&](const FileResult& r) {
            got << QFileInfo(QFile::decodeName(r.path)).fileName() + QLatin1Char(' ') +
                       QLatin1String(AuthResultName(r.result)) + QLatin1Char(' ') +
                       QString::fromLatin1(r.sha256.left(8));
        };
        callbacks.batchEnd = [&] { ++batches; };
        callbacks.progress = [&](qint64 files, qint64 bytes) { progress << qMakePair(files, bytes); };
        const std::atomic<bool> stop{cancel};
        BatchVerifier(jobs, !cancel).Run(list, callbacks, &stop);
        QCOMPARE(got, expected);
        QVERIFY(batches >= 1);
        if (cancel)
            return;
        QCOMPARE(progress.last(), qMakePair(qint64(names.size()), total));
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY(progress[i].first >= progress[i - 1].first && progress[i].second <= total);
    }
    void job_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QByteArray>("list"); // the list's lines; "-" for a list that is not there
        QTest::addColumn<bool>("stop");
        QTest::addColumn<VerifyJob::Conclusion>("conclusion");
        QTest::addColumn<QStringList>("verified"); // in the order given to the sink
        using C = VerifyJob::Conclusion;
        QTest::newRow("all authentic") << QStringList{"a.avi", "b.jpg"} << QByteArray() << false << C::AllAuthentic
                                       << QStringList{"a.avi", "b.jpg"};
        QTest::newRow("the paths, then the list") << QStringList{"c.avi"} << QByteArray("b.jpg\na.avi\n") << false
                                                  << C::SomeFailed << QStringList{"c.avi", "b.jpg", "a.avi"};
        QTest::newRow("nothing to verify")
            << QStringList() << QByteArray() << false << C::NothingToVerify << QStringList();
        QTest::newRow("a list that is not there")
            << QStringList{"a.avi"} << QByteArray("-") << false << C::ListFailed << QStringList();
        QTest::newRow("an empty entry ends the list")
            << QStringList() << QByteArray("a.avi\n\nb.jpg\n") << false << C::ListFailed << QStringList{"a.avi"};
        QTest::newRow("stopped") << QStringList{"a.avi", "c.avi"} << QByteArray() << true << C::Stopped
                                 << QStringList{"a.avi", "c.avi"};
    }

    // A job verifies the paths' files, then the list's, hands each result to
    // its sink and says how the run ended; a list that cannot be opened
    // stops it before any file.
    void job()
    {
        QFETCH(QStringList, paths);
        QFETCH(QByteArray, list);
        QFETCH(bool, stop);
        QFETCH(VerifyJob::Conclusion, conclusion);
        QFETCH(QStringList, verified);
        struct Sink : VerifySink
        {
            QStringList names;
            void Result(const FileResult& r) override { names << QFileInfo(QFile::decodeName(r.path)).fileName(); }
        } sink;
        VerifySources sources;
        for (const QString& name : paths)
            sources.paths.push_back(Job(name).path);
        if (!list.isEmpty()) {
            sources.list = QFile::encodeName(m_dir.filePath(QStringLiteral("list.txt")));
            if (list != "-") {
                QByteArray lines = list;
                lines.replace("a.avi", QFile::encodeName(m_dir.filePath("a.avi")))
                    .replace("b.jpg", QFile::encodeName(m_dir.filePath("b.jpg")));
                QVERIFY(WriteFile(sources.list->toStdString(), lines.toStdString()));
            } else {
                QFile::remove(m_dir.filePath(QStringLiteral("list.txt")));
            }
        }
        VerifyJob job(sources, 2, false);
        const std::atomic<bool> stopFlag{stop};
        const bool prepared = job.Prepare();
        if (prepared)
            QCOMPARE(job.Run(sink, &stopFlag), conclusion);
        QCOMPARE(job.Concluded(), conclusion);
        // Only a job with nothing to run is not prepared; a stopped job
        // gives every file, cancelled.
        QCOMPARE(prepared, !verified.isEmpty());
        QCOMPARE(sink.names, verified);
        QCOMPARE(job.Counts().Total(), stop ? 0 : qint64(verified.size()));
        QCOMPARE(job.Problem().code == ListProblem::Code::None, conclusion != VerifyJob::Conclusion::ListFailed);
    }
};

ARDENTIX_REGISTER_TEST(TestBatchVerifier)
#include "tst_batchverifier.moc"
