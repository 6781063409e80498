// The main window: its table and actions, the details, the reports and the
// copied rows in the view's order, the settings, the About box and help.
#include "AboutBox.h"
#include "BuildIdentity.h"
#include "CMainToolBar.h"
#include "CheckResultWindow.h"
#include "DetailsDialog.h"
#include "DetailsDocument.h"
#include "HelpWindow.h"
#include "Localisation.h"
#include "MainWindow.h"
#include "PathText.h"
#include "PdfReport.h"
#include "ReportFields.h"
#include "ResultText.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
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

// The changed export's name holds a comma and quotes for the CSV quoting;
// single quotes on Windows, whose names hold no double quotes.
#ifdef Q_OS_WIN
#define TAMPERED "c, 'tampered'.avi"
#else
#define TAMPERED "c, \"tampered\".avi"
#endif

// A folder of four exports: the third changed after export, the fourth an
// MP4 whose watermark covers none of its bytes.
struct SampleFolder
{
    QTemporaryDir dir;
    SampleFolder()
    {
        using namespace testsupport;
        WriteFile(Path("cases/a.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg));
        // A serial number that a spreadsheet would run as a formula.
        WatermarkFields formula;
        formula.serial = "=1+2";
        WriteFile(Path("cases/b.avi"), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, formula));
        WriteFile(Path("cases/" TAMPERED), Flip(MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi), 4000));
        WriteFile(Path("cases/d.mp4"), MakeExport(SampleMedia(MediaType::Mp4), MediaType::Mp4));
    }
    std::string Path(const char* name)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("cases")));
        return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
    }
};

FileResult Result(const QByteArray& path, AuthResult reason, qint64 size, bool read)
{
    FileResult result;
    result.path = path;
    result.result = reason;
    result.size = size;
    if (read)
        result.record.Fill("Quorvane Digital Watermark\r\nVersion: 1.0\r\nHMAC: 0123456789abcdef0123456789abcdef\r\n"
                           "StartTime: 2012-05-14 09:30:00\r\nEndTime: 2012-05-14 09:35:00\r\nTimeSource: NTP\r\n"
                           "VHSerial: VH-\x01"
                           "42\r\nCamMAC: 00:1A:2B:3C:4D:5E\r\n");
    const qint64 skip = path.endsWith(".avi") ? 240 : path.endsWith(".mp4") ? 3145764 : 0;
    result.coverageKnown = size >= 512;
    if (result.coverageKnown)
        result.covered = ProtectedRangesOf(size, skip, path.endsWith(".jpg") ? 2 : 0);
    return result;
}

} // namespace

Q_DECLARE_METATYPE(FileResult)

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    void table()
    {
        MainWindow w;
        QStandardItemModel* model = w.ResultModel();
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"File Name", "Authentication Result", "Start Time", "Stop Time",
                                       "Vornhold Serial Number"}));
        QTreeView* view = w.ResultView();
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
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Total files: 0  Authentication succeeded: 0  Authentication failed: 0"));
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
        // The report button opens the menu of the two report actions.
        QCOMPARE(items[3]->menu()->actions(), (QList<QAction*>{w.SaveReportAction(), w.CheckReportAction()}));
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
        row("Check Against Report…", QKeySequence(Qt::CTRL | Qt::Key_K), false);
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
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Total files: 5  Authentication succeeded: 4  Authentication failed: 1"));
        // Sorted, the view's rows are not the model's: the details follow the view.
        w.ResultView()->sortByColumn(0, Qt::AscendingOrder);
        w.ResultView()->setCurrentIndex(w.SortProxy()->index(4, 0));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                if (auto* dialog = qobject_cast<DetailsDialog*>(QApplication::activeModalWidget())) {
                    shown = dialog->PlainText();
                    dialog->reject();
                }
            });
            QTest::keyClick(w.ResultView(), key);
            QVERIFY2(shown.startsWith("Path: " + samples.dir.filePath("cases/d.mp4") + '\n'), qPrintable(shown));
        }
    }

    // The reports and the copied rows hold the rows in the view's order,
    // after the user has sorted the table.
    void report_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("PDF") << int(EvidenceReport::Format::Pdf);
        QTest::newRow("CSV") << int(EvidenceReport::Format::Csv);
        QTest::newRow("JSON Lines") << int(EvidenceReport::Format::JsonLines);
        QTest::newRow("clipboard, two rows selected") << -1;
    }

    void report()
    {
        QFETCH(int, format);
        SampleFolder samples;
        MainWindow w;
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases"))});
        // Newest first until sorted; then a, b, c, d.
        w.ResultView()->sortByColumn(0, Qt::AscendingOrder);
        QStringList names = {"a.jpg", "b.avi", TAMPERED, "d.mp4"};
        const QList<RowRecord> records = w.RowRecords(false);
        QCOMPARE(records.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(PathText::FileNameForPeople(records[i].result.path), names[i]);
        const QString path = samples.dir.filePath("report");
        QStringList lines;
        if (format < 0) {
            w.ResultView()->selectionModel()->select(
                QItemSelection(w.SortProxy()->index(1, 0), w.SortProxy()->index(2, 4)), QItemSelectionModel::Select);
            for (QAction* action : w.ResultView()->actions()) {
                if (action->shortcut() == QKeySequence::Copy)
                    action->trigger();
            }
            lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
            names = names.mid(1, 2);
        } else {
            w.Case() = {"2026-117/B", "Jo Examiner", "County Lab", "From the NVR at gate 3"};
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
                // The case, in the header above the summary.
                const qsizetype summaryAt =
                    text.indexOf(Tr("Files: %1, authentic: %2, failed: %3").arg(4).arg(3).arg(1));
                for (const char* field : {"2026-117/B", "Jo Examiner", "County Lab", "From the NVR at gate 3"})
                    QVERIFY2(text.indexOf(field) >= 0 && text.indexOf(field) < summaryAt, field);
                QVERIFY(text.contains(QString::fromLatin1(BuildIdentity::KeyFingerprint())));
                QCOMPARE(text.contains(BuildIdentity::DevelopmentNotice().left(5)), BuildIdentity::IsDevelopmentKey());
                // The summary table: a line a file, in the view's order, with
                // the reason where the file failed or vouches for nothing.
                const QString flat = text.simplified();
                const QString warning = ResultText::Reason(records[3].result).simplified();
                QVERIFY(warning.startsWith(QStringLiteral("Warning")));
                const QStringList summary = {"1. a.jpg Authentication succeeded 2. b.avi Authentication succeeded",
                                             "3. " TAMPERED " Authentication failed The file was changed",
                                             "4. d.mp4 Authentication succeeded " + warning};
                for (const QString& line : summary)
                    QVERIFY2(flat.contains(line), qPrintable(line));
                // Identified as PDF/A-3b, with its title, program and case, and
                // its records embedded as an alternative form of the pages.
                QProcess info;
                info.start(QStringLiteral("pdfinfo"), {"-meta", path});
                QVERIFY(info.waitForFinished(60000));
                const QByteArray meta = info.readAllStandardOutput();
                QVERIFY(meta.contains("<pdfaid:part>3</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>"));
                QVERIFY(meta.contains("<xmp:CreatorTool>Quorvane Ardentix 1.0-006</xmp:CreatorTool>"));
                QVERIFY(meta.contains(Tr("Verification Report").toUtf8()));
                info.start(QStringLiteral("pdfinfo"), {path});
                QVERIFY(info.waitForFinished(60000));
                const QString document = QString::fromUtf8(info.readAllStandardOutput()).simplified();
                QVERIFY(document.contains("Subject: Case 2026-117/B; examiner Jo Examiner; County Lab"));
                QVERIFY(document.contains("Keywords: 2026-117/B, Jo Examiner, County Lab"));
                info.start(QStringLiteral("pdfdetach"), {"-list", path});
                QVERIFY(info.waitForFinished(60000));
                QCOMPARE(info.readAllStandardOutput(), QByteArray("1 embedded files\n1: ardentix-report.jsonl\n"));
                // "page / pages" under every page's text.
                const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
                QVERIFY(pages.size() >= 2);
                for (int p = 0; p < pages.size(); ++p)
                    QVERIFY(pages[p].simplified().remove(' ').endsWith(
                        QStringLiteral("%1/%2").arg(p + 1).arg(pages.size())));
                // Each file's details, with the first and last byte covered.
                for (const RowRecord& record : records) {
                    QVERIFY(text.contains(QString::fromLatin1(record.result.sha256)));
                    QVERIFY(flat.contains(Tr("%1 protected bytes in all").arg(record.result.ProtectedBytes())));
                    if (record.result.path.endsWith(".avi"))
                        QVERIFY(flat.contains(QStringLiteral("bytes 240 to %1").arg(record.result.size - 513)));
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
        if (json)
            lines = lines.join("").split('\n', Qt::SkipEmptyParts);
        else
            QCOMPARE(lines.takeFirst(), columns.join(format < 0 ? "\t" : ","));
        QCOMPARE(lines.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const RowRecord& record = records[format < 0 ? i + 1 : i];
            const FileResult& result = record.result;
            QStringList fields;
            if (json) {
                const QJsonObject object = QJsonDocument::fromJson(lines[i].toUtf8()).object();
                QCOMPARE(object.size(), 14);
                QVERIFY(object.value("protected_bytes").isDouble());
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
            QCOMPARE(fields[0], samples.dir.filePath("cases/" + names[i]));
            QCOMPARE(fields[1], result.IsAuthentic() ? "authentic" : "failed");
            QCOMPARE(fields[2], result.IsAuthentic() ? "" : "digest-mismatch");
            QCOMPARE(fields[3], QStringLiteral("2012-05-14 09:30:00"));
            // Exact in JSON; made text for a spreadsheet in CSV and the copy.
            QCOMPARE(fields[5], names[i] != "b.avi" ? "VH-0042-1138" : json ? "=1+2" : "'=1+2");
            QFile file(fields[0]);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(fields[9], QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
            QCOMPARE(fields[10], QString::number(QFileInfo(fields[0]).size()));
            QCOMPARE(fields[11], QString::number(result.ProtectedBytes()));
        }
    }

    // The copied rows: one line a row, whatever a field holds.
    void copiedText()
    {
        FileResult result = Result("/c/t\tab\r\n.avi", AuthDigestMismatch, 5000, true);
        result.record.StartTime = "-1\r\n";
        result.sha256 = "ab";
        QCOMPARE(EvidenceReport::TabSeparated({RowRecord{result, QDateTime()}}),
                 QStringLiteral("path\tresult\treason\tstart_time\tend_time\tserial\tversion\ttime_source\tcamera_mac\t"
                                "sha256\tsize\tprotected_bytes\n/c/t ab  .avi\tfailed\tdigest-mismatch\t'-1  \t"
                                "2012-05-14 09:35:00\tVH-\x01"
                                "42\t1.0\tNTP\t00:1A:2B:3C:4D:5E\tab\t5000\t4248\n"));
    }

    // The format of a saved report follows the name's last suffix.
    void formatForName()
    {
        using F = EvidenceReport::Format;
        const QStringList names = {"case.pdf",  "case.2024.csv", "CASE.JSONL", "a.b/case.Csv", "case.csv.bak",
                                   "case.json", "case",          "csv",        "case.pdf."};
        const QList<int> expected = {int(F::Pdf), int(F::Csv), int(F::JsonLines), int(F::Csv), -1, -1, -1, -1, -1};
        for (int i = 0; i < names.size(); ++i) {
            F format = F::Pdf;
            const bool known = EvidenceReport::FormatForName(names[i], &format);
            QCOMPARE(known ? int(format) : -1, expected[i]);
        }
        QCOMPARE(EvidenceReport::SuffixFor(F::Pdf) + EvidenceReport::SuffixFor(F::Csv) +
                     EvidenceReport::SuffixFor(F::JsonLines),
                 QStringLiteral("pdfcsvjsonl"));
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
        FileResult jpg = Result("/c/a.jpg", AuthAuthentic, 5000, true);
        jpg.sha256 = QByteArray(64, 'a');
        QTest::newRow("authentic jpg")
            << jpg
            << "Path: /c/a.jpg\n" + authentic +
                   "Reason: The file is authentic: its content matches its signed watermark.\n" + fields +
                   "SHA-256 of the whole file: " + QString(64, 'a') +
                   "\nSize: 5000 bytes\nSignature covers: bytes 0 to 4485\n    bytes 4998 to 4999\n"
                   "    4488 protected bytes in all\nVerified at: \n";
        QTest::newRow("mp4 that the watermark does not cover")
            << Result("/c/d.mp4", AuthAuthentic, 3146276, true)
            << "Path: /c/d.mp4\n" + authentic + "Reason: " + warning + "\n" + fields +
                   "SHA-256 of the whole file: \nSize: 3146276 bytes\nSignature covers: 0 protected bytes in all\n   "
                   " " +
                   warning + "\nVerified at: \n";
        QTest::newRow("file of 0 bytes")
            << Result("/c/\x1b[2J.jpg", AuthTooShort, 0, false)
            << "Path: /c/\\x1B[2J.jpg\n" + failed + "Reason: The file is too short to hold a watermark.\n" + none +
                   "SHA-256 of the whole file: \nSize: 0 bytes\nSignature covers: \nVerified at: \n";
        FileResult folder = Result("/c/locked", AuthUnreadable, -1, false);
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
        for (AuthResult reason : {AuthAuthentic, AuthUnreadable, AuthTooShort, AuthUnsupportedType, AuthBadSignature,
                                  AuthBadMarker, AuthDigestMismatch, AuthCancelled, AuthInternalError})
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
        w.SaveReportAction()->trigger();
        QVERIFY2(question.contains("case-17.pdf"), qPrintable(question));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
    }

    // Check Against Report finds what changed since a saved report, line
    // for line as the verifier's --check does; a report it cannot use is
    // explained, and nothing is shown.
    void checkAgainstReport_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("foreign");
        QTest::addColumn<QString>("refusal");
        const auto saved = [](const char* name, EvidenceReport::Format format) {
            QTest::newRow(name) << int(format) << QByteArray() << QString();
        };
        saved("JSON Lines", EvidenceReport::Format::JsonLines);
        saved("CSV", EvidenceReport::Format::Csv);
        saved("PDF", EvidenceReport::Format::Pdf);
        QTest::newRow("refused: not a report") << -1 << QByteArray("hello\n") << "not a report of ardentix-verify";
        QTest::newRow("refused: a bad line")
            << -1 << QByteArray("{\"path\":\"a\",\"result\":\"failed\",\"reason\":\"unreadable\",\"sha256\":\"\"}\n{\n")
            << ":2: not JSON";
        QTest::newRow("refused: a PDF without records")
            << -2 << QByteArray()
            << (PdfRecords::Available() ? "holds no records of this program" : "cannot read PDF reports");
    }

    void checkAgainstReport()
    {
        QFETCH(int, format);
        QFETCH(QByteArray, foreign);
        QFETCH(QString, refusal);
        SampleFolder samples;
        MainWindow w;
        const QString cases = samples.dir.filePath("cases");
        const QString report = samples.dir.filePath("report");
        QStringList messages;
        LocalisationSeams::MessageHandler() = [&messages](const QString& text) { messages << text; };
        if (format >= 0) {
            w.OpenPaths({QFile::encodeName(cases)});
            QVERIFY(w.SaveReportTo(report, EvidenceReport::Format(format)));
            // Changed, gone, moved and new since the report.
            using namespace testsupport;
            QFile changed(cases + "/a.jpg");
            QVERIFY(changed.open(QIODevice::Append) && changed.write("x") == 1);
            changed.close();
            QVERIFY(QFile::remove(cases + "/b.avi"));
            QVERIFY(QDir().mkpath(cases + "/sub") && QFile::rename(cases + "/d.mp4", cases + "/sub/d.mp4"));
            WatermarkFields other;
            other.serial = "VH-0099";
            WriteFile(samples.Path("cases/sub/e.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg, other));
        } else if (format == -1) {
            QFile file(report);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(foreign) == foreign.size());
        } else {
            QPdfWriter pdf(report);
            QPainter(&pdf).drawText(100, 100, "A PDF of another program");
        }
        // A build that cannot embed records keeps them in a CSV beside the PDF.
        const QString checked = format == int(EvidenceReport::Format::Pdf) && !PdfRecords::Available()
                                    ? EvidenceReport::CompanionCsv(report)
                                    : report;
        w.CheckAgainst(checked, {QFile::encodeName(cases)});
        LocalisationSeams::MessageHandler() = nullptr;
        if (!refusal.isEmpty()) {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(refusal), qPrintable(messages[0]));
            QVERIFY(w.CheckWindow() == nullptr);
            return;
        }
        QVERIFY(messages.isEmpty());
        CheckResultWindow* check = w.CheckWindow();
        QVERIFY(check != nullptr);
        QStringList statuses;
        for (int row = 0; row < check->Model()->rowCount(); ++row) {
            const QStandardItem* status = check->Model()->item(row, CheckResultWindow::StatusColumn);
            statuses << status->text();
            QVERIFY(!status->data(Qt::AccessibleDescriptionRole).toString().isEmpty());
        }
        // In the report's order (the table's, newest first), then the new file.
        QCOMPARE(statuses, QStringList({"Moved", "Unchanged", "Missing", "Modified", "New"}));
        // The same lines as the verifier gives on the same report and files.
        const QString saved = samples.dir.filePath("check.jsonl");
        QString error;
        QVERIFY2(check->SaveTo(saved, EvidenceReport::Format::JsonLines, &error), qPrintable(error));
        QProcess verifier;
        verifier.start(QStringLiteral(ARDENTIX_VERIFY), {"--format", "json", "--check", checked, cases});
        QVERIFY(verifier.waitForFinished(60000));
        QCOMPARE(verifier.exitCode(), 1);
        QFile lines(saved);
        QVERIFY(lines.open(QIODevice::ReadOnly));
        QCOMPARE(lines.readAll(), verifier.readAllStandardOutput());
        QCOMPARE(check->Summary().reportSha256, CheckResultWindow::FileSha256(checked));
    }

    void summaryHeadOnEveryPage()
    {
        // A summary that runs on over several pages repeats the table's head
        // at the top of each.
        QList<RowRecord> records;
        for (int i = 0; i < 120; ++i)
            records.append(
                {Result("/cases/file-" + QByteArray::number(i) + ".jpg", AuthDigestMismatch, 4096, true), QDateTime()});
        QTemporaryDir dir;
        const QString path = dir.filePath("long.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        PdfReport::Write(file, records);
        file.close();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"-layout", path, "-"});
        if (!pdftotext.waitForStarted())
            QSKIP("pdftotext is not installed");
        QVERIFY(pdftotext.waitForFinished(60000));
        const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        qsizetype last = 0;
        while (last < pages.size() &&
               !pages[last].simplified().contains("120. file-119.jpg " + Tr("Authentication failed")))
            ++last;
        QVERIFY2(last >= 2 && last < pages.size(), qPrintable(QString::number(last)));
        const QString head = "# " + Tr("File Name") + " " + Tr("Result") + " " + Tr("Reason");
        for (qsizetype p = 0; p <= last; ++p)
            QVERIFY2(pages[p].simplified().contains(head), qPrintable(QString::number(p)));
    }

    void reasonsForScreenReaders()
    {
        // Each cell of a failed row tells assistive technology why, as its
        // tooltip does for the eye.
        SampleFolder samples;
        MainWindow w;
        w.show();
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases/" TAMPERED))});
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.ResultView());
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
        HelpWindow* help = w.Help_();
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
