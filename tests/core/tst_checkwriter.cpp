// The re-check's lines, exact in every format, and its closing line.
#include "CheckWriter.h"
#include "CoreFixtures.h"
#include "PathText.h"
#include "TestRegistry.h"

using namespace testsupport;

Q_DECLARE_METATYPE(CustodyLine)
Q_DECLARE_METATYPE(ReportFormat)

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

class TestCheckWriter : public QObject
{
    Q_OBJECT

private slots:
    void record_data()
    {
        QTest::addColumn<CustodyLine>("line");
        QTest::addColumn<ReportFormat>("format");
        QTest::addColumn<QByteArray>("expected");
        const CustodyLine unchanged =
            Line(CustodyStatus::Unchanged, "/r/a.avi").At(2).Now(AuthAuthentic, "s1").Then("", "s1");
        const CustodyLine nowFailed = Line(CustodyStatus::Modified, "/r/b.jpg")
                                          .At(3)
                                          .Now(AuthDigestMismatch, "s2")
                                          .Then("", "s1")
                                          .Changed({"sha256", "result", "reason"});
        const CustodyLine failedBoth = Line(CustodyStatus::Modified, "/r/c,d.avi")
                                           .At(4)
                                           .Now(AuthDigestMismatch, "s3")
                                           .Then("digest-mismatch", "s4")
                                           .Changed({"sha256"});
        const CustodyLine otherFailure = Line(CustodyStatus::Modified, "/r/d.jpg")
                                             .At(7)
                                             .Now(AuthDigestMismatch, "s8")
                                             .Then("bad-signature", "s8")
                                             .Changed({"reason"});
        const CustodyLine missing =
            Line(CustodyStatus::Missing, "/r/e.avi").At(5).Now(AuthUnreadable, "").Then("", "s5");
        const CustodyLine moved = Line(CustodyStatus::Moved, "/r/f.avi")
                                      .At(6)
                                      .Now(AuthAuthentic, "s6")
                                      .Then("", "s6")
                                      .MovedTo("/r/g\xff.avi");
        const CustodyLine added = Line(CustodyStatus::New, "/r/h.jpg").Now(AuthBadSignature, "s7");
        const auto row = [](const char* name, const CustodyLine& line, ReportFormat format,
                            const QByteArray& expected) { QTest::newRow(name) << line << format << expected; };
        const ReportFormat text = ReportFormat::Text;
        row("text: unchanged", unchanged, text, "unchanged  /r/a.avi  authentic\n");
        row("text: failed now", nowFailed, text,
            "modified   /r/b.jpg  authentic then, failed (digest-mismatch) now; changed: sha256, result, reason\n");
        row("text: failed then and now", failedBoth, text,
            "modified   /r/c,d.avi  failed (digest-mismatch) then and now; changed: sha256\n");
        row("text: another failure", otherFailure, text,
            "modified   /r/d.jpg  failed (bad-signature) then, failed (digest-mismatch) now; changed: reason\n");
        row("text: missing", missing, text, "missing    /r/e.avi  authentic then; no readable file now\n");
        row("text: moved", moved, text, Shown("moved      /r/f.avi  now at /r/g\\xFF.avi, authentic\n"));
        row("text: new", added, text, "new        /r/h.jpg  failed (bad-signature)\n");
        row("json: failed then and now", failedBoth, ReportFormat::Json,
            R"({"changed":["sha256"],"new_path":null,"path":"/r/c,d.avi","reason":"digest-mismatch",)"
            R"("report_line":4,"report_reason":"digest-mismatch","report_result":"failed",)"
            R"("report_sha256":"s4","result":"failed","sha256":"s3","status":"modified"})"
            "\n");
        row("json: moved", moved, ReportFormat::Json,
            Shown(R"({"changed":[],"new_path":"/r/g\\xFF.avi","path":"/r/f.avi","reason":null,)"
                  R"("report_line":6,"report_reason":null,"report_result":"authentic",)"
                  R"("report_sha256":"s6","result":"authentic","sha256":"s6","status":"moved"})"
                  "\n"));
        row("json: new", added, ReportFormat::Json,
            R"({"changed":[],"new_path":null,"path":"/r/h.jpg","reason":"bad-signature",)"
            R"("report_line":null,"report_reason":null,"report_result":null,"report_sha256":null,)"
            R"("result":"failed","sha256":"s7","status":"new"})"
            "\n");
        const ReportFormat csv = ReportFormat::Csv;
        row("csv: failed now", nowFailed, csv,
            "modified,/r/b.jpg,3,,failed,digest-mismatch,s2,authentic,,s1,sha256 result reason\r\n");
        row("csv: failed then and now", failedBoth, csv,
            "modified,\"/r/c,d.avi\",4,,failed,digest-mismatch,s3,failed,digest-mismatch,s4,sha256\r\n");
        row("csv: missing", missing, csv, "missing,/r/e.avi,5,,failed,unreadable,,authentic,,s5,\r\n");
        row("csv: moved", moved, csv, Shown("moved,/r/f.avi,6,/r/g\\xFF.avi,authentic,,s6,authentic,,s6,\r\n"));
        row("csv: new", added, csv, "new,/r/h.jpg,,,failed,bad-signature,s7,,,,\r\n");
    }

    void record()
    {
        QFETCH(CustodyLine, line);
        QFETCH(ReportFormat, format);
        QFETCH(QByteArray, expected);
        // The text format's path column is 8 wide; the others have none.
        QCOMPARE(CheckWriter(format, format == ReportFormat::Text ? 8 : 0).Record(line), expected);
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

ARDENTIX_REGISTER_TEST(TestCheckWriter)
#include "tst_checkwriter.moc"
