// Removing rows from the main window's table: the rows selected go, in one
// pass, and the counts keep to the rows left.
#include "MainWindow.h"
#include "ResultModel.h"
#include "RunFixture.h"
#include "TestRegistry.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTranslator>
#include <QTreeView>

using namespace testsupport;

class TestRowRemoval : public RunFixture
{
    Q_OBJECT

private slots:
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
        const QAbstractItemModelTester proxyRules(w.SortProxy(),
                                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
        w.VerifyFiles({Write("good1.avi", avi), Write("bad1.avi", Flip(avi, 3000)), Write("good2.avi", avi),
                       Write("bad2.avi", Flip(avi, 3000))});
        QCOMPARE(w.ResultModel()->rowCount(), 4);
        QTreeView* view = w.ResultView();
        if (sorted)
            view->sortByColumn(ResultModel::NameColumn, Qt::AscendingOrder);
        if (first >= 0) {
            const QItemSelection range(view->model()->index(first, ResultModel::NameColumn),
                                       view->model()->index(last, ResultModel::SerialColumn));
            view->selectionModel()->select(range, QItemSelectionModel::Select);
        }
        QVERIFY(QMetaObject::invokeMethod(&w, "RemoveFiles"));
        const int left = succeeded + failed;
        QCOMPARE(w.ResultModel()->rowCount(), left);
        QCOMPARE(w.TotalFiles(), left);
        QCOMPARE(w.SucceededFiles(), succeeded);
        QCOMPARE(w.FailedFiles(), failed);
        QCOMPARE(w.statusBar()->currentMessage(), StatusLine(left, succeeded, failed));
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
        w.ResultView()->sortByColumn(ResultModel::NameColumn, Qt::AscendingOrder);
        QTreeView* view = w.ResultView();
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

ARDENTIX_REGISTER_TEST(TestRowRemoval)
#include "tst_rowremoval.moc"
