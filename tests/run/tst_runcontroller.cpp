// The run without a window: what the controller signals, in what order,
// with the count of entries not reached kept right; a re-check refused,
// and no run once the window closes; and the pictures' queue.
#include "BatchVerifier.h"
#include "CoreFixtures.h"
#include "ExportFolder.h"
#include "PreviewMaker.h"
#include "ResultText.h"
#include "RunController.h"
#include "TestRegistry.h"

#include <QTest>

using namespace testsupport;

namespace {

// Writes down what a run signals: each event, and the status bar's total
// (rows plus entries not reached) at each change.
struct Recorder
{
    explicit Recorder(RunController& controller) : run(controller)
    {
        QObject::connect(&run, &RunController::Walking, &context, [this] { events << QStringLiteral("walk"); });
        QObject::connect(&run, &RunController::Began, &context,
                         [this](int count, qint64) { events << QStringLiteral("begin %1").arg(count); });
        QObject::connect(&run, &RunController::Verified, &context, [this](const QList<RowRecord>& records) {
            for (const RowRecord& record : records) {
                ++rows;
                events << QFileInfo(QFile::decodeName(record.result.path)).fileName() + QLatin1Char(' ') +
                              ResultText::Verdict(record.result.IsAuthentic());
            }
        });
        QObject::connect(&run, &RunController::Changed, &context, [this] { totals << rows + run.NotReached(); });
        QObject::connect(&run, &RunController::Ended, &context, [this] { events << QStringLiteral("end"); });
    }

    RunController& run;
    QObject context;
    qint64 rows = 0;
    QStringList events;
    QList<qint64> totals;
};

} // namespace

class TestRunController : public ExportFolder
{
    Q_OBJECT

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
        std::vector<FileResult> results;
        for (int i = 0; i < 3; ++i)
            results.push_back(VerifyFile({WriteNative(QStringLiteral("preview/%1.avi").arg(i), avi), 0, false}, {}));
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
        QTest::addColumn<bool>("walk");
        QTest::addColumn<bool>("cancelAtWalk");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<qint64>("total"); // the status bar's, at every change
        const QString ok = QStringLiteral("Authentication succeeded"), bad = QStringLiteral("Authentication failed");
        // Entries: good.avi, a path that is gone (skipped), bad.avi; in their
        // order whatever the number of jobs.
        for (const int jobs : {1, 2, 4})
            QTest::newRow(qPrintable(QStringLiteral("every entry, %1 jobs").arg(jobs)))
                << false << false << jobs << QStringList{"begin 2", "good.avi " + ok, "bad.avi " + bad, "end"}
                << qint64(2);
        // A folder is walked first (byte-wise order: bad before good).
        QTest::newRow("folder") << true << false << 2
                                << QStringList{"walk", "begin 2", "bad.avi " + bad, "good.avi " + ok, "end"}
                                << qint64(2);
        // Cancelled during the walk: nothing is verified.
        QTest::newRow("cancelled walk") << true << true << 2 << QStringList{"walk", "end"} << qint64(0);
    }

    void events()
    {
        QFETCH(bool, walk);
        QFETCH(bool, cancelAtWalk);
        QFETCH(int, jobs);
        QFETCH(QStringList, events);
        QFETCH(qint64, total);
        const QString folder = QStringLiteral("%1/").arg(QTest::currentDataTag());
        const QByteArray good = WriteNative(folder + "good.avi", avi);
        const QByteArray bad = WriteNative(folder + "bad.avi", Flip(avi, 3000));
        RunController run;
        run.SetJobs(jobs);
        Recorder recorder(run);
        if (cancelAtWalk)
            connect(&run, &RunController::Walking, &run, &RunController::Cancel);
        if (walk)
            QVERIFY(run.Open({QFile::encodeName(dir.filePath(folder))}));
        else
            QVERIFY(run.Verify({FileJob{good, qint64(avi.size()), false}, FileJob{good + ".gone", 0, false},
                                FileJob{bad, qint64(avi.size()), false}}));
        QCOMPARE(recorder.events, events);
        // Once at the start and at the end, and after each batch of verdicts.
        QVERIFY(recorder.totals.size() >= (total > 0 ? 3 : 1));
        QCOMPARE(recorder.totals, QList<qint64>(recorder.totals.size(), total));
        QCOMPARE(run.NotReached(), qint64(0));
        QCOMPARE(run.Stopped(), cancelAtWalk);
        QVERIFY(!run.Busy());

        // Closing stops everything: no run starts until it is reopened.
        run.Close();
        recorder.events.clear();
        QVERIFY(!run.Verify({FileJob{good, qint64(avi.size()), false}}));
        QVERIFY(!run.Check({good, {}, {}}).has_value());
        QVERIFY(recorder.events.isEmpty());
        run.Reopen();
        QVERIFY(run.Verify({FileJob{good, qint64(avi.size()), false}}));
        QCOMPARE(recorder.events, QStringList({"begin 1", "good.avi Authentication succeeded", "end"}));
    }

    void checkRefused()
    {
        // A report that cannot be read is refused with its reason.
        const QByteArray report = WriteNative("report.csv", "not,a,report\r\n");
        RunController run;
        int shown = 0;
        connect(&run, &RunController::CheckProgress, &run, [&shown](const CustodyProgress&) { ++shown; });
        const std::optional<CustodyRunResult> refused = run.Check({report, {}, {}});
        QVERIFY(refused.has_value() && !refused->prepared && refused->problem.IsProblem());
        QCOMPARE(shown, 0);
        QVERIFY(!run.Busy() && !run.Stopped());
    }
};

ARDENTIX_REGISTER_TEST(TestRunController)
#include "tst_runcontroller.moc"
