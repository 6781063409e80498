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
        QVERIFY(totals.size() >= 9);
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

    void cancelDuringLargeFile()
    {
        // Cancel while a large file is verified among small ones. The bar
        // moves within it. Cancel hides the dialog for good and stops every
        // file in progress at once: the large file gets no row, nothing
        // after it is counted, and the total is the rows shown.
        const QString large = dir.filePath("cancel-large.avi");
        QVERIFY(WriteLargeExport(QFile::encodeName(large).toStdString(), MediaType::Avi, 192 << 20));
        MainWindow w;
        w.show();
        w.VerifyFiles({Write("before.avi", avi)});
        bool cancelled = false, shownAfterCancel = false, modalAfterCancel = false, actionsLocked = true;
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
        watch.start();
        w.VerifyFiles({Write("first.avi", avi), large, Write("after-1.avi", avi), Write("after-2.avi", avi)});
        watch.stop();
        QFile::remove(large);
        QVERIFY2(cancelled, "the bar never moved within the large file");
        QVERIFY(!shownAfterCancel && !modalAfterCancel && actionsLocked);
        QStringList names;
        for (int r = 0; r < w.ResultModel()->rowCount(); ++r)
            names << w.ResultModel()->index(r, ResultModel::NameColumn).data().toString();
        QVERIFY2(!names.contains(QStringLiteral("cancel-large.avi")), qPrintable(names.join(' ')));
        QVERIFY(names.contains(QStringLiteral("before.avi")) && names.contains(QStringLiteral("first.avi")));
        QCOMPARE(w.TotalFiles(), w.ResultModel()->rowCount());
        QCOMPARE(w.SucceededFiles(), w.ResultModel()->rowCount());
        QVERIFY(w.Actions()[0]->isEnabled());
        // The next run is not cancelled.
        const int before = w.ResultModel()->rowCount();
        QStringList five;
        for (int i = 1; i <= 5; ++i)
            five << Write(QStringLiteral("five/%1.avi").arg(i), avi);
        w.VerifyFiles(five);
        QCOMPARE(w.ResultModel()->rowCount(), before + 5);
        QCOMPARE(w.TotalFiles(), before + 5);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("small") << "small files";
        QTest::newRow("large") << "a large file";
        QTest::newRow("walk") << "a folder walk";
    }

    void closing()
    {
        // Closing the window stops a walk (no run starts after it) or a run:
        // the files not reached are not counted, and the total is the rows
        // shown. A large file in progress stops at once and gets no row. A
        // window shown again takes work again.
        QFETCH(QString, during);
        const bool large = during == "a large file", walk = during == "a folder walk";
        if (large)
            ARDENTIX_SLOW_TEST();
        const QString first = large ? dir.filePath("closing.avi") : Write("first.avi", avi);
        // Sparse: its zeros take no room on disk.
        if (large)
            QVERIFY(WriteLargeExport(QFile::encodeName(first).toStdString(), MediaType::Avi, qint64(1) << 30, true));
        const QString tree = dir.filePath("walk");
        for (int i = 0; walk && i < 100; ++i)
            Write(QStringLiteral("walk/d%1/x%2.avi").arg(i % 20).arg(i), avi);
        MainWindow w;
        w.show();
        bool began = false;
        QObject::connect(Runs(w), &RunController::Began, &w, [&] {
            began = true;
            w.close();
        });
        const QMetaObject::Connection closer = QObject::connect(Runs(w), &RunController::Walking, &w, &QWidget::close);
        if (walk)
            w.OpenPaths({QFile::encodeName(tree)});
        else
            w.VerifyFiles({first, Write("second.avi", avi), Write("third.avi", avi)});
        QObject::disconnect(closer);
        if (large)
            QFile::remove(first);
        QCOMPARE(began, !walk);
        for (int r = 0; r < w.ResultModel()->rowCount(); ++r)
            QVERIFY(w.ResultModel()->index(r, ResultModel::NameColumn).data().toString() != "closing.avi");
        QCOMPARE(w.TotalFiles(), w.ResultModel()->rowCount());
        QCOMPARE(w.SucceededFiles(), w.ResultModel()->rowCount());
        QVERIFY(!w.RunInProgress() && w.isEnabled());

        QObject::disconnect(Runs(w), &RunController::Began, &w, nullptr);
        w.show();
        const int before = w.ResultModel()->rowCount();
        if (walk)
            w.OpenPaths({QFile::encodeName(tree)});
        else
            w.VerifyFiles({Write("again.avi", avi)});
        QCOMPARE(w.ResultModel()->rowCount(), before + (walk ? 100 : 1));
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
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("succeeded");
        QTest::addColumn<int>("failed");
        QTest::addColumn<bool>("sorted");
        // Rows shown (newest first): bad2, good2, bad1, good1; sorted by
        // name: bad1, bad2, good1, good2.
        QTest::newRow("nothing selected") << -1 << -1 << 2 << 2 << false;
        QTest::newRow("one failed row") << 0 << 0 << 2 << 1 << false;
        QTest::newRow("two middle rows") << 1 << 2 << 1 << 1 << false;
        QTest::newRow("all rows") << 0 << 3 << 0 << 0 << false;
        QTest::newRow("sorted, first two rows") << 0 << 1 << 2 << 0 << true;
    }

    void removeRows()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, succeeded);
        QFETCH(int, failed);
        QFETCH(bool, sorted);
        MainWindow w;
        // The model and the sort proxy over it keep Qt's rules through every
        // insertion, sort and removal.
        const QAbstractItemModelTester modelRules(w.ResultModel(),
                                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QAbstractItemModelTester proxyRules(Proxy(w), QAbstractItemModelTester::FailureReportingMode::QtTest);
        w.VerifyFiles({Write("good1.avi", avi), Write("bad1.avi", Flip(avi, 3000)), Write("good2.avi", avi),
                       Write("bad2.avi", Flip(avi, 3000))});
        QCOMPARE(w.ResultModel()->rowCount(), 4);
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

    void removeLargeSelection()
    {
        // Hundreds of selected rows go in one pass, and the totals keep
        // counting only the rows left, whatever language the verdicts read.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/ger")));
        QCoreApplication::installTranslator(&german);
        const QString good = Write("many/good.avi", avi);
        const QString tampered = Write("many/bad.avi", Flip(avi, 3000));
        QStringList paths;
        for (int i = 0; i < 200; ++i)
            paths << good << tampered;
        MainWindow w;
        const QAbstractItemModelTester modelRules(w.ResultModel(),
                                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
        w.VerifyFiles(paths);
        QCOMPARE(w.ResultModel()->rowCount(), 400);
        // Sorted, the selection maps to rows all over the model.
        View(w)->sortByColumn(ResultModel::NameColumn, Qt::AscendingOrder);
        QTreeView* view = View(w);
        view->selectionModel()->select(QItemSelection(view->model()->index(50, ResultModel::NameColumn),
                                                      view->model()->index(349, ResultModel::SerialColumn)),
                                       QItemSelectionModel::Select);
        QVERIFY(QMetaObject::invokeMethod(&w, "RemoveFiles"));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(w.ResultModel()->rowCount(), 100);
        QCOMPARE(w.TotalFiles(), 100);
        QCOMPARE(w.SucceededFiles(), 50);
        QCOMPARE(w.FailedFiles(), 50);
    }
};

ARDENTIX_REGISTER_TEST(TestRun)
#include "tst_run.moc"
