// The main window: its table, toolbar and shortcuts, the details and the
// reasons as people and screen readers get them, the settings, the About box
// and help; the choice of language from the system locale, the catalogues and
// the help pages.
#include "AboutBox.h"
#include "BuildIdentity.h"
#include "CMainToolBar.h"
#include "DetailsDialog.h"
#include "DetailsDocument.h"
#include "HelpWindow.h"
#include "PathText.h"
#include "PreviewPicture.h"
#include "ReportFields.h"
#include "ResultText.h"
#include "UiFixtures.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTranslator>

using ardentix::engine::AuthResult;

namespace {

// Every text the program looks up, separated by "|".
const QStringList kTexts =
    QStringLiteral("About|About Quorvane Ardentix|Authentication Result|Authentication failed|Authentication succeeded|"
                   "Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and "
                   "international treaties. Unauthorized reproduction or distribution of this program, or any portion "
                   "of it, may result in severe civil and criminal penalties.|Vornhold Serial Number|File Name|Help|"
                   "Images and Videos (*.jpg;*.avi;*.mp4)|Open File(s)|Open Folder|Processing|Remove File(s)|"
                   "Start Time|Stop Time|Quorvane Ardentix|Total files|Version|Cancel")
        .split(QLatin1Char('|'));

const char* const kCodes[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn",
                              "krn", "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "trk"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    void table()
    {
        MainWindow w;
        ResultModel* model = w.ResultModel();
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"File Name", "Authentication Result", "Start Time", "Stop Time",
                                       "Vornhold Serial Number"}));
        QTreeView* view = View(w);
        QVERIFY(w.centralWidget() == view || w.centralWidget()->isAncestorOf(view));
        QCOMPARE(w.DevelopmentKeyNotice() != nullptr, BuildIdentity::IsDevelopmentKey());
        // The verdict reads whole, with its icon.
        QVERIFY(view->columnWidth(1) >=
                view->fontMetrics().horizontalAdvance(QStringLiteral("Authentication succeeded")) + 16);
        QCOMPARE(view->header()->sortIndicatorSection(), 0);
        QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(w.focusWidget(), view);
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane Ardentix"));
        QCOMPARE(MainWindow::OpenFilesFilter(), QStringLiteral("Images and Videos (*.jpg *.avi *.mp4)"));
        QCOMPARE(Counts(w), Counts(0, 0, 0));
    }

    void toolbar()
    {
        MainWindow w;
        CMainToolBar* bar = w.ToolBar();
        QCOMPARE(w.toolBarArea(bar), Qt::TopToolBarArea);
        QVERIFY(!bar->isMovable());
        const QStringList texts = {"Open File(s)", "Open Folder", "Remove File(s)", "Report", "", "Help", "About"};
        const QList<QAction*> items = bar->actions();
        QCOMPARE(items.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            QCOMPARE(items[i]->isSeparator(), texts[i].isEmpty());
            if (texts[i].isEmpty())
                continue;
            QCOMPARE(items[i]->text(), texts[i]);
            QVERIFY2(!items[i]->icon().isNull(), qPrintable(texts[i]));
            // Reached with Tab, and named for screen readers.
            QWidget* button = bar->widgetForAction(items[i]);
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
            QCOMPARE(button->accessibleName(), texts[i]);
            QCOMPARE(w.Actions()[i < 4 ? i : i - 1], items[i]);
        }
        // The report button is pressed like the others, a screen reader's
        // Press among them, and opens the menu of the two report actions,
        // which its description names.
        QWidget* report = bar->widgetForAction(items[3]);
        QCOMPARE(report->accessibleDescription(), "Save Report…, Custody Check…");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(report);
        QVERIFY(node != nullptr && node->actionInterface() != nullptr);
        QVERIFY(node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
        QCOMPARE(menu->actions(), (QList<QAction*>{w.SaveReportAction(), w.CheckReportAction()}));
        // Moving through the menu shows its actions' status tips: the
        // totals stay in the status bar.
        const QString totals = w.statusBar()->currentMessage();
        QVERIFY(totals.startsWith(Tr("Total files")));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(w.statusBar()->currentMessage(), totals);
        QVERIFY(w.createPopupMenu() == nullptr);
        QVERIFY(w.menuWidget() == nullptr);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("onToolBar");
        const auto row = [](const char* text, const QKeySequence& keys, bool onToolBar) {
            QTest::newRow(text) << QString::fromUtf8(text) << keys << onToolBar;
        };
        row("Open File(s)", QKeySequence::Open, true);
        row("Open Folder", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), true);
        row("Remove File(s)", QKeySequence(Qt::Key_Delete), true);
        row("Save Report…", QKeySequence::Save, false);
        row("Custody Check…", QKeySequence(Qt::CTRL | Qt::Key_K), false);
        row("Help", QKeySequence(Qt::Key_F1), true);
        row("Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), false);
        row("Select All", QKeySequence::SelectAll, false);
        row("Copy", QKeySequence::Copy, false);
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

    void detailsFromKeyboard()
    {
        // Return and keypad Enter open the current row's details; a folder
        // and a file given together are verified in one run.
        SampleFolder samples;
        MainWindow w;
        w.OpenPaths(
            {QFile::encodeName(samples.dir.filePath("cases")), QFile::encodeName(samples.dir.filePath("cases/a.jpg"))});
        QCOMPARE(Counts(w), Counts(5, 4, 1));
        // Sorted, the view's rows are not the model's: the details follow the view.
        View(w)->sortByColumn(0, Qt::AscendingOrder);
        View(w)->setCurrentIndex(Proxy(w)->index(4, 0));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QString shown;
            OnNextModal<DetailsDialog>([&shown](DetailsDialog* dialog) {
                shown = dialog->PlainText();
                dialog->reject();
            });
            QTest::keyClick(View(w), key);
            QVERIFY2(shown.startsWith("Path: " + samples.dir.filePath("cases/d.mp4") + '\n'), qPrintable(shown));
        }
    }

    // One file's details, as the dialog shows them, Copy copies them and
    // the PDF prints them.
    void details_data()
    {
        QTest::addColumn<FileResult>("result");
        QTest::addColumn<QString>("shown");
        const QString fields = "Start Time: 2012-05-14 09:30:00\nStop Time: 2012-05-14 09:35:00\n"
                               "Vornhold Serial Number: VH-\\x0142\nVersion: 1.0\nTime Source: NTP\n"
                               "Camera MAC: 00:1A:2B:3C:4D:5E\nMarker: Quorvane Digital Watermark\n"
                               "Digest (HMAC): 0123456789abcdef0123456789abcdef\n";
        const QString none = "Start Time: \nStop Time: \nVornhold Serial Number: \nVersion: \nTime Source: \n"
                             "Camera MAC: \nMarker: \nDigest (HMAC): \n";
        const QString authentic = "Result: Authentication succeeded\n";
        const QString failed = "Result: Authentication failed\n";
        const QString warning =
            "Warning: the watermark covers none of this file's content, so it vouches for none of it.";
        QTest::newRow("authentic jpg")
            << Result("/c/a.jpg", AuthResult::Authentic, 5000, true, 'a')
            << "Path: /c/a.jpg\n" + authentic +
                   "Reason: The file is authentic: its content matches its signed watermark.\n" + fields +
                   "SHA-256 of the whole file: " + QString(64, 'a') +
                   "\nSize: 5000 bytes\nSignature covers: bytes 0 to 4485\n    bytes 4998 to 4999\n"
                   "    4488 protected bytes in all\nVerified at: \n";
        QTest::newRow("mp4 that the watermark does not cover")
            << Result("/c/d.mp4", AuthResult::Authentic, 3146276, true)
            << "Path: /c/d.mp4\n" + authentic + "Reason: " + warning + "\n" + fields +
                   "SHA-256 of the whole file: \nSize: 3146276 bytes\nSignature covers: 0 protected bytes in all\n   "
                   " " +
                   warning + "\nVerified at: \n";
        QTest::newRow("file of 0 bytes")
            << Result("/c/\x1b[2J.jpg", AuthResult::TooShort, 0, false)
            << "Path: /c/\\x1B[2J.jpg\n" + failed + "Reason: The file is too short to hold a watermark.\n" + none +
                   "SHA-256 of the whole file: \nSize: 0 bytes\nSignature covers: \nVerified at: \n";
        FileResult folder = Result("/c/locked", AuthResult::Unreadable, -1, false);
        folder.unlistedFolder = true;
        QTest::newRow("folder that could not be listed")
            << folder
            << "Path: /c/locked\n" + failed +
                   "Reason: The folder could not be listed: the files in it were not verified.\n" + none +
                   "SHA-256 of the whole file: \nSize: \nSignature covers: \nVerified at: \n";
    }

    void details()
    {
        QFETCH(FileResult, result);
        QFETCH(QString, shown);
        const QDateTime verifiedAt(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);
        const QString at = QStringLiteral("2024-01-02 03:04:05 UTC, ");
        const RowRecord record{result, verifiedAt};
        const QString text = DetailsDocument::PlainText(record);
        QVERIFY2(text.startsWith(shown.chopped(1) + at), qPrintable(text));
        QCOMPARE(text.count('\n'), shown.count('\n'));
        DetailsDialog dialog(record, nullptr);
        QCOMPARE(dialog.PlainText(), text);
        // The document: the file's name, then a paragraph a field, its label
        // and its value.
        QString paragraphs = PathText::FileNameForPeople(result.path) + '\n' + text.chopped(1);
        paragraphs.replace(QStringLiteral("\n    "), QStringLiteral("\n"));
        for (const ReportFields::FieldInfo& info : ReportFields::ForPeople())
            paragraphs.replace(ReportFields::Label(info) + ": ", ReportFields::Label(info) + ' ');
        QCOMPARE(dialog.Browser()->document()->toPlainText(), paragraphs);
    }

    // Every reason has its own sentence.
    void reasons()
    {
        QStringList sentences;
        for (AuthResult reason : {AuthResult::Authentic, AuthResult::Unreadable, AuthResult::TooShort,
                                  AuthResult::UnsupportedType, AuthResult::BadSignature, AuthResult::BadMarker,
                                  AuthResult::DigestMismatch, AuthResult::Cancelled, AuthResult::InternalError})
            sentences << ResultText::Reason(Result("/c/a.avi", reason, 5000, true));
        QCOMPARE(sentences, QStringList({"The file is authentic: its content matches its signed watermark.",
                                         "The file could not be read.", "The file is too short to hold a watermark.",
                                         "Not a JPG, AVI or MP4 export.",
                                         "No valid watermark: the file was not signed by a Vornhold server, or its "
                                         "watermark was forged.",
                                         "The watermark text is not a Quorvane watermark.",
                                         "The file was changed after it was exported: its content no longer matches "
                                         "the digest in its watermark.",
                                         "Verification was cancelled.",
                                         "The file could not be verified: this system could not compute its digest."}));
    }

    void reasonsForScreenReaders()
    {
        // Each cell of a failed row tells assistive technology why, as its
        // tooltip does for the eye.
        SampleFolder samples;
        MainWindow w;
        w.show();
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases/" TAMPERED))});
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(View(w));
        QVERIFY(table != nullptr);
        // The head's five cells and the row's, once the view has laid it out.
        QTRY_COMPARE(table->childCount(), 10);
        const QString why = Tr("The file was changed after it was exported: its content no longer matches the "
                               "digest in its watermark.");
        QStringList described;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* cell = table->child(i);
            if (cell != nullptr && !cell->text(QAccessible::Description).isEmpty())
                described << cell->text(QAccessible::Name) + QLatin1Char('|') + cell->text(QAccessible::Description);
        }
        QCOMPARE(described, QStringList({Tr("Authentication failed") + '|' + why, "2012-05-14 09:30:00|" + why,
                                         "2012-05-14 09:35:00|" + why, "VH-0042-1138|" + why}));
    }

    void settings_data()
    {
        QTest::addColumn<QPoint>("stored"); // none stored when null
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QSize>("size");
        QTest::newRow("nothing stored") << QPoint() << QPoint(200, 200) << QSize(800, 450);
        QTest::newRow("far right") << QPoint(20000, 100) << QPoint(200, 200) << QSize(500, 300);
        QTest::newRow("far above") << QPoint(100, -20000) << QPoint(200, 200) << QSize(500, 300);
        QTest::newRow("partly visible stays") << QPoint(-300, 50) << QPoint(-300, 50) << QSize(500, 300);
        QTest::newRow("on screen") << QPoint(10, 20) << QPoint(10, 20) << QSize(500, 300);
    }

    void settings()
    {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, expected);
        QFETCH(QSize, size);
        if (!stored.isNull()) {
            Store().setValue("Pos", stored);
            Store().setValue("Size", size);
        }
        {
            MainWindow w;
            QCOMPARE(w.pos(), expected);
            QCOMPARE(w.size(), size);
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

    void aboutBox()
    {
        MainWindow w;
        QVERIFY(AboutBox::Text().startsWith(
            QStringLiteral("<H3>Quorvane Ardentix&nbsp;Version&nbsp;1.0-006</H3><p>Copyright © 2012 Quorvane Inc. "
                           "All rights reserved. This program is protected by copyright law and international "
                           "treaties. Unauthorized reproduction or distribution of this program, or any portion "
                           "of it, may result in severe civil and criminal penalties.")));
        // The built-in key's fingerprint, in two lines of 32 digits.
        const QString fingerprint = QString::fromLatin1(BuildIdentity::KeyFingerprint());
        QCOMPARE(fingerprint.size(), 64);
        QVERIFY(AboutBox::Text().contains(fingerprint.left(32) + "<br>" + fingerprint.mid(32) + "</tt>"));
        QCOMPARE(AboutBox::Text().contains(BuildIdentity::DevelopmentNotice().toHtmlEscaped()),
                 BuildIdentity::IsDevelopmentKey());
        QString shown;
        CloseNextModal(&shown);
        QMetaObject::invokeMethod(&w, "About");
        QCOMPARE(shown, AboutBox::Text());
    }

    void helpWindow()
    {
        MainWindow w;
        HelpWindow* help = HelpOf(w);
        QVERIFY(help->closed);
        QVERIFY(!help->isVisible());
        QVERIFY(help->parent() == nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->Browser()->source().toString(), QStringLiteral("help_enu.html"));
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
        w.close();
        QVERIFY(!help->isVisible());
    }

    void missingCatalogue()
    {
        Messages messages;
        const QString defaultPrefix = LocalisationSeams::CataloguePrefix();
        LocalisationSeams::CataloguePrefix() = QStringLiteral(":/nowhere/");
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
    }

    void languageCode()
    {
        // A full name in the table wins, then the first key the name begins
        // with (case-sensitively); anything else is English.
        const QStringList cases = {"en_US=enu", "en_GB=enu", "de_AT=ger", "fr_CA=fre", "es_MX=spn", "zh_TW=cht",
                                   "zh_CN=chs", "zh_HK=cht", "zh_MO=cht", "zh_SG=chs", "zh=chs",    "pt_BR=ptb",
                                   "pt_PT=ptg", "pt=ptg",    "nb_NO=nor", "nn_NO=nor", "no_NO=nor", "ja_JP=jpn",
                                   "ko_KR=krn", "sv_FI=sve", "tr_TR=trk", "cs_CZ=csy", "da_DK=dan", "hu_HU=hun",
                                   "it_IT=ita", "nl_BE=nld", "pl_PL=plk", "ru_RU=rus", "zh_tw=chs", "EN_US=enu",
                                   "DE_DE=enu", "d=enu",     "=enu",      "C=enu",     "xx_XX=enu"};
        for (const QString& entry : cases)
            QCOMPARE(entry.section('=', 0, 0) + '=' + LanguageCodeForLocale(entry.section('=', 0, 0)), entry);
        QCOMPARE(QtLocaleNamesForLanguage("nor"), QStringList({"nb", "nn"}));
        QCOMPARE(QtLocaleNamesForLanguage("ptg"), QStringList({"pt_PT", "pt", "pt_BR"}));
        QCOMPARE(QtLocaleNamesForLanguage("cht"), QStringList({"zh_TW"}));
        QCOMPARE(QtLocaleNamesForLanguage("xyz"), QStringList());
        QCOMPARE(DialogFilter("Bilder (*.jpg;*.avi)"), QStringLiteral("Bilder (*.jpg *.avi)"));
        QCOMPARE(DialogFilter("a;b (*.jpg)"), QStringLiteral("a;b (*.jpg)"));
        QCOMPARE(DialogFilter("Bilder (*.jpg;*.avi)", "*.mp4;*.mov"), QStringLiteral("Bilder (*.mp4 *.mov)"));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : kCodes)
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    // Each language's catalogue translates every text, fits the toolbar,
    // explains a refused report, and has its help page.
    void catalogue()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
        QVERIFY(!translator.isEmpty());
        for (const QString& text : kTexts) {
            const QString translated = translator.translate("QObject", text.toUtf8().constData());
            QVERIFY2(!translated.isEmpty(), qPrintable(code + QStringLiteral(": no translation of ") + text));
            if (code == QLatin1String("enu"))
                QCOMPARE(translated, text);
        }
        const QString notice = translator.translate("QObject", kTexts[5].toUtf8().constData());
        QVERIFY2(notice.contains(QLatin1String("%1")), qPrintable(code));
        QCOMPARE(translator.translate("QObject", "Quorvane Ardentix"), QStringLiteral("Quorvane Ardentix"));
        QVERIFY(translator.translate("QObject", "Images and Videos (*.jpg;*.avi;*.mp4)")
                    .endsWith(QLatin1String("(*.jpg;*.avi;*.mp4)")));
        // The language's help page names the buttons as the catalogue does.
        QFile page(QStringLiteral(ARDENTIX_SOURCE_DIR "/help/help_%1.html").arg(code));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QLatin1String("charset=\"utf-8\""), Qt::CaseInsensitive));
        for (const char* text :
             {"Open File(s)", "Open Folder", "Remove File(s)", "Authentication failed", "Custody Check…",
              "No preview for this file", "No picture from the signed bytes",
              "No preview: the file changed after it was verified", "&Show each file's picture on its details page"}) {
            // A label's mnemonic is not written in the help (nor, in East
            // Asian catalogues, its bracketed letter).
            const QString name = translator.translate("QObject", text)
                                     .remove(QRegularExpression(QStringLiteral("\\(&\\S\\)|&(?=\\S)")))
                                     .toHtmlEscaped();
            QVERIFY2(html.contains(name), qPrintable(code + QStringLiteral(": ") + name));
        }

        // Every toolbar action shows at the default size: none is pushed
        // into the toolbar's overflow menu. The window loads the catalogue
        // as if the system spoke the language.
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(":/translations/%1.qm").arg(code), folder.filePath("enu.qm")));
        const QString prefix = LocalisationSeams::CataloguePrefix();
        LocalisationSeams::CataloguePrefix() = folder.path() + QLatin1Char('/');
        MainWindow w;
        LocalisationSeams::CataloguePrefix() = prefix;
        // A report that the custody check refuses is explained in the
        // language, without naming the command-line program.
        const QString cutOff = translator.translate("QObject", "The report is cut off: its last line is incomplete.");
        QVERIFY(testsupport::WriteFileAt(folder.filePath("cut.jsonl"), "{"));
        Messages messages;
        QVERIFY(
            !w.CheckAgainst({QFile::encodeName(folder.filePath("cut.jsonl")), QFile::encodeName(folder.path()), {}}));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(cutOff) && !messages[0].contains("ardentix-verify"), qPrintable(messages[0]));
        QCOMPARE(messages[0].contains(QLatin1String("cut off")), code == QLatin1String("enu"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.width(), 800);
#ifdef Q_OS_WIN
        // The offscreen platform has none of the system's fonts there:
        // scripts/test-windows measures on the windows platform.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return;
#endif
        QVERIFY2(w.ToolBar()->sizeHint().width() <= w.ToolBar()->width(),
                 qPrintable(QString::number(w.ToolBar()->sizeHint().width())));
    }
};

ARDENTIX_REGISTER_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
