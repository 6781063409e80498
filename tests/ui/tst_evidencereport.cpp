// The window's reports: the PDF with its case and embedded records, CSV,
// JSON Lines and the copied rows in the view's order, the case dialog, and
// saving. The custody check against a saved report is tst_custodycheck's.
#include "BuildIdentity.h"
#include "CaseDetailsDialog.h"
#include "CliRun.h"
#include "PdfReport.h"
#include "ResultText.h"
#include "UiFixtures.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>

using ardentix::engine::AuthResult;

using testsupport::ReadFileAt;
using testsupport::Sha256Hex;
using testsupport::WriteFileAt;

namespace {

// The sample cases verified and sorted by name: a, b, c, d.
QList<RowRecord> SortedRows(MainWindow& w, SampleFolder& samples)
{
    w.Previews()->SetHelper(ARDENTIX_PREVIEW_HELPER);
    w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases"))});
    w.findChild<QTreeView*>("resultView")->sortByColumn(0, Qt::AscendingOrder);
    return w.RowRecords(false);
}

// When ARDENTIX_KEEP_REPORT names a folder, a PDF report and the files it
// lists are copied there (report.pdf, cases/), so that scripts/test-windows
// can check a report made on one platform with the other's verifier.
void KeepReport(const QString& report, const QString& cases)
{
    const QString keep = qEnvironmentVariable("ARDENTIX_KEEP_REPORT");
    if (keep.isEmpty())
        return;
    const QDir kept(keep);
    QVERIFY(kept.mkpath("cases"));
    QFile::remove(kept.filePath("report.pdf"));
    QVERIFY(QFile::copy(report, kept.filePath("report.pdf")));
    for (const QString& name : QDir(cases).entryList(QDir::Files)) {
        QFile::remove(kept.filePath("cases/" + name));
        QVERIFY(QFile::copy(QDir(cases).filePath(name), kept.filePath("cases/" + name)));
    }
}

// Each file's picture on its details page of the PDF at path, embedded as
// JPEG, with a recording's frame time; left out where the user asks, the
// pages and records otherwise the same.
void ExpectPictures(MainWindow& w, const QString& path, const QList<RowRecord>& rows)
{
    const auto images = [](const QString& pdf) {
        return ToolOutput("pdfimages", {"-list", pdf}).split('\n').mid(2).join('\n').simplified();
    };
    QCOMPARE(images(path).count(" image 320 240 rgb 3 8 jpeg "), 1);
    // The MP4's signature covers none of its bytes: it has no picture.
    QCOMPARE(images(path).count(" image 160 120 rgb 3 8 jpeg "), 2);
    const QString flat = QString::fromUtf8(ToolOutput("pdftotext", {path, "-"})).simplified();
    QCOMPARE(flat.count(Tr("Frame at %1").arg("00:00:00")), 2);
    QCOMPARE(flat.count(Tr("No picture from the signed bytes")), 1);
    w.Case().pictures = false;
    const QString without = QFileInfo(path).dir().filePath("without.pdf");
    QVERIFY(w.SaveReportTo(without, EvidenceReport::Format::Pdf));
    QCOMPARE(images(without), QString());
    QCOMPARE(
        QString::fromUtf8(ToolOutput("pdftotext", {"-layout", without, "-"})).count(Tr("Frame at %1").arg("00:00:00")),
        0);
    const QString records = QFileInfo(path).dir().filePath("records-without");
    ToolOutput("pdfdetach", {"-savefile", "ardentix-report.jsonl", "-o", records, without});
    QCOMPARE(ReadFileAt(records), EvidenceReport::Delimited(rows, EvidenceReport::Format::JsonLines));
    ExpectPdfA(without);
}

} // namespace

class TestEvidenceReport : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    // The reports and the copied rows hold the rows in the view's order,
    // after the user has sorted the table.
    void reportPdf()
    {
        SampleFolder samples;
        MainWindow w;
        const QList<RowRecord> records = SortedRows(w, samples);
        QCOMPARE(records.size(), 4);
        const QString path = samples.dir.filePath("report");
        w.Case() = {"2026-117/B", "Jo Examiner", "County Lab", "From the NVR at gate 3"};
        QVERIFY(w.SaveReportTo(path, EvidenceReport::Format::Pdf));
        KeepReport(path, samples.dir.filePath("cases"));
        // The records as a re-check reads them back, with or without the
        // tools below (Windows has none); a build without the PDF library
        // keeps them beside the PDF.
        if (PdfRecords::Available()) {
            PdfRecords::Contents contents;
            ReportProblem problem;
            QVERIFY(PdfRecords::Extract(ReadFileAt(path), &contents, &problem));
            QCOMPARE(contents.records, EvidenceReport::Delimited(records, EvidenceReport::Format::JsonLines));
        } else {
            QVERIFY(QFile::exists(EvidenceReport::CompanionCsv(path)));
        }
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = QString::fromUtf8(ToolOutput("pdftotext", {"-layout", path, "-"}));
        QVERIFY(text.contains(Tr("Verification Report")));
        // The case, in the header above the summary.
        const qsizetype summaryAt = text.indexOf(Tr("Files: %1, authentic: %2, failed: %3").arg(4).arg(3).arg(1));
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
        const QByteArray meta = ToolOutput("pdfinfo", {"-meta", path});
        QVERIFY(meta.contains("<pdfaid:part>3</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>"));
        QVERIFY(meta.contains("<xmp:CreatorTool>Quorvane Ardentix 1.0-006</xmp:CreatorTool>"));
        QVERIFY(meta.contains(Tr("Verification Report").toUtf8()));
        const QString document = QString::fromUtf8(ToolOutput("pdfinfo", {path})).simplified();
        QVERIFY(document.contains("Subject: Case 2026-117/B; examiner Jo Examiner; County Lab"));
        QVERIFY(document.contains("Keywords: 2026-117/B, Jo Examiner, County Lab"));
        QCOMPARE(ToolOutput("pdfdetach", {"-list", path}),
                 QByteArray("2 embedded files\n1: ardentix-case.json\n2: ardentix-report.jsonl\n"));
        // The records are the rows' JSON Lines; the case, its fields each
        // under its own name, so that a re-check can name the same case.
        const QString recordsFile = samples.dir.filePath("records"), caseFile = samples.dir.filePath("case");
        ToolOutput("pdfdetach", {"-savefile", "ardentix-report.jsonl", "-o", recordsFile, path});
        QCOMPARE(ReadFileAt(recordsFile), EvidenceReport::Delimited(records, EvidenceReport::Format::JsonLines));
        ToolOutput("pdfdetach", {"-savefile", "ardentix-case.json", "-o", caseFile, path});
        CaseDetails named;
        QVERIFY(CaseDetails::FromJson(ReadFileAt(caseFile), &named));
        QCOMPARE(QStringList({named.caseNumber, named.examiner, named.organisation, named.note}),
                 QStringList({"2026-117/B", "Jo Examiner", "County Lab", "From the NVR at gate 3"}));
        ExpectPdfA(path);
        ExpectPictures(w, path, records);
        // "page / pages" under every page's text.
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        for (int p = 0; p < pages.size(); ++p)
            QVERIFY(pages[p].simplified().remove(' ').endsWith(QStringLiteral("%1/%2").arg(p + 1).arg(pages.size())));
        // Each file's details, with the first and last byte covered.
        for (const RowRecord& record : records) {
            QVERIFY(text.contains(QString::fromLatin1(record.result.sha256)));
            QVERIFY(flat.contains(Tr("%1 protected bytes in all").arg(record.result.ProtectedBytes())));
            if (record.result.path.endsWith(".avi"))
                QVERIFY(flat.contains(QStringLiteral("bytes 240 to %1").arg(record.result.size - 513)));
        }
    }

    void reportRecords_data()
    {
        QTest::addColumn<QString>("output"); // where the records of the rows go
        QTest::newRow("CSV") << QString("csv");
        QTest::newRow("JSON Lines") << QString("json");
        QTest::newRow("clipboard, two rows selected") << QString("clipboard");
    }

    void reportRecords()
    {
        QFETCH(QString, output);
        SampleFolder samples;
        MainWindow w;
        const QList<RowRecord> records = SortedRows(w, samples);
        QCOMPARE(records.size(), 4);
        QStringList names = {"a.jpg", "b.avi", TAMPERED, "d.mp4"};
        const QStringList columns = {"path",       "result", "reason",  "start_time",
                                     "end_time",   "serial", "version", "time_source",
                                     "camera_mac", "sha256", "size",    "protected_bytes"};
        const bool json = output == "json", copied = output == "clipboard";
        QList<QStringList> rows; // the head's fields, then each row's
        if (copied) {
            QTreeView* view = w.findChild<QTreeView*>("resultView");
            view->selectionModel()->select(QItemSelection(view->model()->index(1, 0), view->model()->index(2, 4)),
                                           QItemSelectionModel::Select);
            for (QAction* action : view->actions()) {
                if (action->shortcut() == QKeySequence::Copy)
                    action->trigger();
            }
            for (const QString& line : QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts))
                rows << line.split('\t');
            names = names.mid(1, 2);
        } else {
            const QString path = samples.dir.filePath("report");
            QVERIFY(w.SaveReportTo(path, json ? EvidenceReport::Format::JsonLines : EvidenceReport::Format::Csv));
            const QByteArray saved = ReadFileAt(path);
            QString error;
            rows = json ? QList<QStringList>{columns} : clitest::CsvRecords(saved, &error);
            for (const QJsonObject& object : json ? clitest::JsonLines(saved, &error) : QList<QJsonObject>()) {
                QCOMPARE(object.size(), 14);
                QVERIFY(object.value("protected_bytes").isDouble());
                rows << QStringList();
                for (const QString& key : columns)
                    rows.last() << object.value(key).toVariant().toString();
            }
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        QCOMPARE(rows.takeFirst(), columns);
        QCOMPARE(rows.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const FileResult& result = records[copied ? i + 1 : i].result;
            const QStringList& fields = rows[i];
            QCOMPARE(fields.size(), columns.size());
            QCOMPARE(fields[0], samples.dir.filePath("cases/" + names[i]));
            QCOMPARE(fields[1], result.IsAuthentic() ? "authentic" : "failed");
            QCOMPARE(fields[2], result.IsAuthentic() ? "" : "digest-mismatch");
            QCOMPARE(fields[3], QStringLiteral("2012-05-14 09:30:00"));
            // Exact in JSON; made text for a spreadsheet in CSV and the copy.
            QCOMPARE(fields[5], names[i] != "b.avi" ? "VH-0042-1138" : json ? "=1+2" : "'=1+2");
            QCOMPARE(fields[9], Sha256Hex(ReadFileAt(fields[0]).toStdString()));
            QCOMPARE(fields[10], QString::number(QFileInfo(fields[0]).size()));
            QCOMPARE(fields[11], QString::number(result.ProtectedBytes()));
        }
    }

    // The copied rows: one line a row, whatever a field holds.
    void copiedText()
    {
        FileResult result = Result("/c/t\tab\r\n.avi", AuthResult::DigestMismatch, 5000, true);
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
        QVERIFY(WriteFileAt(existing, "kept"));
        MainWindow w;
        w.OpenPaths({QFile::encodeName(samples.dir.filePath("cases"))});
        QString question;
        OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
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
        QCOMPARE(ReadFileAt(existing), QByteArray("kept"));
    }

    // Each field of the case dialog is the detail that its label names, and
    // the examiner and the organisation are kept as such.
    void caseDialogFields()
    {
        const CaseDetails given = {"2026-117/B", "Jo Examiner", "County Lab", "Gate 3"};
        QStringList byLabel;
        OnNextModal<CaseDetailsDialog>([&byLabel](CaseDetailsDialog* dialog) {
            for (const char* label : {"Case or reference number", "Examiner", "Organisation", "Note"}) {
                for (QWidget* field : dialog->findChildren<QWidget*>()) {
                    if (field->accessibleName() != QLatin1String(label))
                        continue;
                    if (auto* line = qobject_cast<QLineEdit*>(field))
                        byLabel << line->text();
                    else if (auto* note = qobject_cast<QPlainTextEdit*>(field))
                        byLabel << note->toPlainText();
                }
            }
            dialog->findChild<QLineEdit*>()->setText("2026-118");
            dialog->accept();
        });
        CaseDetails asked = given;
        QSettings settings = Store();
        settings.setValue("Examiner", given.examiner);
        settings.setValue("Organisation", given.organisation);
        settings.sync();
        QVERIFY(CaseDetailsDialog::Ask(nullptr, &asked));
        QCOMPARE(byLabel, QStringList({"2026-117/B", "Jo Examiner", "County Lab", "Gate 3"}));
        QCOMPARE(QStringList({asked.caseNumber, asked.examiner, asked.organisation, asked.note}),
                 QStringList({"2026-118", "Jo Examiner", "County Lab", "Gate 3"}));
        QCOMPARE(QStringList({Store().value("Examiner").toString(), Store().value("Organisation").toString()}),
                 QStringList({"Jo Examiner", "County Lab"}));
        // The evidence report's dialog alone offers the pictures, ticked as
        // last chosen; the choice reaches the report and is kept.
        QVERIFY(asked.pictures);
        bool offered = true;
        OnNextModal<CaseDetailsDialog>([&offered](CaseDetailsDialog* dialog) {
            offered = dialog->PicturesBox() != nullptr;
            dialog->accept();
        });
        QVERIFY(CaseDetailsDialog::Ask(nullptr, &asked));
        QVERIFY(!offered);
        for (const bool tick : {false, true, false}) {
            bool shown = !tick;
            OnNextModal<CaseDetailsDialog>([&shown, tick](CaseDetailsDialog* dialog) {
                shown = dialog->PicturesBox()->isChecked();
                QTest::mouseClick(dialog->PicturesBox(), Qt::LeftButton);
                dialog->accept();
            });
            QVERIFY(CaseDetailsDialog::Ask(nullptr, &asked, true));
            QCOMPARE(shown, !tick);
            QCOMPARE(asked.pictures, tick);
            QCOMPARE(Store().value("ReportPictures").toBool(), tick);
            // Asked without the line, as for a custody check's outcome, with
            // a case of a new session (pictures by default): the choice stays
            // as last made, and the next report's dialog offers it again.
            CaseDetails restarted;
            OnNextModal<CaseDetailsDialog>([](CaseDetailsDialog* dialog) { dialog->accept(); });
            QVERIFY(CaseDetailsDialog::Ask(nullptr, &restarted));
            QCOMPARE(restarted.pictures, tick);
            QCOMPARE(Store().value("ReportPictures").toBool(), tick);
        }
    }

    // Save Report waits for the pictures still being made: Cancel saves
    // nothing; waited out, a picture that never came is said to be missing.
    void saveWaitsForPictures()
    {
        QTemporaryDir dir;
        using namespace testsupport;
        QVERIFY(WriteFileAt(dir.filePath("hang-helper.avi"),
                            MakeExport(SampleMedia(MediaType::Avi) + "hang-helper", MediaType::Avi)));
        QVERIFY(WriteFileAt(dir.filePath("gate.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg)));
        MainWindow w;
        w.Previews()->SetHelper(ARDENTIX_PREVIEW_FAULTY);
        w.Previews()->SetTimeLimit(2000);
        w.OpenPaths({QFile::encodeName(dir.filePath("hang-helper.avi")), QFile::encodeName(dir.filePath("gate.jpg"))});
        QCOMPARE(w.ResultModel()->PreviewsWaiting(), 2);
        const QString pdf = dir.filePath("report.pdf");
        QString label;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&label, &poll] {
            if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                poll.stop();
                label = progress->labelText();
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        poll.start(10);
        QVERIFY(!w.SaveReportTo(pdf, EvidenceReport::Format::Pdf));
        QCOMPARE(label, Tr("Making the pictures of the files…"));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(w.SaveReportTo(pdf, EvidenceReport::Format::Pdf));
        QCOMPARE(w.ResultModel()->PreviewsWaiting(), 0);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = QString::fromUtf8(ToolOutput("pdftotext", {pdf, "-"}));
        QCOMPARE(text.count(Tr("No preview for this file")), 1);
        QCOMPARE(ToolOutput("pdfimages", {"-list", pdf}).count(" jpeg "), 1);
    }

    void summaryHeadOnEveryPage()
    {
        // A summary that runs on over several pages repeats the table's head
        // at the top of each.
        QList<RowRecord> records;
        for (int i = 0; i < 120; ++i)
            records.append(
                {Result("/cases/file-" + QByteArray::number(i) + ".jpg", AuthResult::DigestMismatch, 4096, true),
                 QDateTime()});
        QTemporaryDir dir;
        const QString path = dir.filePath("long.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        PdfReport::Write(file, records);
        file.close();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QStringList pages = QString::fromUtf8(ToolOutput("pdftotext", {"-layout", path, "-"})).split('\f');
        qsizetype last = 0;
        while (last < pages.size() &&
               !pages[last].simplified().contains("120. file-119.jpg " + Tr("Authentication failed")))
            ++last;
        QVERIFY2(last >= 2 && last < pages.size(), qPrintable(QString::number(last)));
        const QString head = "# " + Tr("File Name") + " " + Tr("Result") + " " + Tr("Reason");
        for (qsizetype p = 0; p <= last; ++p)
            QVERIFY2(pages[p].simplified().contains(head), qPrintable(QString::number(p)));
    }
};

ARDENTIX_REGISTER_TEST(TestEvidenceReport)
#include "tst_evidencereport.moc"
