// The run without a window: what the driver tells its observer, in what
// order, with the counts of entries not reached kept right, and what the
// worker and the re-check's run do when they are stopped.
#include "CoreFixtures.h"
#include "BatchVerifier.h"
#include "CustodyRun.h"
#include "PreviewMaker.h"
#include "ResultText.h"
#include "RunDriver.h"
#include "RunState.h"
#include "TestRegistry.h"
#include "VerifyThread.h"

#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// Writes down what a run tells it, and cancels or closes at a file.
struct Recorder : RunObserver
{
    explicit Recorder(RunState& runState) : state(runState) {}

    bool Walking() override
    {
        ++walked;
        return true;
    }
    void Begin(int count) override { events << QStringLiteral("begin %1").arg(count); }
    void FileStarted(int index, const FileJob&, bool) override
    {
        events << QStringLiteral("start %1").arg(index);
        cancelled = cancelled || index == cancelAt;
    }
    bool Cancelled() const override { return cancelled; }
    void Verified(const RowRecord& record) override
    {
        ++rows;
        events << QFileInfo(QFile::decodeName(record.result.path)).fileName() + QLatin1Char(' ') +
                      ResultText::Verdict(record.result.IsAuthentic());
        Changed();
    }
    // The status bar's total: the rows plus the entries not reached.
    void Changed() override { totals << rows + state.notReached; }
    void End() override { events << QStringLiteral("end"); }

    RunState& state;
    int cancelAt = -1;
    bool cancelled = false;
    int walked = 0;
    qint64 rows = 0;
    QStringList events;
    QList<qint64> totals;
};

} // namespace

class TestRunDriver : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);

    QByteArray Write(const QString& name, const std::string& bytes)
    {
        if (!WriteFileAt(dir.filePath(name), bytes))
            qFatal("cannot write %s", qPrintable(name));
        return EngineName(dir.filePath(name));
    }

private slots:
    // The pictures' limits are those the README gives: ten seconds of
    // processor time a file in the helper, and a minute of waiting.
    void previewLimits()
    {
        PreviewMaker maker(QString{});
        QCOMPARE(maker.CpuLimit(), 10000);
        QCOMPARE(maker.TimeLimit(), 60000);
        QFile readme(QStringLiteral(ARDENTIX_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll()).simplified();
        QVERIFY(text.contains(QLatin1String("ten seconds of processor time a file")));
        QVERIFY(text.contains(QLatin1String("waits a minute at most")));
    }

    // Files forgotten while waiting get no answer and the others keep their
    // places; a helper that cannot start gives no pictures until another
    // helper is set, which is then tried.
    void previewQueue()
    {
        QTemporaryDir dir;
        std::vector<FileResult> results;
        for (int i = 0; i < 3; ++i) {
            FileJob job;
            job.path = QFile::encodeName(dir.filePath(QStringLiteral("%1.avi").arg(i)));
            QVERIFY(WriteFile(job.path.toStdString(), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
            results.push_back(VerifyFile(job, VerifyOptions()));
        }
        PreviewMaker maker(dir.filePath(QStringLiteral("no-such-helper")));
        QStringList made;
        connect(&maker, &PreviewMaker::Made,
                [&made](quint64 ticket, const PreviewProtocol::Frame& frame, PreviewMaker::Outcome outcome) {
                    made << QStringLiteral("%1 %2 %3")
                                .arg(ticket)
                                .arg(static_cast<int>(frame.kind))
                                .arg(static_cast<int>(outcome));
                });
        maker.SetHeld(true);
        for (int i = 0; i < 3; ++i)
            maker.Ask(quint64(i), results[std::size_t(i)]);
        maker.Forget(1);
        QCOMPARE(maker.Pending(), 2);
        QTest::qWait(50);
        QCOMPARE(made, QStringList());
        maker.SetHeld(false);
        QTRY_COMPARE(made, QStringList({"0 0 1", "2 0 1"}));
        maker.SetHelper(QStringLiteral(ARDENTIX_PREVIEW_HELPER));
        maker.Ask(3, results[0]);
        QTRY_COMPARE(made.value(2), QStringLiteral("3 2 0"));
    }

    void events_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<bool>("walk");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<qint64>>("totals");
        const QString ok = QStringLiteral("Authentication succeeded"), bad = QStringLiteral("Authentication failed");
        // Entries: good.avi, a path that is gone (skipped), bad.avi.
        QTest::newRow("every entry") << -1 << false << QStringList{"begin 3", "start 0",        "good.avi " + ok,
                                                                   "start 2", "bad.avi " + bad, "end"}
                                     << QList<qint64>{3, 3, 3, 2, 2, 2};
        // A cancel keeps the file in progress; the entries after it leave
        // the total at once.
        QTest::newRow("cancel in the first")
            << 0 << false << QStringList{"begin 3", "start 0", "good.avi " + ok, "end"} << QList<qint64>{3, 3, 3, 1};
        // A folder is walked first (byte-wise order: bad before good).
        QTest::newRow("folder") << -1 << true << QStringList{"begin 2", "start 0",        "bad.avi " + bad,
                                                             "start 1", "good.avi " + ok, "end"}
                                << QList<qint64>{2, 2, 2, 2, 2};
    }

    void events()
    {
        QFETCH(int, cancelAt);
        QFETCH(bool, walk);
        QFETCH(QStringList, events);
        QFETCH(QList<qint64>, totals);
        const QString folder = QStringLiteral("%1/").arg(QTest::currentDataTag());
        const QByteArray good = Write(folder + "good.avi", avi);
        const QByteArray bad = Write(folder + "bad.avi", Flip(avi, 3000));
        RunState state;
        Recorder recorder(state);
        recorder.cancelAt = cancelAt;
        RunDriver driver(state, recorder);
        if (walk)
            driver.OpenPaths({QFile::encodeName(dir.filePath(folder))});
        else
            driver.Verify({FileJob{good, qint64(avi.size()), false}, FileJob{good + ".gone", 0, false},
                           FileJob{bad, qint64(avi.size()), false}});
        QCOMPARE(recorder.events, events);
        QCOMPARE(recorder.totals, totals);
        QCOMPARE(state.notReached, qint64(0));
        QCOMPARE(state.cancelRequested, cancelAt >= 0);
        QVERIFY(!state.busy && state.currentWorker == nullptr);
        QCOMPARE(recorder.walked > 0, walk);

        // Closing stops everything: no run starts.
        state.stopRequested = true;
        recorder.events.clear();
        driver.Verify({FileJob{good, qint64(avi.size()), false}});
        QVERIFY(recorder.events.isEmpty());
    }

    void stopBeforeVerdict()
    {
        // The stop flag that closing the window sets reaches the engine: the
        // file in progress gets no verdict.
        const FileJob job{Write("stopped.avi", avi), qint64(avi.size()), false};
        for (bool stop : {true, false}) {
            const std::atomic<bool> flag{stop};
            VerifyThread worker(job, &flag);
            worker.start();
            QVERIFY(worker.wait(60000));
            const std::optional<FileResult> result = worker.TakeResult();
            QCOMPARE(result.has_value(), !stop);
            QCOMPARE(worker.BytesDone(), stop ? 0 : qint64(avi.size()));
            // Given once.
            QVERIFY(!worker.TakeResult().has_value());
        }
    }

    void checkRefusedOrCancelled()
    {
        // A report that cannot be read is refused with its reason; a check
        // cancelled at its first frame is not complete and says so.
        const QByteArray report = Write("report.csv", "not,a,report\r\n");
        RunState state;
        int frames = 0;
        const CustodyRunResult refused =
            CustodyRun(state, 2).Check({report, {}, {}}, [&frames](const CustodyProgress&) {
                ++frames;
                return true;
            });
        QVERIFY(!refused.prepared && refused.problem.IsProblem());
        QVERIFY(frames >= 1);
        QVERIFY(!state.busy && !state.cancelRequested);

        state.stopRequested = true;
        const CustodyRunResult closed =
            CustodyRun(state, 2).Check({report, {}, {}}, [](const CustodyProgress&) { return true; });
        QVERIFY(!closed.prepared && !closed.problem.IsProblem());
    }
};

ARDENTIX_REGISTER_TEST(TestRunDriver)
#include "tst_rundriver.moc"
