// The custody check against a saved report: what it finds and how the
// outcome's window shows it, the report it refuses, its dialog, Cancel, and
// the outcome saved with the case it proposes.
#include "CaseDetailsDialog.h"
#include "CheckDialog.h"
#include "CheckResultWindow.h"
#include "CliRun.h"
#include "PdfReport.h"
#include "UiFixtures.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

using testsupport::ReadFileAt;
using testsupport::Sha256Hex;
using testsupport::WriteFileAt;

namespace {

// The file added to the case after its report, its path too long for the
// File Name column.
const QString kAdded =
    "gate-3/" + QString("recordings of the north entrance camera ").repeated(2).trimmed() + "/2026-01-17/morning.jpg";

// A custody check of a report against a folder, its relative paths read
// against its own folder, as the dialog asks by default.
CustodyRequest Request(const QString& report, const QString& folder)
{
    const QByteArray name = QFile::encodeName(report);
    return {name, CheckDialog::ReportFolder(name), {QFile::encodeName(folder)}};
}

// The window of the last check's outcome; null when none is open.
CheckResultWindow* Outcome(const MainWindow& w)
{
    return w.findChild<CheckResultWindow*>("checkResultWindow");
}

// Saves the outcome as the user does: Save Report…, a PDF name in the file
// dialog, then the case dialog taken as it proposes. Gives that case, and
// any message shown.
CaseDetails SaveOutcomePdf(CheckResultWindow& check, const QString& path, QString* message)
{
    CaseDetails proposed;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // Typed into the name field: selectFile() leaves the field as it
            // is once the field has the focus.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto* details = qobject_cast<CaseDetailsDialog*>(modal)) {
            proposed = details->Details();
            details->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *message = box->text();
            box->accept();
        }
    });
    poll.start(10);
    check.SaveButton()->click();
    return proposed;
}

// The outcome saved as PDF at path: the report's name shown as the window
// shows it, PDF/A, the counts, and the lines numbered in the window's order,
// each with its status and, but for a moved file (whose place the window
// shows relative), its details.
void ExpectOutcomePdf(const CheckResultWindow& check, const QString& path, const QString& shownName,
                      const QString& counts)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return;
    const QString flat = QString::fromUtf8(ToolOutput("pdftotext", {path, "-"})).simplified();
    QVERIFY2(flat.contains(shownName) && !flat.contains(QChar(0x202E)), qPrintable(flat));
    if (!PdfRecords::Available())
        return;
    ExpectPdfA(path);
    QVERIFY(flat.contains(Tr("Custody Check Report")));
    QVERIFY2(flat.contains(counts), qPrintable(counts));
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

// The text a widget paints in a part of it, as the user reads it there: an
// image whose paint engine keeps the texts drawn on it and nothing else.
class PaintedText : public QImage
{
public:
    PaintedText(QWidget* widget, const QRect& part) : QImage(widget->size(), QImage::Format_ARGB32)
    {
        widget->render(this, QPoint(), QRegion(part));
    }
    QString Text() const { return m_engine.text; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

private:
    struct Engine : QPaintEngine
    {
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { text += item.text(); }
        Type type() const override { return User; }
        QString text;
    };
    mutable Engine m_engine;
};

} // namespace

class TestCustodyCheck : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    // The custody check finds what changed since a saved report, line for
    // line as the verifier's --check does, and shows it: counts, paths that
    // can be told apart (a long one cut in the middle, so that the folder it
    // starts in and the file's name both stay in sight), whole paths for
    // screen readers, the report's name as text and the SHA-256 of the
    // report compared; saved as PDF, it names the checked report's case with
    // the user's own examiner. A report it cannot use, an earlier check's
    // outcome among them, is explained in the window's words and refused by
    // the verifier too, and nothing is shown.
    void checkAgainstReport_data()
    {
        QTest::addColumn<int>("format"); // of the report; below 0, a case to refuse
        QTest::addColumn<QByteArray>("foreign");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("cliRefusal");
        QTest::addColumn<int>("missing");      // files gone since the report
        QTest::addColumn<QString>("examiner"); // the user's, kept from an earlier session
        QTest::addColumn<QString>("name");     // the report's file name
        const auto refused = [](const char* title, int format, const QByteArray& foreign, const QString& refusal,
                                const QByteArray& cliRefusal) {
            QTest::newRow(title) << format << foreign << refusal << cliRefusal << 1 << QString() << "report";
        };
        const auto used = [](const char* title, EvidenceReport::Format format, int missing = 1,
                             const QString& examiner = QString(), const QString& name = "report") {
            QTest::newRow(title) << int(format) << QByteArray() << QString() << QByteArray() << missing << examiner
                                 << name;
        };
        refused("refused: not a report", -1, "hello\n",
                Tr("This is not a report of this program: it is neither its JSON Lines nor its CSV."),
                ":1: not a report of ardentix-verify");
        refused("refused: a bad line", -1,
                "{\"path\":\"a\",\"result\":\"failed\",\"reason\":\"unreadable\",\"sha256\":\"\"}\n{\n",
                Tr("Line %1: %2").arg("2", Tr("The line is not a JSON object.")), ":2: not JSON");
        // A problem of the report as a whole names no line.
        refused("refused: an empty report", -1, "\n", "\n" + Tr("The report is empty."), "report: the report is empty");
        refused("refused: a PDF without records", -2, QByteArray(),
                Tr(PdfRecords::Available() ? "The PDF holds no records of this program."
                                           : "This version of the program cannot read the records of a PDF report. "
                                             "Check against the CSV file saved beside the PDF."),
                PdfRecords::Available() ? "holds no records" : "cannot read PDF reports");
        const QString outcome = Tr("This is the outcome of a custody check, not a report: its lines are no record of "
                                   "the files as they were. Check against the report that was checked.");
        for (const auto& [name, format] :
             {std::pair{"JSON Lines", EvidenceReport::Format::JsonLines}, std::pair{"CSV", EvidenceReport::Format::Csv},
              std::pair{"PDF", EvidenceReport::Format::Pdf}}) {
            used(name, format);
            refused(qPrintable(QStringLiteral("refused: a check's outcome as %1").arg(name)), -3 - int(format),
                    QByteArray(), outcome, "the outcome of a re-check");
        }
        used("PDF, two missing and one moved", EvidenceReport::Format::Pdf, 2);
        used("PDF, checked by another examiner", EvidenceReport::Format::Pdf, 1, "Sam Checker");
#ifndef Q_OS_WIN // Windows names hold no "<"
        // Shown escaped, in the window and in its PDF.
        used("CSV named with markup and a character that reverses text", EvidenceReport::Format::Csv, 1, QString(),
             QStringLiteral("<b>report") + QChar(0x202E) + "vsc.csv");
#endif
    }

    // The outcome of the check of the case folder against report, missing
    // files gone since: its lines and counts, the report's SHA-256, the same
    // lines as the verifier's, and its PDF with the case it proposes.
    static void ExpectOutcome(CheckResultWindow* check, const QString& report, const QString& cases, int format,
                              int missing, const QString& examiner)
    {
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
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
        const QString added = QDir::toNativeSeparators(kAdded);
        QCOMPARE(lines, QStringList({Tr("Moved") + " d.mp4", Tr(missing > 1 ? "Missing" : "Unchanged") + " " TAMPERED,
                                     Tr("Missing") + " b.avi", Tr("Modified") + " a.jpg", Tr("New") + " " + added}));
        QTableView* view = check->View();
        const QModelIndex cell = check->Model()->index(4, CheckResultWindow::FileColumn);
        view->scrollTo(cell);
        QVERIFY(view->horizontalHeader()->sectionSize(CheckResultWindow::FileColumn) <
                view->fontMetrics().horizontalAdvance(added));
        const QString painted = PaintedText(view->viewport(), view->visualRect(cell)).Text();
        QVERIFY2(painted.size() < added.size() && painted.startsWith(QDir::toNativeSeparators("gate-3/rec")) &&
                     painted.endsWith(QDir::toNativeSeparators("/morning.jpg")) &&
                     (painted.contains(QChar(0x2026)) || painted.contains("...")),
                 qPrintable(painted));
        const QString counts = Tr("Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6")
                                   .arg("5", QString::number(2 - missing), "1", QString::number(missing), "1", "1");
        QCOMPARE(check->SummaryLabel()->text(), counts);
        QVERIFY(check->SaveButton()->isEnabled());
        // The report is named by the SHA-256 of the bytes compared.
        QCOMPARE(QString::fromLatin1(check->Summary().reportSha256), Sha256Hex(ReadFileAt(report).toStdString()));
        QVERIFY(check->ReportLabel()->text().contains(QString::fromLatin1(check->Summary().reportSha256)));
        // Names are text: markup and a character that reverses text show
        // escaped.
        const QString shownName = QFileInfo(report).fileName().toUtf8().replace("\xe2\x80\xae", "\\xE2\\x80\\xAE");
        QCOMPARE(check->ReportLabel()->textFormat(), Qt::PlainText);
        QVERIFY2(check->ReportLabel()->text().contains(shownName) &&
                     !check->ReportLabel()->text().contains(QChar(0x202E)),
                 qPrintable(check->ReportLabel()->text()));
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
        // Saved as PDF, a checked PDF names its case, with the user's own
        // examiner where one is kept; the others leave the case to the user.
        const QString pdf = QFileInfo(report).dir().filePath("check.pdf");
        QString message;
        const CaseDetails proposed = SaveOutcomePdf(*check, pdf, &message);
        QVERIFY2(message.isEmpty() && QFile::exists(pdf), qPrintable(message));
        const bool named = format == int(EvidenceReport::Format::Pdf) && PdfRecords::Available();
        const QString byExaminer = !examiner.isEmpty() ? examiner : named ? QString("Jo Examiner") : QString();
        QCOMPARE(QStringList({proposed.caseNumber, proposed.examiner, proposed.note}),
                 named ? QStringList({"2026-117/B", byExaminer, "Gate 3"}) : QStringList({"", byExaminer, ""}));
        ExpectOutcomePdf(*check, pdf, shownName, counts);
        if (PdfRecords::Available() && !QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
            const QString document = QString::fromUtf8(ToolOutput("pdfinfo", {pdf})).simplified();
            QCOMPARE(document.contains(Tr("examiner %1").arg(byExaminer)), !byExaminer.isEmpty());
            QCOMPARE(document.contains("Jo Examiner"), byExaminer == "Jo Examiner");
        }
    }

    void checkAgainstReport()
    {
        QFETCH(int, format);
        QFETCH(QByteArray, foreign);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, cliRefusal);
        QFETCH(int, missing);
        QFETCH(QString, examiner);
        QFETCH(QString, name);
        SampleFolder samples;
        MainWindow w;
        const QString cases = samples.dir.filePath("cases");
        QString report = samples.dir.filePath(name);
        Messages messages;
        if (format >= 0 || format <= -3) {
            w.OpenPaths({QFile::encodeName(cases)});
            // The case, then a restart that forgets it but for the user's
            // own examiner, kept in the settings.
            w.Case() = {"2026-117/B", "Jo Examiner", "County Lab", "Gate 3"};
            QVERIFY(w.SaveReportTo(report, format >= 0 ? EvidenceReport::Format(format) : EvidenceReport::Format::Csv));
            w.Case() = CaseDetails();
            if (!examiner.isEmpty())
                Store().setValue("Examiner", examiner);
            // Changed, gone, moved and new since the report, once the
            // pictures are made: on Windows a file that is being read for
            // its picture is only marked for deletion until it is closed.
            QTRY_COMPARE_WITH_TIMEOUT(w.ResultModel()->PreviewsWaiting(), 0, 20000);
            using namespace testsupport;
            QVERIFY(WriteFileAt(cases + "/a.jpg", ReadFileAt(cases + "/a.jpg").toStdString() + "x"));
            QVERIFY(QFile::remove(cases + "/b.avi"));
            if (missing > 1)
                QVERIFY(QFile::remove(cases + "/" TAMPERED));
            QVERIFY(QDir().mkpath(cases + "/sub") && QFile::rename(cases + "/d.mp4", cases + "/sub/d.mp4"));
            WatermarkFields other;
            other.serial = "VH-0099";
            QVERIFY(WriteFileAt(cases + '/' + kAdded, MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg, other)));
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
            QVERIFY(Outcome(w)->SaveTo(report, EvidenceReport::Format(-3 - format), &error));
            delete Outcome(w);
            if (-3 - format == int(EvidenceReport::Format::Pdf) && !PdfRecords::Available())
                report = EvidenceReport::CompanionCsv(report);
        }
        const bool used = w.CheckAgainst(Request(report, cases));
        if (!refusal.isEmpty()) {
            QVERIFY(!used);
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].endsWith(refusal), qPrintable(messages[0]));
            QVERIFY(!messages[0].contains("ardentix-verify"));
            QVERIFY(Outcome(w) == nullptr);
            const clitest::Outcome verifier = clitest::Run({"--check", report, cases});
            QCOMPARE(verifier.exitCode, 2);
            QVERIFY2(verifier.err.startsWith("ardentix-verify: " + QFile::encodeName(report)) &&
                         verifier.err.contains(cliRefusal),
                     verifier.err.constData());
            return;
        }
        QVERIFY(messages.isEmpty());
        ExpectOutcome(Outcome(w), report, cases, format, missing, examiner);
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
        QVERIFY(Outcome(w) == nullptr);
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
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&w, &shown, &poll] {
            if (auto* dialog = w.findChild<QProgressDialog*>("custodyCheckProgress")) {
                poll.stop();
                ++shown;
                QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        poll.start(0);
        Messages messages;
        const bool used = w.CheckAgainst(Request(report, cases));
        QVERIFY(shown <= 1);
        QVERIFY(messages.isEmpty());
        CheckResultWindow* check = Outcome(w);
        QCOMPARE(used, check != nullptr);
        if (used && shown == 1) {
            QVERIFY2(check->SummaryLabel()->text().contains(Tr("The check was stopped before the end")),
                     qPrintable(check->SummaryLabel()->text()));
            QVERIFY(!check->SaveButton()->isEnabled());
        }
        QCOMPARE(Counts(w), Counts(4, 3, 1));
        QVERIFY(!w.RunInProgress() && w.CheckReportAction()->isEnabled() && w.Actions()[0]->isEnabled());
    }
};

ARDENTIX_REGISTER_TEST(TestCustodyCheck)
#include "tst_custodycheck.moc"
