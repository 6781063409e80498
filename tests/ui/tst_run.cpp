// Verification runs through the main window: rows, colours, counters,
// skipping, cancelling, the folder walk, and removing rows: the rows
// selected go, in one pass, and the counts keep to the rows left.
#include "EvidenceReport.h"
#include "LargeExport.h"
#include "ResultText.h"
#include "UiFixtures.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QTranslator>

using ardentix::engine::AuthResult;
using ardentix::engine::AuthResultName;

using namespace testsupport;

namespace {

QStringList TemporaryCopies()
{
    return QDir(QDir::tempPath())
        .entryList(QStringList(QStringLiteral(".ardentix-*")), QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestRun : public RunFixture
{
    Q_OBJECT

private slots:
    void verdictsAndRows()
    {
        WatermarkFields other;
        other.startTime = "2013-01-01 00:00:00";
        other.endTime = "2013-01-01 00:10:00";
        other.serial = "VH-9";

        const QStringList paths = {
            Write("good.jpg", MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg)),
            Write("clip.part2.avi", avi),
            Write("good.mp4", MakeExport(PaddedMedia(MediaType::Mp4, 3145764 + 4096), MediaType::Mp4)),
            Write("tampered.avi", Flip(MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, other), 4000)),
            Write("forged.avi", Flip(avi, -400)),
            Write("plain.jpg", SampleMedia(MediaType::Jpg)),
            Write("short.mov", std::string(100, 'x')),
            Write("clip.avix", avi),
        };
        MainWindow w;
        // The total counts every file of the run from its start, those in
        // progress among them.
        QList<int> totals;
        QObject::connect(Runs(w), &RunController::Changed, [&w, &totals] { totals << w.TotalFiles(); });
        w.VerifyFiles(paths);
        QVERIFY(totals.size() >= 3);
        QCOMPARE(totals, QList<int>(totals.size(), 8));
        QCOMPARE(Counts(w), Counts(8, 3, 5));
        ResultModel* model = w.ResultModel();

        const WatermarkFields fields;
        struct Expected
        {
            const char* name;
            const WatermarkFields* f; // null: no field shown
            AuthResult reason;
        };
        // The newest row is the first.
        const Expected expected[8] = {
            {"clip.avix", nullptr, AuthResult::UnsupportedType},  {"short.mov", nullptr, AuthResult::TooShort},
            {"plain.jpg", nullptr, AuthResult::BadSignature},     {"forged.avi", nullptr, AuthResult::BadSignature},
            {"tampered.avi", &other, AuthResult::DigestMismatch}, {"good.mp4", &fields, AuthResult::Authentic},
            {"clip.part2.avi", &fields, AuthResult::Authentic},   {"good.jpg", &fields, AuthResult::Authentic}};
        for (int r = 0; r < 8; ++r) {
            const bool authentic = expected[r].reason == AuthResult::Authentic;
            // The row keeps the whole result, and its verdict cell says why.
            QCOMPARE(AuthResultName(model->Record(r).result.result), AuthResultName(expected[r].reason));
            const WatermarkFields* f = expected[r].f;
            QCOMPARE(
                RowAt(model, r),
                QStringList({expected[r].name, authentic ? "Authentication succeeded" : "Authentication failed",
                             f ? QString::fromStdString(f->startTime) : "", f ? QString::fromStdString(f->endTime) : "",
                             f ? QString::fromStdString(f->serial) : "",
                             QColor(authentic ? Qt::darkGreen : Qt::red).name()}));
            QVERIFY(!model->index(r, ResultModel::NameColumn).data(Qt::ForegroundRole).isValid());
            const QString why = model->index(r, ResultModel::VerdictColumn).data(Qt::ToolTipRole).toString();
            QCOMPARE(why, ResultText::Reason(model->Record(r).result));
            QCOMPARE(model->index(r, ResultModel::VerdictColumn).data(Qt::AccessibleDescriptionRole).toString(), why);
            // What a failed file's watermark claims is greyed and says why,
            // never shown like a vouched-for value.
            for (int c = 2; c < 5; ++c) {
                const QModelIndex cell = model->index(r, c);
                QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), authentic ? QColor() : QColor(Qt::gray));
                QCOMPARE(cell.data(Qt::ToolTipRole).toString(), authentic ? QString() : why);
                QCOMPARE(cell.data(Qt::AccessibleDescriptionRole).toString(), authentic ? QString() : why);
            }
        }
        QVERIFY(w.Actions()[0]->isEnabled());
    }

    void stopping_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("small") << "closed during small files";
        QTest::newRow("large") << "closed during a large file";
        QTest::newRow("walk") << "closed during a folder walk";
        QTest::newRow("cancel") << "cancelled during a large file";
    }

    void stopping()
    {
        // Closing the window stops a walk (no run starts after it) or a run;
        // so does Cancel, pressed while the bar moves within a large file
        // among small ones, which hides the dialog for good while the
        // actions stay locked. Every file in progress stops at once: the
        // large file gets no row, the files not reached are not counted, and
        // the total is the rows shown. The next run, the window shown again,
        // is not stopped.
        QFETCH(QString, how);
        const bool cancel = how.startsWith("cancelled"), large = how.contains("large"), walk = how.contains("walk");
        if (large && !cancel)
            ARDENTIX_SLOW_TEST();
        // Closing's is sparse: its zeros take no room on disk.
        const QString big = dir.filePath("large.avi");
        if (large)
            QVERIFY(WriteLargeExport(QFile::encodeName(big).toStdString(), MediaType::Avi,
                                     cancel ? 192 << 20 : qint64(1) << 30, !cancel));
        QStringList files = {Write("first.avi", avi), Write("second.avi", avi), Write("third.avi", avi)};
        if (large)
            files.insert(cancel ? 1 : 0, big);
        const QString tree = dir.filePath("walk");
        for (int i = 0; walk && i < 100; ++i)
            Write(QStringLiteral("walk/d%1/x%2.avi").arg(i % 20).arg(i), avi);
        MainWindow w;
        w.show();
        bool began = false, cancelled = false, shownAfterCancel = false, modalAfterCancel = false, actionsLocked = true;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = w.findChild<QProgressDialog*>(QStringLiteral("runProgress"));
            if (dialog == nullptr)
                return;
            if (cancelled) {
                shownAfterCancel = shownAfterCancel || dialog->isVisible();
                modalAfterCancel = modalAfterCancel || QApplication::activeModalWidget() != nullptr;
                actionsLocked = actionsLocked && !w.Actions()[0]->isEnabled() && !w.Actions()[2]->isEnabled();
            } else if (dialog->value() > dialog->maximum() / 20 && dialog->value() < dialog->maximum() / 2) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
                cancelled = true;
            }
        });
        QMetaObject::Connection closers[2];
        if (cancel) {
            w.VerifyFiles({Write("before.avi", avi)});
            watch.start();
        } else {
            closers[0] = QObject::connect(Runs(w), &RunController::Began, &w, [&] {
                began = true;
                w.close();
            });
            closers[1] = QObject::connect(Runs(w), &RunController::Walking, &w, &QWidget::close);
        }
        if (walk)
            w.OpenPaths({QFile::encodeName(tree)});
        else
            w.VerifyFiles(files);
        watch.stop();
        for (const QMetaObject::Connection& closer : closers)
            QObject::disconnect(closer);
        QFile::remove(big);
        if (cancel) {
            QVERIFY2(cancelled, "the bar never moved within the large file");
            QVERIFY(!shownAfterCancel && !modalAfterCancel && actionsLocked);
            QVERIFY(Names(w).contains(QStringLiteral("before.avi")) && Names(w).contains(QStringLiteral("first.avi")));
        } else {
            QCOMPARE(began, !walk);
        }
        QVERIFY2(!Names(w).contains(QStringLiteral("large.avi")), qPrintable(Names(w).join(' ')));
        QCOMPARE(w.TotalFiles(), w.ResultModel()->rowCount());
        QCOMPARE(w.SucceededFiles(), w.ResultModel()->rowCount());
        QVERIFY(!w.RunInProgress() && w.isEnabled() && w.Actions()[0]->isEnabled());

        w.show();
        const int before = w.ResultModel()->rowCount();
        QStringList five;
        for (int i = 1; i <= 5; ++i)
            five << Write(QStringLiteral("five/%1.avi").arg(i), avi);
        if (walk)
            w.OpenPaths({QFile::encodeName(tree)});
        else
            w.VerifyFiles(five);
        QCOMPARE(w.ResultModel()->rowCount(), before + (walk ? 100 : 5));
        QCOMPARE(w.TotalFiles(), before + (walk ? 100 : 5));
    }

    void noDigest()
    {
        // Where this system cannot compute MD5, a file gets no verdict of
        // its own; it reads "Authentication failed", says why, and counts as
        // failed in the status bar, the saved reports and the PDF alike.
        if (!qEnvironmentVariableIsSet("ARDENTIX_NO_MD5"))
            QSKIP("runs with MD5 taken from OpenSSL (ctest: tst_windowrun_noDigest_no_md5)");
        MainWindow w;
        w.VerifyFiles({Write("no-digest.avi", avi)});
        QCOMPARE(Counts(w), Counts(1, 0, 1));
        const QStringList row = RowAt(w.ResultModel(), 0);
        QCOMPARE(row[1] + row[5], QStringLiteral("Authentication failed#ff0000"));
        const QString why = w.ResultModel()->index(0, ResultModel::VerdictColumn).data(Qt::ToolTipRole).toString();
        QCOMPARE(why, QStringLiteral("The file could not be verified: this system could not compute its digest."));

        const QString csv = dir.filePath("no-digest.csv");
        QVERIFY(w.SaveReportTo(csv, EvidenceReport::Format::Csv));
        QVERIFY(ReadFileAt(csv).split('\n').value(1).startsWith(QFile::encodeName(dir.filePath("no-digest.avi")) +
                                                                ",failed,internal-error,"));
        const QString pdf = dir.filePath("no-digest.pdf");
        QVERIFY(w.SaveReportTo(pdf, EvidenceReport::Format::Pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!text.waitForFinished(60000))
            QSKIP("pdftotext is not installed");
        const QString shown = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY(shown.contains(QStringLiteral("Files: 1, authentic: 0, failed: 1")));
        QVERIFY(shown.contains(QStringLiteral("1. no-digest.avi Authentication failed ") + why));
    }

    void newRowOnTopAfterSorting()
    {
        MainWindow w;
        w.VerifyFiles({Write("m.avi", avi), Write("a.avi", avi), Write("B.avi", avi)});
        // Names compare case-sensitively, whatever the locale.
        View(w)->sortByColumn(0, Qt::AscendingOrder);
        const auto shown = [&w] {
            QStringList names;
            for (int r = 0; r < Proxy(w)->rowCount(); ++r)
                names << Proxy(w)->index(r, ResultModel::NameColumn).data().toString();
            return names;
        };
        QCOMPARE(shown(), QStringList({"B.avi", "a.avi", "m.avi"}));
        w.VerifyFiles({Write("z.avi", avi)});
        QCOMPARE(shown(), QStringList({"z.avi", "B.avi", "a.avi", "m.avi"}));

        // A removal leaves the other rows where they were: it does not sort.
        const int widthBefore = View(w)->columnWidth(ResultModel::NameColumn);
        View(w)->selectionModel()->select(Proxy(w)->index(3, ResultModel::NameColumn),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(QMetaObject::invokeMethod(&w, "RemoveFiles"));
        QCOMPARE(shown(), QStringList({"z.avi", "B.avi", "a.avi"}));
        QCOMPARE(View(w)->columnWidth(ResultModel::NameColumn), widthBefore);
        QCOMPARE(View(w)->header()->sortIndicatorSection(), int(ResultModel::NameColumn));
    }

    void progressLabel()
    {
        // One substitution for all three: a name holding "%2" shows as is.
        for (const char* name : {"clip.avi", "clip%2%1%3.avi", "100% clip.avi", "a\n\"b\".avi"})
            QCOMPARE(ProgressLabel(name, 2, 5), QStringLiteral("Processing ") + name + "...(2/5)");
    }

    void verifiedInPlace()
    {
        // Files are verified where they are: nothing is written beside them,
        // in the working directory or in a temporary folder, and neither a
        // working directory that is gone nor a missing temporary folder
        // changes the verdict.
        const QString previous = QDir::currentPath();
        const QByteArray tmp = qgetenv("TMPDIR");
        const QString path = Write("in-place/genuine.avi", avi);
        const QStringList copies = TemporaryCopies();
        qputenv("TMPDIR", QFile::encodeName(dir.filePath("does/not/exist")));
        MainWindow w;
        {
            QTemporaryDir cwd;
            QVERIFY(QDir::setCurrent(cwd.path()));
            // A file named like an old fixed copy name survives byte for byte.
            QVERIFY(WriteFile("temp.avi", "the user's own file"));
            w.VerifyFiles({path});
            QCOMPARE(ReadFile("temp.avi"), std::string("the user's own file"));
            QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList("temp.avi"));
        }
        w.VerifyFiles({path});
        QDir::setCurrent(previous);
        if (tmp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmp);
        QCOMPARE(Counts(w), Counts(2, 2, 0));
        QCOMPARE(QDir(dir.filePath("in-place")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList("genuine.avi"));
        QCOMPARE(TemporaryCopies(), copies);
        QVERIFY(!QFileInfo::exists(dir.filePath("does")));
    }

    void removeRows_data()
    {
        QTest::addColumn<int>("pairs"); // of a genuine and a changed export, verified in turn
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<int>("first"); // the rows selected, as the view shows them
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("succeeded");
        QTest::addColumn<int>("failed");
        QTest::addColumn<bool>("german");
        // Rows shown (newest first): bad, good, bad, good; sorted by name:
        // bad, bad, good, good.
        QTest::newRow("nothing selected") << 2 << false << -1 << -1 << 2 << 2 << false;
        QTest::newRow("one failed row") << 2 << false << 0 << 0 << 2 << 1 << false;
        QTest::newRow("two middle rows") << 2 << false << 1 << 2 << 1 << 1 << false;
        QTest::newRow("all rows") << 2 << false << 0 << 3 << 0 << 0 << false;
        QTest::newRow("sorted, first two rows") << 2 << true << 0 << 1 << 2 << 0 << false;
        // Hundreds of rows go in one pass; sorted, the selection maps to rows
        // all over the model, and the counts keep to the rows left whatever
        // language the verdicts read.
        QTest::newRow("sorted, 300 of 400 rows, in German") << 200 << true << 50 << 349 << 50 << 50 << true;
    }

    void removeRows()
    {
        QFETCH(int, pairs);
        QFETCH(bool, sorted);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, succeeded);
        QFETCH(int, failed);
        QFETCH(bool, german);
        QTranslator translator; // taken away again when it goes
        if (german) {
            QVERIFY(translator.load(QStringLiteral(":/translations/ger")));
            QCoreApplication::installTranslator(&translator);
        }
        const QString good = Write("good.avi", avi), bad = Write("bad.avi", Flip(avi, 3000));
        QStringList paths;
        for (int i = 0; i < pairs; ++i)
            paths << good << bad;
        MainWindow w;
        // The model and the sort proxy over it keep Qt's rules through every
        // insertion, sort and removal.
        const QAbstractItemModelTester modelRules(w.ResultModel(),
                                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QAbstractItemModelTester proxyRules(Proxy(w), QAbstractItemModelTester::FailureReportingMode::QtTest);
        w.VerifyFiles(paths);
        QCOMPARE(w.ResultModel()->rowCount(), 2 * pairs);
        QTreeView* view = View(w);
        if (sorted)
            view->sortByColumn(ResultModel::NameColumn, Qt::AscendingOrder);
        if (first >= 0) {
            const QItemSelection range(view->model()->index(first, ResultModel::NameColumn),
                                       view->model()->index(last, ResultModel::SerialColumn));
            view->selectionModel()->select(range, QItemSelectionModel::Select);
        }
        QVERIFY(QMetaObject::invokeMethod(&w, "RemoveFiles"));
        QCOMPARE(Counts(w), Counts(succeeded + failed, succeeded, failed));
        QVERIFY(!view->selectionModel()->hasSelection());
    }
};

ARDENTIX_REGISTER_TEST(TestRun)
#include "tst_run.moc"
