// The window's reports: the PDF with its case and embedded records, CSV,
// JSON Lines and the copied rows in the view's order, saving, and the
// re-check against a saved report.
#include "BuildIdentity.h"
#include "CaseDetailsDialog.h"
#include "CheckDialog.h"
#include "CheckResultWindow.h"
#include "CliRun.h"
#include "PdfReport.h"
#include "ResultText.h"
#include "UiFixtures.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
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
    View(w)->sortByColumn(0, Qt::AscendingOrder);
    return w.RowRecords(false);
}

// A custody check of a report against a folder, its relative paths read
// against its own folder, as the dialog asks by default.
CustodyRequest Request(const QString& report, const QString& folder)
{
    const QByteArray name = QFile::encodeName(report);
    return {name, CheckDialog::ReportFolder(name), {QFile::encodeName(folder)}};
}

// What a tool writes to its standard output; nothing when it did not run.
QByteArray ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
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

// The clauses of PDF/A-3b that the tools here can see: a sound structure, a
// line end before every "endstream", and every font embedded as a subset
// whose name carries the subset's tag.
void ExpectPdfA(const QString& path)
{
    const QByteArray pdf = ReadFileAt(path);
    QVERIFY(pdf.count("endstream") > 0);
    QCOMPARE(pdf.count("endstream"), pdf.count("\nendstream"));
    if (!QStandardPaths::findExecutable("qpdf").isEmpty())
        QVERIFY(ToolOutput("qpdf", {"--check", path}).contains("No syntax or stream encoding errors"));
    const QList<QByteArray> fonts = ToolOutput("pdffonts", {path}).split('\n').mid(2);
    QVERIFY(fonts.size() > 1);
    for (const QByteArray& font : fonts) {
        const QList<QByteArray> columns = font.simplified().split(' ');
        if (columns.size() < 6)
            continue;
        // name type... emb sub uni object generation
        QVERIFY2(QRegularExpression("^[A-Z]{6}\\+").match(QString::fromLatin1(columns[0])).hasMatch(), font);
        QCOMPARE(columns[columns.size() - 5] + columns[columns.size() - 4], QByteArray("yesyes"));
    }
}

// The outcome saved as PDF: PDF/A, the counts as the window shows them, and
// the lines numbered in the window's order, each with its status and, but
// for a moved file (whose place the window shows relative), its details.
void ExpectOutcomePdf(const CheckResultWindow& check, const QString& path)
{
    QString error;
    QVERIFY2(check.SaveTo(path, EvidenceReport::Format::Pdf, &error), qPrintable(error));
    if (!PdfRecords::Available() || QStandardPaths::findExecutable("pdftotext").isEmpty())
        return;
    ExpectPdfA(path);
    const QString flat = QString::fromUtf8(ToolOutput("pdftotext", {path, "-"})).simplified();
    QVERIFY(flat.contains(Tr("Custody Check Report")));
    QVERIFY(flat.contains(check.SummaryLabel()->text()));
    qsizetype at = 0;
    for (int row = 0; row < check.Model()->rowCount(); ++row) {
        at = flat.indexOf(QStringLiteral("%1. ").arg(row + 1), at);
        QVERIFY2(at >= 0, qPrintable(QString::number(row)));
        const QString status = check.Model()->item(row, CheckResultWindow::StatusColumn)->text();
        QVERIFY2(flat.indexOf(status, at) >= 0, qPrintable(status));
        if (status != Tr("Moved")) {
            const QString details = check.Model()->item(row, CheckResultWindow::DetailsColumn)->text();
            QVERIFY2(flat.contains(details.simplified()), qPrintable(details));
        }
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
            View(w)->selectionModel()->select(
                QItemSelection(Proxy(w)->index(1, 0), Proxy(w)->index(2, 4)), QItemSelectionModel::Select);
            for (QAction* action : View(w)->actions()) {
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

    // The custody check finds what changed since a saved report, line for
    // line as the verifier's --check does, and shows it: counts, paths that
    // can be told apart, whole paths for screen readers, the SHA-256 of the
    // report compared. A report it cannot use, an earlier check's outcome
    // among them, is explained in the window's words and refused by the
    // verifier too, and nothing is shown.
    void checkAgainstReport_data()
    {
        QTest::addColumn<int>("format"); // of the report; below 0, a case to refuse
        QTest::addColumn<QByteArray>("foreign");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("cliRefusal");
        QTest::newRow("refused: not a report")
            << -1 << QByteArray("hello\n")
            << Tr("This is not a report of this program: it is neither its JSON Lines nor its CSV.")
            << QByteArray(":1: not a report of ardentix-verify");
        QTest::newRow("refused: a bad line")
            << -1 << QByteArray("{\"path\":\"a\",\"result\":\"failed\",\"reason\":\"unreadable\",\"sha256\":\"\"}\n{\n")
            << Tr("Line %1: %2").arg("2", Tr("The line is not a JSON object.")) << QByteArray(":2: not JSON");
        // A problem of the report as a whole names no line.
        QTest::newRow("refused: an empty report")
            << -1 << QByteArray("\n") << "\n" + Tr("The report is empty.") << QByteArray("report: the report is empty");
        QTest::newRow("refused: a PDF without records")
            << -2 << QByteArray()
            << Tr(PdfRecords::Available() ? "The PDF holds no records of this program."
                                          : "This version of the program cannot read the records of a PDF report. "
                                            "Check against the CSV file saved beside the PDF.")
            << QByteArray(PdfRecords::Available() ? "holds no records" : "cannot read PDF reports");
        const QString outcome = Tr("This is the outcome of a custody check, not a report: its lines are no record of "
                                   "the files as they were. Check against the report that was checked.");
        for (const auto& [name, format] :
             {std::pair{"JSON Lines", EvidenceReport::Format::JsonLines}, std::pair{"CSV", EvidenceReport::Format::Csv},
              std::pair{"PDF", EvidenceReport::Format::Pdf}}) {
            QTest::newRow(name) << int(format) << QByteArray() << QString() << QByteArray();
            QTest::newRow(qPrintable(QStringLiteral("refused: a check's outcome as %1").arg(name)))
                << -3 - int(format) << QByteArray() << outcome << QByteArray("the outcome of a re-check");
        }
    }

    // The outcome of the check of the case folder against report: its lines
    // and counts, the report's SHA-256, the same lines as the verifier's, and
    // the case it proposes for its PDF.
    static void ExpectOutcome(CheckResultWindow* check, const QString& report, const QString& cases, int format)
    {
        QVERIFY(check != nullptr);
        // In the report's order (the table's, newest first), then the new
        // file, each path shown relative to the folder searched and whole to
        // a screen reader.
        QStringList lines;
        for (int row = 0; row < check->Model()->rowCount(); ++row) {
            const QStandardItem* file = check->Model()->item(row, CheckResultWindow::FileColumn);
            lines << check->Model()->item(row, CheckResultWindow::StatusColumn)->text() + ' ' + file->text();
            const QString whole = file->data(Qt::AccessibleDescriptionRole).toString();
            QVERIFY2(whole.startsWith(QDir::toNativeSeparators(cases + '/' + file->text()) + '\n'), qPrintable(whole));
        }
        QCOMPARE(lines,
                 QStringList({Tr("Moved") + " d.mp4", Tr("Unchanged") + " " TAMPERED, Tr("Missing") + " b.avi",
                              Tr("Modified") + " a.jpg", Tr("New") + " " + QDir::toNativeSeparators("sub/e.jpg")}));
        QCOMPARE(check->SummaryLabel()->text(),
                 Tr("Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6")
                     .arg("5", "1", "1", "1", "1", "1"));
        QVERIFY(check->SaveButton()->isEnabled());
        // The report is named by the SHA-256 of the bytes compared.
        QCOMPARE(QString::fromLatin1(check->Summary().reportSha256), Sha256Hex(ReadFileAt(report).toStdString()));
        QVERIFY(check->ReportLabel()->text().contains(QString::fromLatin1(check->Summary().reportSha256)));
        // The same lines as the verifier gives on the same report and
        // files, in JSON Lines and CSV, header and all.
        for (const auto& [option, saveAs] :
             {std::pair{"json", EvidenceReport::Format::JsonLines}, std::pair{"csv", EvidenceReport::Format::Csv}}) {
            const QString saved = QFileInfo(report).dir().filePath("check");
            QString error;
            QVERIFY2(check->SaveTo(saved, saveAs, &error), qPrintable(error));
            const clitest::Outcome verifier = clitest::Run({"--format", option, "--check", report, cases});
            QCOMPARE(verifier.exitCode, 1);
            QCOMPARE(ReadFileAt(saved), verifier.out);
        }
        // A checked PDF names its case for the outcome's PDF; the others
        // leave it to the user.
        const bool named = format == int(EvidenceReport::Format::Pdf) && PdfRecords::Available();
        const CaseDetails proposed = check->ProposedCase();
        QCOMPARE(QStringList({proposed.caseNumber, proposed.note}),
                 named ? QStringList({"2026-117/B", "Gate 3"}) : QStringList({"", ""}));
        if (format == int(EvidenceReport::Format::Pdf))
            ExpectOutcomePdf(*check, QFileInfo(report).dir().filePath("check.pdf"));
    }

    void checkAgainstReport()
    {
        QFETCH(int, format);
        QFETCH(QByteArray, foreign);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, cliRefusal);
        SampleFolder samples;
        MainWindow w;
        const QString cases = samples.dir.filePath("cases");
        QString report = samples.dir.filePath("report");
        Messages messages;
        if (format >= 0 || format <= -3) {
            w.OpenPaths({QFile::encodeName(cases)});
            // The case, then a restart that forgets it.
            w.Case() = {"2026-117/B", "Jo Examiner", "County Lab", "Gate 3"};
            QVERIFY(w.SaveReportTo(report, format >= 0 ? EvidenceReport::Format(format) : EvidenceReport::Format::Csv));
            w.Case() = CaseDetails();
            // Changed, gone, moved and new since the report.
            using namespace testsupport;
            QVERIFY(WriteFileAt(cases + "/a.jpg", ReadFileAt(cases + "/a.jpg").toStdString() + "x"));
            QVERIFY(QFile::remove(cases + "/b.avi"));
            QVERIFY(QDir().mkpath(cases + "/sub") && QFile::rename(cases + "/d.mp4", cases + "/sub/d.mp4"));
            WatermarkFields other;
            other.serial = "VH-0099";
            QVERIFY(WriteFileAt(cases + "/sub/e.jpg", MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg, other)));
        } else if (format == -1) {
            QVERIFY(WriteFileAt(report, foreign.toStdString()));
        } else {
            QPdfWriter pdf(report);
            QPainter(&pdf).drawText(100, 100, "A PDF of another program");
        }
        // A build that cannot embed records keeps them in a CSV beside the PDF.
        if (format == int(EvidenceReport::Format::Pdf) && !PdfRecords::Available())
            report = EvidenceReport::CompanionCsv(report);
        if (format <= -3) {
            // The outcome of that check, saved, then checked in its turn.
            QVERIFY(w.CheckAgainst(Request(report, cases)));
            QString error;
            report = samples.dir.filePath("outcome");
            QVERIFY(CheckOf(w)->SaveTo(report, EvidenceReport::Format(-3 - format), &error));
            delete CheckOf(w);
            if (-3 - format == int(EvidenceReport::Format::Pdf) && !PdfRecords::Available())
                report = EvidenceReport::CompanionCsv(report);
        }
        const bool used = w.CheckAgainst(Request(report, cases));
        if (!refusal.isEmpty()) {
            QVERIFY(!used);
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].endsWith(refusal), qPrintable(messages[0]));
            QVERIFY(!messages[0].contains("ardentix-verify"));
            QVERIFY(CheckOf(w) == nullptr);
            const clitest::Outcome verifier = clitest::Run({"--check", report, cases});
            QCOMPARE(verifier.exitCode, 2);
            QVERIFY2(verifier.err.startsWith("ardentix-verify: " + QFile::encodeName(report)) &&
                         verifier.err.contains(cliRefusal),
                     verifier.err.constData());
            return;
        }
        QVERIFY(messages.isEmpty());
        ExpectOutcome(CheckOf(w), report, cases, format);
    }

    // A refused report leaves the dialog open with what was entered, and the
    // dialog opens again with it; the folder for relative paths follows the
    // report until the user chooses one.
    void checkDialogKeepsEntries()
    {
        SampleFolder samples;
        MainWindow w;
        const QString report = samples.dir.filePath("cut.jsonl");
        QVERIFY(WriteFileAt(report, "{"));
        Messages messages;
        QStringList seen;
        const auto inDialog = [&seen](const std::function<void(CheckDialog*)>& act) {
            OnNextModal<CheckDialog>([&seen, act](CheckDialog* dialog) {
                act(dialog);
                seen << dialog->ReportEdit()->text() << dialog->BaseEdit()->text()
                     << QString::number(dialog->PathList()->count()) << QString::number(dialog->isVisible());
                dialog->reject();
            });
        };
        inDialog([&](CheckDialog* dialog) {
            dialog->SetReport(report);
            dialog->AddPaths({samples.dir.filePath("cases")});
            dialog->CheckButton()->click();
        });
        w.CheckReportAction()->trigger();
        inDialog([](CheckDialog*) {});
        w.CheckReportAction()->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(
            messages[0].endsWith(Tr("Line %1: %2").arg("1", Tr("The report is cut off: its last line is incomplete."))),
            qPrintable(messages[0]));
        const QStringList entered = {QDir::toNativeSeparators(report), QDir::toNativeSeparators(samples.dir.path()),
                                     "1", "1"};
        QCOMPARE(seen, entered + entered);
        QVERIFY(CheckOf(w) == nullptr);
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

    // Cancel pressed as the check's dialog appears: either the report was
    // not read yet and nothing is shown, or the outcome says the check was
    // stopped and cannot be saved; the rows and actions are as before.
    void checkCancelledAtOnce()
    {
        SampleFolder samples;
        MainWindow w;
        const QString cases = samples.dir.filePath("cases");
        const QString report = samples.dir.filePath("report.csv");
        w.OpenPaths({QFile::encodeName(cases)});
        QVERIFY(w.SaveReportTo(report, EvidenceReport::Format::Csv));
        // Pressed as soon as the dialog takes events; a check that ended
        // before is complete.
        int shown = 0;
        OnNextModal<QProgressDialog>([&shown](QProgressDialog* dialog) {
            ++shown;
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        });
        Messages messages;
        const bool used = w.CheckAgainst(Request(report, cases));
        QVERIFY(shown <= 1);
        QVERIFY(messages.isEmpty());
        QCOMPARE(used, CheckOf(w) != nullptr);
        if (used && shown == 1) {
            QVERIFY2(CheckOf(w)->SummaryLabel()->text().contains(Tr("The check was stopped before the end")),
                     qPrintable(CheckOf(w)->SummaryLabel()->text()));
            QVERIFY(!CheckOf(w)->SaveButton()->isEnabled());
        }
        QCOMPARE(Counts(w), Counts(4, 3, 1));
        QVERIFY(!w.RunInProgress() && w.CheckReportAction()->isEnabled() && w.Actions()[0]->isEnabled());
    }

    // Names are text: a report named with markup and a character that
    // reverses text shows both escaped, in the window and in its PDF.
    void namesAsText()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows names hold no \"<\"");
#endif
        SampleFolder samples;
        MainWindow w;
        const QString cases = samples.dir.filePath("cases");
        const QString report = samples.dir.filePath(QStringLiteral("<b>report") + QChar(0x202E) + "vsc.csv");
        w.OpenPaths({QFile::encodeName(cases)});
        QVERIFY(w.SaveReportTo(report, EvidenceReport::Format::Csv));
        QVERIFY(w.CheckAgainst(Request(report, cases)));
        const QString shown = "<b>report\\xE2\\x80\\xAEvsc.csv";
        QLabel* label = CheckOf(w)->ReportLabel();
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY2(label->text().contains(shown) && !label->text().contains(QChar(0x202E)), qPrintable(label->text()));
        const QString pdf = samples.dir.filePath("outcome.pdf");
        QString error;
        QVERIFY2(CheckOf(w)->SaveTo(pdf, EvidenceReport::Format::Pdf, &error), qPrintable(error));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = QString::fromUtf8(ToolOutput("pdftotext", {pdf, "-"}));
        QVERIFY2(text.contains(shown) && !text.contains(QChar(0x202E)), qPrintable(text));
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
