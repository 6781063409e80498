// The re-check of a saved report: how a file compares with its entry, which
// paths name the same file, which lines a run gives, and those lines exact
// in every format, with the closing line.
#include "CheckWriter.h"
#include "CoreFixtures.h"
#include "CustodyCheck.h"
#include "PathText.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using ardentix::engine::AuthResult;

using namespace testsupport;

Q_DECLARE_METATYPE(CustodyLine)

namespace {

// A re-check's line by named parts; what is not named is as for a new file.
struct Line
{
    CustodyLine line;

    Line(CustodyStatus status, const QByteArray& path)
    {
        line.status = status;
        line.path = PathText::ForReport(path);
        line.pathBytes = path;
    }
    Line& At(qint64 reportLine) { return line.reportLine = reportLine, *this; }
    Line& Now(AuthResult result, const QByteArray& sha) { return line.result = result, line.sha256 = sha, *this; }
    // The entry's verdict: authentic when reason is empty.
    Line& Then(const QString& reason, const QByteArray& sha)
    {
        line.reportAuthentic = reason.isEmpty();
        line.reportReason = reason;
        line.reportSha256 = sha;
        return *this;
    }
    Line& Changed(const QStringList& changed) { return line.changed = changed, *this; }
    Line& MovedTo(const QByteArray& path) { return line.newPath = path, *this; }
    operator CustodyLine() const { return line; }
};

} // namespace

class TestCustodyCheck : public QObject
{
    Q_OBJECT

private slots:
    // A report's path and the file found under a PATH name the same file.
    void normalised_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("cwd"); // the working folder
        QTest::addColumn<QByteArray>("normalised");
        const auto row = [](const char* title, const char* path, const char* cwd, const char* normalised) {
            QTest::newRow(title) << QByteArray(path) << QByteArray(cwd) << QByteArray(normalised);
        };
        row("relative, with an empty and a dot component", "a//./b", "/cwd", "/cwd/a/b");
        row("dot-dot kept, final slash dropped", "/x/../y/", "/c", "/x/../y");
        row("the root", "/", "/c", "/");
        row("dot in a folder with a final slash", ".", "/c/", "/c");
        row("dot slash in the root", "./", "/", "/");
        row("a name", "b", "/c", "/c/b");
#ifdef Q_OS_WIN
        // A share keeps its two separators, a path on the current drive gets
        // the working folder's drive or share, the long-path prefix drops.
        row("a share", "\\\\s\\sh\\c.avi", "C:\\w", "//s/sh/c.avi");
        row("the current drive's root", "\\s\\sh\\c.avi", "c:\\w", "/C:/s/sh/c.avi");
        row("the current share's root", "\\x.avi", "\\\\s\\sh\\w", "//s/sh/x.avi");
        row("a share with the long-path prefix", "\\\\?\\UNC\\s\\sh\\c.avi", "C:\\w", "//s/sh/c.avi");
        row("a drive with the long-path prefix", "\\\\?\\c:\\l\\c.avi", "D:\\w", "/C:/l/c.avi");
#endif
    }

    void normalised()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, cwd);
        QFETCH(QByteArray, normalised);
        QCOMPARE(CustodyCheck::Normalised(path, cwd), normalised);
    }

    // How a file now compares with its report entry.
    void compare()
    {
        const QByteArray sha(64, 'd');
        ReportEntry authentic;
        authentic.authentic = true;
        authentic.sha256 = sha;
        authentic.Of(ReportFields::Field::Serial) = {QStringLiteral("VH-0042"), true, false};
        ReportEntry guarded = authentic;
        guarded.Of(ReportFields::Field::Serial) = {QStringLiteral("=1"), true, true};
        // Two fields changed are named in the watermark's order.
        ReportEntry twoFields = authentic;
        twoFields.Of(ReportFields::Field::Version) = {QStringLiteral("0.9"), true, false};
        ReportEntry unreadable;
        unreadable.reason = QStringLiteral("unreadable");
        const auto now = [&](AuthResult reason, const QByteArray& digest, const char* serial) {
            FileResult result = Result("/r/a.avi", reason, 5000, true);
            result.sha256 = digest;
            result.record.VHSerial = serial;
            return result;
        };
        struct Case
        {
            const ReportEntry* entry;
            FileResult now;
            CustodyStatus status;
            QStringList changed;
        };
        const QList<Case> cases = {
            {&authentic, now(AuthResult::Authentic, sha, "VH-0042"), CustodyStatus::Unchanged, {}},
            {&authentic,
             now(AuthResult::Authentic, QByteArray(64, 'e'), "VH-0042"),
             CustodyStatus::Modified,
             {"sha256"}},
            {&authentic, now(AuthResult::Unreadable, "", ""), CustodyStatus::Missing, {}},
            {&authentic,
             now(AuthResult::DigestMismatch, sha, "VH-0042"),
             CustodyStatus::Modified,
             {"result", "reason"}},
            {&authentic, now(AuthResult::Authentic, sha, "VH-0043"), CustodyStatus::Modified, {"serial"}},
            {&twoFields, now(AuthResult::Authentic, sha, "VH-0043"), CustodyStatus::Modified, {"version", "serial"}},
            {&guarded, now(AuthResult::Authentic, sha, "=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthResult::Authentic, sha, "'=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthResult::Authentic, sha, "1"), CustodyStatus::Modified, {"serial"}},
            {&unreadable, now(AuthResult::Unreadable, "", "x"), CustodyStatus::Unchanged, {}},
            {&unreadable, now(AuthResult::TooShort, sha, ""), CustodyStatus::Modified, {"sha256", "reason"}}};
        for (const Case& c : cases) {
            QStringList changed{QStringLiteral("stale")};
            QCOMPARE(CheckWriter::StatusName(CustodyCheck::Compare(*c.entry, c.now, &changed)),
                     CheckWriter::StatusName(c.status));
            QCOMPARE(changed, c.changed);
        }
    }

    // Two entries with the same SHA-256 are both missing and one file under
    // the path has that SHA-256: the first entry has moved there, the
    // second is missing, and no file is new.
    void movedIsClaimedOnce()
    {
        QTemporaryDir dir;
        const auto at = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromUtf8(name))); };
        const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        QVERIFY(WriteFile(at("a.avi").toStdString(), avi));
        QVERIFY(WriteFile(at("copy.avi").toStdString(), avi));
        const QByteArray report = ReportOf(ReportFormat::Json, {at("a.avi"), at("copy.avi")});
        QVERIFY(WriteFile(at("report.jsonl").toStdString(), report.toStdString()));
        QVERIFY(QFile::remove(dir.filePath("copy.avi")));
        QVERIFY(QFile::rename(dir.filePath("a.avi"), dir.filePath("moved.avi")));

        CustodyCheck check(at("report.jsonl"), {QFile::encodeName(dir.path())}, 2);
        QVERIFY2(check.Prepare(), qPrintable(check.Problem().report));
        QStringList lines;
        CustodyCheck::Callbacks callbacks;
        callbacks.line = [&](const CustodyLine& line) {
            lines << QLatin1String(CheckWriter::StatusName(line.status)) + ' ' + QFileInfo(line.path).fileName() + ' ' +
                         QFileInfo(QFile::decodeName(line.newPath)).fileName();
        };
        QCOMPARE(check.Run(callbacks), CustodyCheck::Outcome::Done);
        QCOMPARE(lines, (QStringList{"moved a.avi moved.avi", "missing copy.avi "}));

        // Stopped, it gives no line at all: without every file under the
        // path, a moved file would show as missing and new.
        const std::atomic<bool> stop{true};
        CustodyCheck stopped(at("report.jsonl"), {QFile::encodeName(dir.path())}, 2);
        QVERIFY(stopped.Prepare());
        lines.clear();
        QCOMPARE(stopped.Run(callbacks, &stop), CustodyCheck::Outcome::Stopped);
        QCOMPARE(lines, QStringList());
    }

    // The line names the file that was verified: a CSV shows a file really
    // named "'=x.avi" as a formula-guarded "=x.avi". The report is named by
    // the SHA-256 of the bytes compared, and one replaced between the two
    // readings is refused rather than named beside the other's comparison.
    void reportAsCompared()
    {
        QTemporaryDir dir;
        const auto at = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromUtf8(name))); };
        QVERIFY(WriteFile(at("'=x.avi").toStdString(), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
        const QByteArray report = ReportOf(ReportFormat::Csv, {at("'=x.avi")});
        QVERIFY(WriteFile(at("r.csv").toStdString(), report.toStdString()));
        QStringList lines;
        CustodyCheck::Callbacks callbacks;
        callbacks.line = [&](const CustodyLine& line) {
            lines << QLatin1String(CheckWriter::StatusName(line.status)) + ' ' + line.path + ' ' +
                         QFile::decodeName(line.pathBytes);
        };
        CustodyCheck check(at("r.csv"), {}, 1);
        QVERIFY(check.Prepare());
        QCOMPARE(check.Run(callbacks), CustodyCheck::Outcome::Done);
        QCOMPARE(lines, QStringList({"unchanged " + dir.filePath("'=x.avi") + ' ' + dir.filePath("'=x.avi")}));
        QCOMPARE(QString::fromLatin1(check.ReportSha256()), Sha256Hex(report.toStdString()));

        CustodyCheck replaced(at("r.csv"), {}, 1);
        QVERIFY(replaced.Prepare());
        QVERIFY(WriteFile(at("r.csv").toStdString(), (report + report.mid(report.indexOf('\n') + 1)).toStdString()));
        QCOMPARE(replaced.Run(callbacks), CustodyCheck::Outcome::ReportFailed);
        QCOMPARE(replaced.Problem().code, ReportProblem::Code::Changed);
        QVERIFY(replaced.ReportSha256().isEmpty());
    }

    // Each line in the formats it is checked in (an empty expectation is
    // not checked).
    void record_data()
    {
        QTest::addColumn<CustodyLine>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("csv");
        const auto row = [](const char* name, const CustodyLine& line, const QByteArray& text, const QByteArray& json,
                            const QByteArray& csv) { QTest::newRow(name) << line << text << json << csv; };
        using S = CustodyStatus;
        const AuthResult mismatch = AuthResult::DigestMismatch;
        row("unchanged", Line(S::Unchanged, "/r/a.avi").At(2).Now(AuthResult::Authentic, "s1").Then("", "s1"),
            "unchanged  /r/a.avi  authentic\n", "", "");
        row("failed now",
            Line(S::Modified, "/r/b.jpg")
                .At(3)
                .Now(mismatch, "s2")
                .Then("", "s1")
                .Changed({"sha256", "result", "reason"}),
            "modified   /r/b.jpg  authentic then, failed (digest-mismatch) now; changed: sha256, result, reason\n", "",
            "modified,/r/b.jpg,3,,failed,digest-mismatch,s2,authentic,,s1,sha256 result reason\r\n");
        row("failed then and now",
            Line(S::Modified, "/r/c,d.avi").At(4).Now(mismatch, "s3").Then("digest-mismatch", "s4").Changed({"sha256"}),
            "modified   /r/c,d.avi  failed (digest-mismatch) then and now; changed: sha256\n",
            R"({"changed":["sha256"],"new_path":null,"path":"/r/c,d.avi","reason":"digest-mismatch",)"
            R"("report_line":4,"report_reason":"digest-mismatch","report_result":"failed",)"
            R"("report_sha256":"s4","result":"failed","sha256":"s3","status":"modified"})"
            "\n",
            "modified,\"/r/c,d.avi\",4,,failed,digest-mismatch,s3,failed,digest-mismatch,s4,sha256\r\n");
        row("another failure",
            Line(S::Modified, "/r/d.jpg").At(7).Now(mismatch, "s8").Then("bad-signature", "s8").Changed({"reason"}),
            "modified   /r/d.jpg  failed (bad-signature) then, failed (digest-mismatch) now; changed: reason\n", "",
            "");
        row("missing", Line(S::Missing, "/r/e.avi").At(5).Now(AuthResult::Unreadable, "").Then("", "s5"),
            "missing    /r/e.avi  authentic then; no readable file now\n", "",
            "missing,/r/e.avi,5,,failed,unreadable,,authentic,,s5,\r\n");
        row("moved",
            Line(S::Moved, "/r/f.avi").At(6).Now(AuthResult::Authentic, "s6").Then("", "s6").MovedTo("/r/g\xff.avi"),
            Shown("moved      /r/f.avi  now at /r/g\\xFF.avi, authentic\n"),
            Shown(R"({"changed":[],"new_path":"/r/g\\xFF.avi","path":"/r/f.avi","reason":null,)"
                  R"("report_line":6,"report_reason":null,"report_result":"authentic",)"
                  R"("report_sha256":"s6","result":"authentic","sha256":"s6","status":"moved"})"
                  "\n"),
            Shown("moved,/r/f.avi,6,/r/g\\xFF.avi,authentic,,s6,authentic,,s6,\r\n"));
        row("new", Line(S::New, "/r/h.jpg").Now(AuthResult::BadSignature, "s7"),
            "new        /r/h.jpg  failed (bad-signature)\n",
            R"({"changed":[],"new_path":null,"path":"/r/h.jpg","reason":"bad-signature",)"
            R"("report_line":null,"report_reason":null,"report_result":null,"report_sha256":null,)"
            R"("result":"failed","sha256":"s7","status":"new"})"
            "\n",
            "new,/r/h.jpg,,,failed,bad-signature,s7,,,,\r\n");
    }

    void record()
    {
        QFETCH(CustodyLine, line);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, csv);
        // The text format's path column is 8 wide; the others have none.
        const std::pair<ReportFormat, QByteArray> expected[] = {
            {ReportFormat::Text, text}, {ReportFormat::Json, json}, {ReportFormat::Csv, csv}};
        for (const auto& [format, bytes] : expected) {
            if (!bytes.isEmpty())
                QCOMPARE(CheckWriter(format, format == ReportFormat::Text ? 8 : 0).Record(line), bytes);
        }
    }

    void headerAndSummary()
    {
        QCOMPARE(CheckWriter(ReportFormat::Text, 8).Header(), QByteArray());
        QCOMPARE(CheckWriter(ReportFormat::Json, 0).Header(), QByteArray());
        QCOMPARE(CheckWriter(ReportFormat::Csv, 0).Header(),
                 QByteArray("status,path,report_line,new_path,result,reason,sha256,report_result,"
                            "report_reason,report_sha256,changed\r\n"));
        QCOMPARE(CheckWriter::Summary({1, 2, 3, 4, 5}),
                 QByteArray("15 files: 1 unchanged, 2 modified, 3 missing, 4 moved, 5 new\n"));
    }
};

ARDENTIX_REGISTER_TEST(TestCustodyCheck)
#include "tst_custodycheck.moc"
