// The main window's structure, settings, About box and help window.
#include "CMainToolBar.h"
#include "HelpWindow.h"
#include "Localisation.h"
#include "MainWindow.h"
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

namespace {

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                     QStringLiteral("Quorvane Ardentix"));
}

// Closes the next modal box as soon as it is shown, keeping its text.
void CloseNextModal(QString* text = nullptr)
{
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (text != nullptr)
                *text = box->text();
            box->accept();
        }
    });
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    void table()
    {
        MainWindow w;
        QStandardItemModel* model = w.ResultModel();
        QCOMPARE(model->columnCount(), 5);
        QCOMPARE(model->rowCount(), 0);
        const QStringList headers = {"File Name", "Authentication Result", "Start Time", "Stop Time",
                                     "Vornhold Serial Number"};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), headers[c]);

        QTreeView* view = w.ResultView();
        QCOMPARE(view->model(), w.SortProxy());
        QCOMPARE(w.SortProxy()->sourceModel(), model);
        // The table fills the window, under the development-key notice in
        // builds that carry that key.
        QVERIFY(w.centralWidget() == view || w.centralWidget()->isAncestorOf(view));
        QCOMPARE(w.DevelopmentKeyNotice() != nullptr, BuiltInModulusIsDevelopmentKey());
        const int widths[4] = {200, 180, 150, 150};
        for (int c = 0; c < 4; ++c) {
            if (c == 1) {
                // At least as wide as the width it starts with, and wide enough for
                // the verdict and its icon.
                QVERIFY(view->columnWidth(c) >= widths[c]);
                QVERIFY(view->columnWidth(c) >=
                        view->fontMetrics().horizontalAdvance(QStringLiteral("Authentication succeeded")) + 16);
            } else {
                QCOMPARE(view->columnWidth(c), widths[c]);
            }
        }
        QVERIFY(view->header()->stretchLastSection());
        QVERIFY(view->header()->cascadingSectionResizes());
        QVERIFY(!view->header()->sectionsMovable());
        QCOMPARE(view->header()->sectionResizeMode(0), QHeaderView::Interactive);

        QVERIFY(!w.SortProxy()->dynamicSortFilter());
        QCOMPARE(w.SortProxy()->sortCaseSensitivity(), Qt::CaseSensitive);
        QVERIFY(!w.SortProxy()->isSortLocaleAware());
        QVERIFY(view->isSortingEnabled());
        QCOMPARE(view->header()->sortIndicatorSection(), 0);
        QCOMPARE(view->header()->sortIndicatorOrder(), Qt::AscendingOrder);

        QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(view->focusPolicy(), Qt::NoFocus);
        QCOMPARE(view->selectionMode(), QAbstractItemView::ContiguousSelection);
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!view->rootIsDecorated());
        QVERIFY(view->alternatingRowColors());
        QCOMPARE(view->styleSheet(), QStringLiteral("QTreeView {border: 0px;}"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane Ardentix"));
    }

    void newRowsStayOnTopUntilSorted()
    {
        MainWindow w;
        QStandardItemModel* model = w.ResultModel();
        for (const char* name : {"b.avi", "c.avi", "a.avi"}) {
            model->insertRows(0, 1);
            model->setData(model->index(0, 0), QString::fromLatin1(name));
        }
        // Without dynamic sorting the newest row is shown first.
        QCOMPARE(w.SortProxy()->index(0, 0).data().toString(), QStringLiteral("a.avi"));
        model->insertRows(0, 1);
        model->setData(model->index(0, 0), QStringLiteral("z.avi"));
        QCOMPARE(w.SortProxy()->index(0, 0).data().toString(), QStringLiteral("z.avi"));
        w.ResultView()->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(w.SortProxy()->index(0, 0).data().toString(), QStringLiteral("a.avi"));
        QCOMPARE(w.SortProxy()->index(3, 0).data().toString(), QStringLiteral("z.avi"));
    }

    void toolbar()
    {
        MainWindow w;
        CMainToolBar* bar = w.ToolBar();
        QCOMPARE(w.toolBarArea(bar), Qt::TopToolBarArea);
        QVERIFY(!bar->isMovable());
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(bar->styleSheet(), QStringLiteral("QToolButton {font-family: Verdana}"));

        const QList<QAction*> items = bar->actions();
        QCOMPARE(items.size(), 6);
        QVERIFY(items[3]->isSeparator());
        const QStringList texts = {"Open File(s)", "Open Folder", "Remove File(s)", "", "Help", "About"};
        for (int i = 0; i < 6; ++i) {
            if (i == 3)
                continue;
            QCOMPARE(items[i]->text(), texts[i]);
            QVERIFY2(!items[i]->icon().isNull(), qPrintable(texts[i]));
            QVERIFY(items[i]->shortcut().isEmpty());
        }
        QCOMPARE(w.Actions()[0], items[0]);
        QCOMPARE(w.Actions()[4], items[5]);
        QVERIFY(w.createPopupMenu() == nullptr);
        QVERIFY(w.menuWidget() == nullptr);
    }

    void statusBarLine()
    {
        MainWindow w;
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Total files: 0  Authentication succeeded: 0  Authentication failed: 0"));
    }

    void settingsDefaults()
    {
        MainWindow w;
        QCOMPARE(w.pos(), QPoint(200, 200));
        QCOMPARE(w.size(), QSize(800, 450));
    }

    void settingsRoundTrip()
    {
        {
            MainWindow w;
            w.move(120, 90);
            w.resize(640, 380);
            w.close();
        }
        QCOMPARE(Store().value("Pos").toPoint(), QPoint(120, 90));
        QCOMPARE(Store().value("Size").toSize(), QSize(640, 380));
        MainWindow again;
        QCOMPARE(again.pos(), QPoint(120, 90));
        QCOMPARE(again.size(), QSize(640, 380));
    }

    void settingsOffScreen_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("far right") << QPoint(20000, 100) << QPoint(200, 200);
        QTest::newRow("far above") << QPoint(100, -20000) << QPoint(200, 200);
        QTest::newRow("partly visible stays") << QPoint(-300, 50) << QPoint(-300, 50);
        QTest::newRow("on screen") << QPoint(10, 20) << QPoint(10, 20);
    }

    void settingsOffScreen()
    {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, expected);
        Store().setValue("Pos", stored);
        Store().setValue("Size", QSize(500, 300));
        MainWindow w;
        QCOMPARE(w.pos(), expected);
        QCOMPARE(w.size(), QSize(500, 300));
    }

    void aboutBox()
    {
        MainWindow w;
        QVERIFY(w.AboutText().startsWith(
                 QStringLiteral("<H3>Quorvane Ardentix&nbsp;Version&nbsp;1.0-006</H3><p>Copyright © 2012 Quorvane Inc. "
                                "All rights reserved. This program is protected by copyright law and international "
                                "treaties. Unauthorized reproduction or distribution of this program, or any portion "
                                "of it, may result in severe civil and criminal penalties.")));
        // The built-in key's fingerprint, in every build.
        QVERIFY(w.AboutText().remove(QStringLiteral("<br>")).contains(MainWindow::KeyFingerprint()));
        QCOMPARE(MainWindow::KeyFingerprint().size(), 64);
        QVERIFY(w.styleSheet().isEmpty());
        QString shown;
        CloseNextModal(&shown);
        QMetaObject::invokeMethod(&w, "About");
        QCOMPARE(shown, w.AboutText());
        // The sheet stays on the main window for later boxes.
        QCOMPARE(w.styleSheet(), QStringLiteral("QMessageBox {font-size:10pt}"));
    }

    void helpWindow()
    {
        MainWindow w;
        HelpWindow* help = w.Help_();
        QVERIFY(help->closed);
        QVERIFY(!help->isVisible());
        QVERIFY(help->parent() == nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->size(), QSize(700, 500));
        QCOMPARE(help->Browser()->source().toString(), HelpWindow::PageForLocale(QLocale::system().name()));
        QCOMPARE(help->Browser()->searchPaths(), QStringList(QCoreApplication::applicationDirPath() + "/help"));

        QMetaObject::invokeMethod(&w, "Help");
        QVERIFY(help->isVisible());
        QVERIFY(!help->closed);
        help->showMinimized();
        QMetaObject::invokeMethod(&w, "Help");
        QVERIFY(help->isMinimized());
        help->close();
        QVERIFY(help->closed);
        QVERIFY(!help->isVisible());
        QMetaObject::invokeMethod(&w, "Help");
        QVERIFY(help->isVisible());
    }

    void helpPage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << "en_US"
                                 << "help_enu.html";
        QTest::newRow("German") << "de_CH"
                                << "help_ger.html";
        QTest::newRow("Taiwan") << "zh_TW"
                                << "help_cht.html";
        QTest::newRow("unknown") << "xx_XX"
                                 << "help_enu.html";
    }

    void helpPage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, page);
        QCOMPARE(HelpWindow::PageForLocale(locale), page);
    }

    void missingCatalogue()
    {
        QStringList messages;
        const QString defaultPrefix = LocalisationSeams::CataloguePrefix();
        LocalisationSeams::CataloguePrefix() = QStringLiteral(":/nowhere/");
        LocalisationSeams::MessageHandler() = [&messages](const QString& text) { messages << text; };
        {
            MainWindow w;
            QCOMPARE(messages, QStringList("Error: Can't Read local i18n File."));
            QCOMPARE(w.ResultModel()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
        }
        LocalisationSeams::CataloguePrefix() = defaultPrefix;
        messages.clear();
        {
            MainWindow w;
            QVERIFY(messages.isEmpty());
        }
        LocalisationSeams::MessageHandler() = nullptr;
    }
};

ARDENTIX_REGISTER_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
