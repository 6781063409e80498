// The batch verifier: results in the list's order, progress, cancelling.
#include "BatchVerifier.h"
#include "CoreFixtures.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using ardentix::engine::AuthResultName;

using namespace testsupport;

class TestBatchVerifier : public QObject
{
    Q_OBJECT

private slots:
    // A batch hands the results on in the list's order whatever the jobs,
    // counts the bytes of every file done, and reports every file not
    // finished when it is cancelled.
    void batch()
    {
        QTemporaryDir dir;
        const std::string avi = MakeExport(PaddedMedia(MediaType::Avi, 600000), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        const std::string tampered = Flip(avi, 5000);
        struct File
        {
            QString name;
            std::string bytes;
            const char* reason;
        };
        const QList<File> files = {{"a.avi", avi, "authentic"},
                                   {"b.jpg", jpg, "authentic"},
                                   {"missing.avi", "", "unreadable"},
                                   {"c.avi", tampered, "digest-mismatch"}};
        std::vector<FileJob> jobs;
        QStringList expected;
        qint64 total = 0;
        for (const File& file : files) {
            const QByteArray path = QFile::encodeName(dir.filePath(file.name));
            if (!file.bytes.empty())
                QVERIFY(WriteFile(path.toStdString(), file.bytes));
            jobs.push_back({path, qint64(file.bytes.size()), false});
            total += qint64(file.bytes.size());
            expected << file.name + QLatin1Char(' ') + QLatin1String(file.reason) + QLatin1Char(' ') +
                            (file.bytes.empty() ? QString() : Sha256Hex(file.bytes).left(8));
        }
        jobs.push_back({QFile::encodeName(dir.path()), 0, true});
        expected << QFileInfo(dir.path()).fileName() + QStringLiteral(" unreadable ");

        for (int threads : {1, 3}) {
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
            BatchVerifier(threads, true).Run(jobs, callbacks);
            QCOMPARE(got, expected);
            QVERIFY(batches >= 1);
            QCOMPARE(progress.last(), qMakePair(qint64(5), total));
            for (int i = 1; i < progress.size(); ++i)
                QVERIFY(progress[i].first >= progress[i - 1].first && progress[i].second <= total);

            const std::atomic<bool> cancel{true};
            QStringList cancelled;
            callbacks.result = [&](const FileResult& r) { cancelled << QLatin1String(AuthResultName(r.result)); };
            BatchVerifier(threads, false).Run(jobs, callbacks, &cancel);
            QCOMPARE(cancelled, QStringList(5, QStringLiteral("cancelled")));
        }
    }
};

ARDENTIX_REGISTER_TEST(TestBatchVerifier)
#include "tst_batchverifier.moc"
