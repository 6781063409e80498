// The batch verifier: results in the list's order, progress, cancelling.
#include "BatchVerifier.h"
#include "CoreFixtures.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

using namespace testsupport;

class TestBatchVerifier : public QObject
{
    Q_OBJECT

    struct File
    {
        std::string bytes;
        // What the verifier says of it: "<reason> <SHA-256's first 8 digits>".
        QString outcome;
    };
    QTemporaryDir m_dir;
    // The files by name; "folder" is the test's folder, given as a folder
    // that could not be listed, and "clip.avi" a folder given as a file.
    QMap<QString, File> m_files;

    FileJob Job(const QString& name) const
    {
        if (name == QLatin1String("folder"))
            return {QFile::encodeName(m_dir.path()), 0, true};
        return {QFile::encodeName(m_dir.filePath(name)), qint64(m_files[name].bytes.size()), false};
    }

private slots:
    void initTestCase()
    {
        const std::string avi = MakeExport(PaddedMedia(MediaType::Avi, 600000), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        m_files = {{"a.avi", {avi, "authentic"}},
                   {"b.jpg", {jpg, "authentic"}},
                   {"c.avi", {Flip(avi, 5000), "digest-mismatch"}},
                   {"missing.avi", {"", "unreadable"}},
                   {"folder", {"", "unreadable"}},
                   {"clip.avi", {"", "unreadable"}}};
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("clip.avi")));
        for (auto it = m_files.begin(); it != m_files.end(); ++it) {
            if (!it->bytes.empty()) {
                QVERIFY(WriteFile(QFile::encodeName(m_dir.filePath(it.key())).toStdString(), it->bytes));
                it->outcome += QLatin1Char(' ') + Sha256Hex(it->bytes).left(8);
            } else {
                it->outcome += QLatin1Char(' ');
            }
        }
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
                            (cancel ? QStringLiteral("cancelled ") : m_files[name].outcome);
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
};

ARDENTIX_REGISTER_TEST(TestBatchVerifier)
#include "tst_batchverifier.moc"
