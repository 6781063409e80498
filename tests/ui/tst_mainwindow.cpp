// The main window's structure, settings, About box and help window.
#include "AboutBox.h"
#include "BuildIdentity.h"
#include "CMainToolBar.h"
#include "CatalogueScope.h"
#include "HelpWindow.h"
#include "Localisation.h"
#include "MainWindow.h"
#include "PathText.h"
#include "ResultRow.h"
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
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

// The texts as the window shows them in the system's language.
QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// The changed export: a comma and quotes for the CSV quoting, where a name
// may hold quotes (not on Windows).
#ifdef Q_OS_WIN
const char kTamperedName[] = "cases/c, 'tampered'.avi";
#else
const char kTamperedName[] = "cases/c, \"tampered\".avi";
#endif

// A folder of three exports, the last one changed after export.
struct SampleFolder
{
    QTemporaryDir dir;
    SampleFolder()
    {
        using namespace testsupport;
        std::string tampered = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        tampered[4000] ^= 0x10;
        WriteFile(Path("cases/a.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg));
        // A serial number that a spreadsheet would run as a formula.
        WatermarkFields formula;
        formula.serial = "=1+2";
        WriteFile(Path("cases/b.avi"), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, formula));
        WriteFile(Path(kTamperedName), tampered);
    }
    std::string Path(const char* name)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("cases")));
        return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
    }
};

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
        QCOMPARE(w.DevelopmentKeyNotice() != nullptr, BuildIdentity::IsDevelopmentKey());
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
        // The table takes the keyboard focus at start.
        QCOMPARE(view->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(w.focusWidget(), view);
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
        QCOMPARE(items.size(), 7);
        QVERIFY(items[4]->isSeparator());
        const QStringList texts = {"Open File(s)", "Open Folder", "Remove File(s)", "Save Report…", "",
                                   "Help",         "About"};
        for (int i = 0; i < 7; ++i) {
            if (i == 4)
                continue;
            QCOMPARE(items[i]->text(), texts[i]);
            QVERIFY2(!items[i]->icon().isNull(), qPrintable(texts[i]));
            // Reached with Tab, and named for screen readers.
            QWidget* button = bar->widgetForAction(items[i]);
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
            QCOMPARE(button->accessibleName(), texts[i]);
        }
        QCOMPARE(w.Actions()[0], items[0]);
        QCOMPARE(w.Actions()[3], items[3]);
        QCOMPARE(w.Actions()[5], items[6]);
        QVERIFY(w.createPopupMenu() == nullptr);
        QVERIFY(w.menuWidget() == nullptr);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("onToolBar");
        QTest::newRow("open files") << "Open File(s)" << QKeySequence(QKeySequence::Open) << true;
        QTest::newRow("open folder") << "Open Folder" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O) << true;
        QTest::newRow("remove") << "Remove File(s)" << QKeySequence(Qt::Key_Delete) << true;
        QTest::newRow("save report") << "Save Report…" << QKeySequence(QKeySequence::Save) << true;
        QTest::newRow("help") << "Help" << QKeySequence(Qt::Key_F1) << true;
        QTest::newRow("quit") << "Quit" << QKeySequence(Qt::CTRL | Qt::Key_Q) << false;
        QTest::newRow("select all") << "Select All" << QKeySequence(QKeySequence::SelectAll) << false;
        QTest::newRow("copy") << "Copy" << QKeySequence(QKeySequence::Copy) << false;
    }

    void shortcuts()
    {
        QFETCH(QString, text);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, onToolBar);
        MainWindow w;
        QAction* found = nullptr;
        for (QAction* action : w.findChildren<QAction*>()) {
            if (action->text() == Tr(text.toUtf8().constData()))
                found = action;
        }
        QVERIFY2(found != nullptr, qPrintable(text));
        QCOMPARE(found->shortcut(), keys);
        QCOMPARE(w.ToolBar()->actions().contains(found), onToolBar);
    }

    void commandLinePaths()
    {
        SampleFolder samples;
        MainWindow w;
        w.OpenPaths(
            {QFile::encodeName(samples.dir.filePath("cases")), QFile::encodeName(samples.dir.filePath("cases/a.jpg"))});
        QCOMPARE(w.TotalFiles(), 4);
        QCOMPARE(w.SucceededFiles(), 3);
        QCOMPARE(w.FailedFiles(), 1);
        // Each row carries the whole file's SHA-256 from the same pass.
        for (const RowRecord& record : w.RowRecords(false)) {
            QFile file(QFile::decodeName(record.result.path));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(record.result.sha256,
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
            QVERIFY(record.verifiedAt.isValid());
        }
    }

    void report_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("PDF") << int(EvidenceReport::Format::Pdf);
        QTest::newRow("CSV") << int(EvidenceReport::Format::Csv);
        QTest::newRow("JSON Lines") << int(EvidenceReport::Format::JsonLines);
        QTest::newRow("clipboard") << -1;
    }

    void report()
    {
        QFETCH(int, format);
        SampleFolder samples;
        MainWindow w;
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases"))});
        const QList<RowRecord> records = w.RowRecords(false);
        QCOMPARE(records.size(), 3);
        const QString path = samples.dir.filePath("report");
        QStringList lines;
        if (format < 0) {
            w.ResultView()->selectAll();
            for (QAction* action : w.ResultView()->actions()) {
                if (action->shortcut() == QKeySequence::Copy)
                    action->trigger();
            }
            lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        } else {
            QVERIFY(w.SaveReportTo(path, EvidenceReport::Format(format)));
            if (format == int(EvidenceReport::Format::Pdf)) {
                const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
                if (pdftotext.isEmpty())
                    QSKIP("pdftotext is not installed");
                QProcess process;
                process.start(pdftotext, {"-layout", path, "-"});
                QVERIFY(process.waitForFinished(60000));
                const QString text = QString::fromUtf8(process.readAllStandardOutput());
                QVERIFY(text.contains(Tr("Verification Report")));
                QVERIFY(text.contains(Tr("Files: %1, authentic: %2, failed: %3").arg(3).arg(2).arg(1)));
                QVERIFY(text.contains(QString::fromLatin1(BuildIdentity::KeyFingerprint())));
                QCOMPARE(text.contains(BuildIdentity::DevelopmentNotice().left(5)), BuildIdentity::IsDevelopmentKey());
                // The summary table: a line a file, in the view's order.
                const QString flat = text.simplified();
                for (int i = 0; i < records.size(); ++i)
                    QVERIFY(flat.contains(QStringLiteral("%1. %2 %3")
                                              .arg(i + 1)
                                              .arg(PathText::FileNameForPeople(records[i].result.path))
                                              .arg(Tr(records[i].result.IsAuthentic() ? "Authentication succeeded"
                                                                                      : "Authentication failed"))));
                // Identified as PDF/A-1b, with its title and program.
                QProcess info;
                info.start(QStringLiteral("pdfinfo"), {"-meta", path});
                QVERIFY(info.waitForFinished(60000));
                const QByteArray meta = info.readAllStandardOutput();
                QVERIFY(meta.contains("pdfaid:part=\"1\" pdfaid:conformance=\"B\""));
                QVERIFY(meta.contains("xmp:CreatorTool=\"Quorvane Ardentix 1.0-006\""));
                QVERIFY(meta.contains(Tr("Verification Report").toUtf8()));
                for (const RowRecord& record : records) {
                    QVERIFY(text.contains(QString::fromLatin1(record.result.sha256)));
                    QVERIFY(text.contains(PathText::FileNameForPeople(record.result.path)));
                    QVERIFY(text.contains(Tr("%1 protected bytes in all").arg(record.result.ProtectedBytes())));
                }
                return;
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        }
        const bool json = format == int(EvidenceReport::Format::JsonLines);
        const QStringList columns = {"path",       "result", "reason",  "start_time",
                                     "end_time",   "serial", "version", "time_source",
                                     "camera_mac", "sha256", "size",    "protected_bytes"};
        if (json) {
            lines = lines.join("").split('\n', Qt::SkipEmptyParts);
        } else {
            QCOMPARE(lines.takeFirst(), columns.join(format < 0 ? "\t" : ","));
        }
        QCOMPARE(lines.size(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            const FileResult& result = records[i].result;
            QStringList fields;
            if (json) {
                const QJsonObject object = QJsonDocument::fromJson(lines[i].toUtf8()).object();
                for (const QString& key : columns)
                    fields << object.value(key).toVariant().toString();
            } else if (format < 0) {
                fields = lines[i].split('\t');
            } else {
                // The only quoted field is the name with a comma and quotes.
                QString line = lines[i];
                const bool quoted = line.startsWith('"');
                const int end = quoted ? line.indexOf("\",", 1) + 1 : line.indexOf(',');
                fields = QStringList(quoted ? line.mid(1, end - 2).replace("\"\"", "\"") : line.left(end)) +
                         line.mid(end + 1).split(',');
            }
            QCOMPARE(fields.size(), columns.size());
            QCOMPARE(fields[0], QFile::decodeName(result.path));
            QCOMPARE(fields[1], result.IsAuthentic() ? "authentic" : "failed");
            QCOMPARE(fields[2].isEmpty(), result.IsAuthentic());
            QCOMPARE(fields[3], QString::fromStdString(result.record.StartTime));
            // Exact in JSON; made text for a spreadsheet in CSV and the copy.
            const QString serial = QString::fromStdString(result.record.VHSerial);
            QCOMPARE(fields[5], serial.startsWith('=') && !json ? QLatin1Char('\'') + serial : serial);
            QCOMPARE(fields[9], QString::fromLatin1(result.sha256));
            QCOMPARE(fields[10].toLongLong(), result.size);
            QCOMPARE(fields[11].toLongLong(), result.ProtectedBytes());
        }
        // The rows are in the view's order.
        QCOMPARE(PathText::FileNameForPeople(records.first().result.path),
                 w.SortProxy()->index(0, 0).data().toString());
    }

    void reportWriteFails()
    {
        MainWindow w;
        QString shown;
        CloseNextModal(&shown);
        QVERIFY(!w.SaveReportTo("/nonexistent-folder/report.csv", EvidenceReport::Format::Csv));
        QVERIFY(shown.startsWith(
            Tr("The report could not be written to %1: %2")
                .arg(QDir::toNativeSeparators(QStringLiteral("/nonexistent-folder/report.csv")), QString())));
    }

    void saveAsksBeforeReplacing()
    {
        // A name typed without a suffix gets the chosen format's before the
        // dialog checks for a file of that name, so it asks first.
        SampleFolder samples;
        const QString existing = samples.dir.filePath("case-17.pdf");
        QFile old(existing);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept") == 4);
        old.close();
        MainWindow w;
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases"))});
        QString question;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTimer::singleShot(0, [&question, dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::No)->click();
                }
                dialog->reject();
            });
            dialog->selectFile(samples.dir.filePath("case-17"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        w.Actions()[3]->trigger();
        QVERIFY2(question.contains("case-17.pdf"), qPrintable(question));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
    }

    void reasonsForScreenReaders()
    {
        // Each cell of a failed row tells assistive technology why, as its
        // tooltip does for the eye.
        SampleFolder samples;
        MainWindow w;
        w.show();
        w.OpenPaths({QFile::encodeName(samples.dir.filePath(QString::fromUtf8(kTamperedName)))});
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.ResultView());
        QVERIFY(table != nullptr);
        // The head's five cells and the row's, once the view has laid it out.
        QTRY_COMPARE(table->childCount(), 10);
        const QString why = Tr("The file was changed after it was exported: its content no longer matches the "
                               "digest in its watermark.");
        // The cells of the one row, as a screen reader gets them: the name
        // has no description, the verdict and the three fields say why.
        QStringList described;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* cell = table->child(i);
            if (cell != nullptr && !cell->text(QAccessible::Description).isEmpty())
                described << cell->text(QAccessible::Name) + QLatin1Char('|') + cell->text(QAccessible::Description);
        }
        const QString serial = w.ResultModel()->index(0, 4).data().toString();
        QCOMPARE(described.size(), 4);
        QVERIFY(described.contains(Tr("Authentication failed") + QLatin1Char('|') + why));
        QVERIFY(described.contains(serial + QLatin1Char('|') + why));
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
        QVERIFY(AboutBox::Text().startsWith(
            QStringLiteral("<H3>Quorvane Ardentix&nbsp;Version&nbsp;1.0-006</H3><p>Copyright © 2012 Quorvane Inc. "
                           "All rights reserved. This program is protected by copyright law and international "
                           "treaties. Unauthorized reproduction or distribution of this program, or any portion "
                           "of it, may result in severe civil and criminal penalties.")));
        // The built-in key's fingerprint, in every build.
        QVERIFY(AboutBox::Text()
                    .remove(QStringLiteral("<br>"))
                    .contains(QString::fromLatin1(BuildIdentity::KeyFingerprint())));
        QCOMPARE(QString::fromLatin1(BuildIdentity::KeyFingerprint()).size(), 64);
        QVERIFY(w.styleSheet().isEmpty());
        QString shown;
        CloseNextModal(&shown);
        QMetaObject::invokeMethod(&w, "About");
        QCOMPARE(shown, AboutBox::Text());
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

    void openFilesFilter_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("ger");
        QTest::newRow("Japanese") << QStringLiteral("jpn");
    }

    void openFilesFilter()
    {
        // The filter, as translated, lets Qt's own file dialog show exactly
        // the exports (whatever the case of the suffix) and nothing else.
        QFETCH(QString, catalogue);
        const testsupport::CatalogueScope translated(catalogue);
        QVERIFY(translated.Ok());
        QTemporaryDir folder;
        const QStringList exports = {"a.jpg", "b.avi", "c.mp4", "D.JPG", "e.Avi"};
        for (const QString& name : exports + QStringList{"f.txt", "g.mp4.bak"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QFileDialog dialog(nullptr, QString(), folder.path(), MainWindow::OpenFilesFilter());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* files = dialog.findChild<QFileSystemModel*>();
        QVERIFY(files != nullptr);
        dialog.show();
        // Files the filter rejects are hidden, or shown disabled where the
        // platform prefers that.
        const QModelIndex root = files->index(folder.path());
        QTRY_VERIFY(files->rowCount(root) >= int(exports.size()));
        QStringList shown;
        for (int row = 0; row < files->rowCount(root); ++row) {
            const QModelIndex index = files->index(row, 0, root);
            if (files->flags(index).testFlag(Qt::ItemIsEnabled))
                shown << index.data().toString();
        }
        shown.sort();
        QStringList expected = exports;
        expected.sort();
        QCOMPARE(shown, expected);
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
